#include "QtFakes.h"

#include "qt/QtApplicationGuard.h"

namespace kgh::test {

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

void ClickOn(QWidget* parent, const char* name) {
  QTest::mouseClick(Child<QAbstractButton>(parent, name), Qt::LeftButton);
}

void ClickTab(QWidget* dialog, int index) {
  auto* tabs = Child<QTabBar>(dialog, "tbsOptions");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void AddButton(QWidget* parent, const char* caption, const char* url) {
  WhenModal("dlgButton", [caption, url](QWidget* dialog) {
    QTest::keyClicks(Child<QLineEdit>(dialog, "txtCaption"), caption);
    QTest::keyClicks(Child<QLineEdit>(dialog, "txtURL"), url);
    ClickOn(dialog, "OKButton");
  });
  ClickOn(parent, "cmdButtonOp(1)");
}

}  // namespace kgh::test
