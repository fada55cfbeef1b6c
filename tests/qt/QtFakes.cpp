#include "QtFakes.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "qt/QtApplicationGuard.h"

namespace kgh::test {

MessageAnswer FakeMessageBoxes::Show(const MessageRequest& request) {
  shown.push_back(request);
  if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return MessageAnswer::No;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string FakeFileDialogs::ShowFileDialog(const FileDialogRequest& request) {
  requests.push_back(request);
  if (choices.empty()) return {};
  std::string choice = choices.front();
  choices.pop_front();
  return choice;
}

void WhenModal(const char* object_name, std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [name = QString::fromUtf8(object_name), action = std::move(action)]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal->objectName() != name || !modal->isActiveWindow()) {
      // Not open (or not yet given the keyboard): look again on the next pass of the event loop.
      WhenModal(name.toUtf8().constData(), std::move(action));
      return;
    }
    action(modal);
  });
}

void UseApplication() { qt::EnsureApplication(); }

}  // namespace kgh::test
