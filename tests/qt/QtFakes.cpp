#include "QtFakes.h"

#include "qt/QtApplicationGuard.h"

namespace kgh::test {

namespace {

// Runs `action` once the modal widget in front satisfies `match` and has the keyboard; looks
// again on every pass of the event loop until then.
void WhenModalMatches(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [match = std::move(match), action = std::move(action)]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !match(modal) || !modal->isActiveWindow()) {
      WhenModalMatches(std::move(match), std::move(action));
      return;
    }
    action(modal);
  });
}

}  // namespace

void WhenModal(const char* object_name, std::function<void(QWidget*)> action) {
  WhenModalMatches([name = QString::fromUtf8(object_name)](QWidget* modal) { return modal->objectName() == name; },
                   std::move(action));
}

void WhenMessageBox(std::function<void(QMessageBox*)> action) {
  WhenModalMatches([](QWidget* modal) { return qobject_cast<QMessageBox*>(modal) != nullptr; },
                   [action = std::move(action)](QWidget* modal) { action(qobject_cast<QMessageBox*>(modal)); });
}

void TakeKeyboardBack(QWidget* window) {
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void TypeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A letter beyond the basic plane comes as one key's two halves.
    const QString letter = text.mid(i, text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1);
    i += letter.size() - 1;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, letter);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, letter);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
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
