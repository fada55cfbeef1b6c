#include "WizardViewRig.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "QtFakes.h"

namespace kgh::test {

WizardViewRig::WizardViewRig() {
  UseApplication();
  registry.key = frmWizard::kVirtualRootsKey;
}

WizardServices WizardViewRig::Services() {
  WizardServices services;
  services.opener = &opener;
  services.host = &host;
  services.messages = &messages;
  services.file_dialogs = &dialogs;
  services.directory_service = &directory_service;
  services.registry = &registry;
  services.listing = &listing;
  services.computer_name = &computer;
  services.flavour = PathFlavour::Posix;
  return services;
}

qt::WizardView& WizardViewRig::Show() {
  form = std::make_unique<frmWizard>(Services());
  form->Form_Load();
  view = std::make_unique<qt::WizardView>(*form);
  view->show();
  return *view;
}

void Click(QWidget* window, const char* name) {
  if (auto* button = Find<QPushButton>(window, name)) QTest::mouseClick(button, Qt::LeftButton);
}

QString ShownPage(QWidget* window) {
  auto* pages = Find<QStackedWidget>(window, "fraStep");
  return pages != nullptr && pages->currentWidget() != nullptr ? pages->currentWidget()->objectName() : QString();
}

void WhenPopup(std::function<void(QMenu*)> action) {
  QTimer::singleShot(0, [action = std::move(action)]() mutable {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
      // Not open yet: look again on the next pass of the event loop.
      WhenPopup(std::move(action));
      return;
    }
    action(menu);
  });
}

}  // namespace kgh::test
