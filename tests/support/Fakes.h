#pragma once
// Scripted stand-ins for the platform's modal services, shared by every suite: each answers
// from a queue the test fills, records what the user was shown, and fails the test when asked
// for more than the script holds.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/FileStore.h"
#include "platform/MessageBox.h"
#include "platform/Module1.h"

namespace kgh::test {

class ScriptedMessageBoxes final : public MessageBoxService {
 public:
  std::deque<MessageAnswer> answers;  // for questions; plain messages are answered OK
  std::vector<MessageRequest> shown;
  MessageAnswer Show(const MessageRequest& request) override;
};

class ScriptedFileDialogs final : public FileDialogService {
 public:
  std::deque<std::string> choices;  // "" = the user cancels
  std::vector<FileDialogRequest> requests;
  std::string ShowFileDialog(const FileDialogRequest& request) override;
};

// Files in memory, for dialogs working on Windows paths on any system.
class MemoryFileStore final : public FileStore {
 public:
  std::map<std::string, std::string> files;
  int reads = 0, replacements = 0;
  int read_error = 0;     // when set, every read fails with this system error
  int replace_error = 0;  // when set, every replacement fails with this system error
  // Runs after each read: another program writing the file at that moment.
  std::function<void()> after_read;
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override;
  bool Replace(const std::string& path, std::string_view bytes, int& error) override;

 private:
  ReadStatus ReadNow(const std::string& path, std::string& bytes, int& error);
};

}  // namespace kgh::test
