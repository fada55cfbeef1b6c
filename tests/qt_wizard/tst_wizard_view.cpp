// What the wizard's window shows as the user clicks through it, presses keys and picks a web
// application from the pop-up menu.
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
    for (QAction* action : menu->actions()) offered.push_back(action->text().toStdString());
    const auto chosen = std::find(offered.begin(), offered.end(), pick);
    if (chosen != offered.end()) menu->actions()[chosen - offered.begin()]->trigger();
    else menu->close();
  });
}

TEST(WizardView, ClicksWalkThePagesWithTheirTitlesWholeTextsAndButtonsThenF1AndCancel) {
  ViewRig rig;
  QWidget* view = rig.Show();
  for (std::size_t i = 0; i < std::size(kWalk); ++i) {
    if (i > 0) ClickOn(view, i <= 3 ? "cmdNav(3)" : "cmdNav(2)");  // Next, then Back
    const WalkStep& e = kWalk[i];
    const std::string page = "fraStep(" + std::to_string(e.page) + ")";
    SCOPED_TRACE(e.title);
    EXPECT_EQ(view->windowTitle().toStdString(), kTitlePrefix + e.title);
    EXPECT_EQ(Child<QStackedWidget>(view, "fraStep")->currentWidget()->objectName().toStdString(), page);
    const bool enabled[] = {true, true, e.back, e.next, false};  // Help, Cancel, Back, Next, Finish
    for (int b = 0; b < 5; ++b) {
      const std::string button = "cmdNav(" + std::to_string(b) + ")";
      EXPECT_EQ(Child<QPushButton>(view, button.c_str())->isEnabled(), enabled[b]) << button;
    }
    for (QLabel* label : Child(view, page.c_str())->findChildren<QLabel*>()) {
      SCOPED_TRACE(label->objectName().toStdString());
      EXPECT_TRUE(label->isVisible());
      EXPECT_TRUE(!label->text().isEmpty() || !label->pixmap().isNull()) << "a text or a picture";
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "the whole text";
      EXPECT_TRUE(view->rect().contains(QRect(label->mapTo(view, QPoint(0, 0)), label->size())));
    }
    // The controls shown lie side by side, and every button has a name assistive technology reads.
    std::vector<QWidget*> shown;
    for (QWidget* widget : view->findChildren<QWidget*>())
      if (widget->isVisible() && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)))
        shown.push_back(widget);
    const auto place = [view](QWidget* w) { return QRect(w->mapTo(view, QPoint(0, 0)), w->size()); };
    for (std::size_t a = 0; a < shown.size(); ++a) {
      if (qobject_cast<QAbstractButton*>(shown[a])) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(shown[a])->text(QAccessible::Name).isEmpty())
            << shown[a]->objectName().toStdString();
      }
      for (std::size_t b = a + 1; b < shown.size(); ++b)
        EXPECT_FALSE(place(shown[a]).intersects(place(shown[b])))
            << shown[a]->objectName().toStdString() << " and " << shown[b]->objectName().toStdString();
    }
  }
  // The two ways to build, picture buttons, are named by the texts beside them.
  std::vector<std::string> ways;
  for (QAbstractButton* button : Child(view, "fraStep(1)")->findChildren<QAbstractButton*>()) {
    ways.push_back(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).toStdString());
    EXPECT_FALSE(button->icon().isNull()) << ways.back() << " shows its picture";
  }
  EXPECT_EQ(ways, (std::vector<std::string>{"Create configuration based on existing IIS web application",
                                             "Create empty configuration"}));
  QTest::keyClick(Child<QPushButton>(view, "cmdNav(3)"), Qt::Key_F1);
  EXPECT_TRUE(rig.wizard->HelpRequested());
  EXPECT_EQ(Child<QStackedWidget>(view, "fraStep")->currentIndex(), 1);
  ClickOn(view, "cmdNav(1)");
  EXPECT_FALSE(view->isVisible());
  EXPECT_TRUE(rig.wizard->unloaded);
  EXPECT_EQ(rig.wizard->NewConfigFile(), "");
}

// Texts come from the string table and may need more lines than designed: a title that does pushes
// the text below it down, and both are shown whole on the page.
TEST(WizardView, ALongTitlePushesTheTextBelowItDown) {
  ViewRig rig;
  frmWizard& form = rig.Load(&rig.qt_host);
  form.Label2.caption = "Create a new configuration for the Pallix browser of this kiosk, from a web application "
                        "of this computer or from nothing at all";
  qt::WizardView view(form);
  view.show();
  auto* title = Child<QLabel>(&view, "Label2");
  auto* text = Child<QLabel>(&view, "lblStep(0)");
  const int title_needs = title->heightForWidth(title->width());
  ASSERT_GT(title_needs, 3 * title->fontMetrics().lineSpacing()) << "a title of more than three lines";
  EXPECT_GE(title->height(), title_needs);
  EXPECT_GT(text->y(), title->y() + title_needs);
  EXPECT_GE(text->height(), text->heightForWidth(text->width()));
  EXPECT_TRUE(Child(&view, "fraStep(0)")->rect().contains(text->geometry()));
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

// The wizard may end while it shows the hourglass: the pointer it set goes with it, and the
// host application's own stays.
TEST(WizardView, AHostThatEndsDuringTheHourglassGivesThePointerBack) {
  UseApplication();
  QApplication::setOverrideCursor(Qt::CrossCursor);
  {
    qt::QtWizardHost host;
    host.SetHourglass(true);
    host.SetHourglass(true);
  }
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
  QApplication::restoreOverrideCursor();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kgh::test
