#include "qt/QtMessageBoxes.h"

#include <QMessageBox>

#include "qt/ModalParent.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtText.h"

namespace kgh::qt {

namespace {

QMessageBox::Icon IconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessageBoxes::Show(const MessageRequest& request) {
  EnsureApplication();
  const bool question = request.buttons == MessageButtons::YesNo;
  const QString title = request.title.empty() ? QString::fromUtf8(kApplicationTitle) : ToQ(request.title);
  QMessageBox box(IconFor(request.icon), title, ToQ(request.text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, ModalParent());
  box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
  box.setEscapeButton(question ? QMessageBox::No : QMessageBox::Ok);
  const int answer = box.exec();
  if (!question) return MessageAnswer::Ok;
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace kgh::qt
