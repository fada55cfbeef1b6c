// What the wizard's window shows as the user clicks through it, presses keys and picks a web
// application from the pop-up menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "QtFakes.h"
#include "WizardFakes.h"
#include "qt/wizard/QtWizardHost.h"
#include "qt/wizard/WizardView.h"

namespace kgh::test {
namespace {

// The wizard's form on the scripted platform, shown in its view with the Qt host.
struct ViewRig : WizardRig {
  ViewRig() { UseApplication(); }
  QWidget* Show() {
    view = std::make_unique<qt::WizardView>(Load(&qt_host));
    view->show();
    return view.get();
  }
  qt::QtWizardHost qt_host;
  std::unique_ptr<qt::WizardView> view;
};

// Once the pop-up menu is open, notes what it offers and whether the hourglass is still
// shown, then picks `pick` or closes the menu when it is "".
void AnswerPopup(std::vector<std::string>& offered, bool& hourglass, std::string pick) {
  QTimer::singleShot(0, [&offered, &hourglass, pick] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return AnswerPopup(offered, hourglass, pick);  // not open yet
    hourglass = QApplication::overrideCursor() != nullptr;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
      offered.push_back(action->text().toStdString());
      if (action->text().toStdString() == pick) chosen = action;
    }
    if (chosen != nullptr) chosen->trigger();
    else menu->close();
  });
}

TEST(WizardView, ClicksWalkThePagesWithTheirTitlesWholeTextsAndButtonsThenF1AndEsc) {
  struct Shown {
    const char* button;  // clicked to get here
    const char* page;
    const char* title;
    bool back, next;
  };
  const Shown walk[] = {{nullptr, "fraStep(0)", "Introduction", false, true},
                        {"cmdNav(3)", "fraStep(1)", "Step 1", true, true},
                        {"cmdNav(3)", "fraStep(2)", "Step 2", true, true},
                        {"cmdNav(3)", "fraStep(3)", "Finished!", true, false},
                        {"cmdNav(2)", "fraStep(2)", "Step 2", true, true},
                        {"cmdNav(2)", "fraStep(1)", "Step 1", true, true}};
  ViewRig rig;
  QWidget* view = rig.Show();
  for (const Shown& e : walk) {
    if (e.button != nullptr) ClickOn(view, e.button);
    SCOPED_TRACE(e.title);
    EXPECT_EQ(view->windowTitle().toStdString(), std::string("Pallix Browser Configuration Wizard - ") + e.title);
    EXPECT_EQ(Child<QStackedWidget>(view, "fraStep")->currentWidget()->objectName().toStdString(), e.page);
    EXPECT_EQ(Child<QPushButton>(view, "cmdNav(2)")->isEnabled(), e.back);
    EXPECT_EQ(Child<QPushButton>(view, "cmdNav(3)")->isEnabled(), e.next);
    EXPECT_TRUE(Child<QPushButton>(view, "cmdNav(0)")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(view, "cmdNav(1)")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(view, "cmdNav(4)")->isEnabled());
    for (QLabel* label : Child(view, e.page)->findChildren<QLabel*>()) {
      SCOPED_TRACE(label->objectName().toStdString());
      EXPECT_TRUE(label->isVisible());
      EXPECT_TRUE(!label->text().isEmpty() || !label->pixmap().isNull()) << "a text or a picture";
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "the whole text";
      EXPECT_TRUE(view->rect().contains(QRect(label->mapTo(view, QPoint(0, 0)), label->size())));
    }
  }
  QTest::keyClick(Child<QPushButton>(view, "cmdNav(3)"), Qt::Key_F1);
  EXPECT_TRUE(rig.wizard->HelpRequested());
  EXPECT_EQ(Child<QStackedWidget>(view, "fraStep")->currentIndex(), 1);
  QTest::keyClick(Child<QPushButton>(view, "cmdNav(3)"), Qt::Key_Escape);
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(rig.wizard->unloaded);
  EXPECT_EQ(rig.wizard->NewConfigFile(), "");
}

TEST(WizardView, ThePopupOffersTheWebApplicationsAndTheChosenOneIsBuilt) {
  ViewRig rig;
  rig.platform.web_apps = {{"/shop", "/srv/shop"}, {"/intranet", "/srv/intranet/"}};
  rig.dialogs.choices = {"/cfg/intranet.ini"};
  QWidget* view = rig.Show();
  ClickOn(view, "cmdNav(3)");
  for (const char* pick : {"", "/intranet"}) {
    SCOPED_TRACE(pick);
    std::vector<std::string> offered;
    bool hourglass_during_menu = true;
    AnswerPopup(offered, hourglass_during_menu, pick);
    ClickOn(view, "cmdIIS");
    EXPECT_EQ(offered, (std::vector<std::string>{"/shop", "/intranet"}));
    EXPECT_FALSE(hourglass_during_menu);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(view->isVisible(), *pick == '\0') << "closed once a configuration is built";
  }
  EXPECT_EQ(rig.opener.opened, std::vector<std::string>{"/srv/intranet /cfg/intranet.ini SRV1/intranet"});
  EXPECT_EQ(rig.wizard->NewConfigFile(), "/cfg/intranet.ini");
}

}  // namespace
}  // namespace kgh::test
