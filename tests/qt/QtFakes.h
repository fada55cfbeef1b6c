#pragma once
// Scripted stand-ins for the modal services, and helpers that answer the real modal dialogs the
// views open, for tests that drive the Qt views headless.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Module1.h"

class QWidget;

namespace kgh::test {

class FakeMessageBoxes final : public MessageBoxService {
 public:
  MessageAnswer Show(const MessageRequest& request) override;

  std::deque<MessageAnswer> answers;  // questions take the next one; none left: No
  std::vector<MessageRequest> shown;
};

class FakeFileDialogs final : public FileDialogService {
 public:
  std::string ShowFileDialog(const FileDialogRequest& request) override;

  std::deque<std::string> choices;  // the next file the "user" picks; none left: cancelled
  std::vector<FileDialogRequest> requests;
};

// Once the modal widget named `object_name` is in front, runs `action` on it (from the event loop, so the
// code that opened it is waiting in its modal display).
void WhenModal(const char* object_name, std::function<void(QWidget*)> action);

// Makes the QApplication the views need.
void UseApplication();

}  // namespace kgh::test
