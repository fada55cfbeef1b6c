// What the wizard's window shows as the user clicks through it, presses keys and picks a web
// application from the pop-up menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "WizardViewRig.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

struct Shown {
  const char* page;
  const char* title;
  bool back, next;
};

const Shown kIntro{"fraStep(0)", "Pallix Browser Configuration Wizard - Introduction", false, true};
const Shown kStep1{"fraStep(1)", "Pallix Browser Configuration Wizard - Step 1", true, true};
const Shown kStep2{"fraStep(2)", "Pallix Browser Configuration Wizard - Step 2", true, true};
const Shown kFinished{"fraStep(3)", "Pallix Browser Configuration Wizard - Finished!", true, false};

void ExpectShown(QWidget* view, const Shown& e) {
  SCOPED_TRACE(e.title);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->windowTitle().toStdString(), e.title);
  EXPECT_EQ(ShownPage(view).toStdString(), e.page);
  EXPECT_TRUE(Find<QWidget>(view, e.page)->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(view, "cmdNav(0)")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(view, "cmdNav(1)")->isEnabled());
  EXPECT_EQ(Find<QPushButton>(view, "cmdNav(2)")->isEnabled(), e.back);
  EXPECT_EQ(Find<QPushButton>(view, "cmdNav(3)")->isEnabled(), e.next);
  EXPECT_FALSE(Find<QPushButton>(view, "cmdNav(4)")->isEnabled());
}

TEST(WizardView, NextAndBackClicksWalkThePagesWithTheirTitles) {
  WizardViewRig rig;
  QWidget& view = rig.Show();
  ExpectShown(&view, kIntro);
  for (const Shown* page : {&kStep1, &kStep2, &kFinished}) {
    Click(&view, "cmdNav(3)");
    ExpectShown(&view, *page);
  }
  for (const Shown* page : {&kStep2, &kStep1, &kIntro}) {
    Click(&view, "cmdNav(2)");
    ExpectShown(&view, *page);
  }
}

// Every text of a page is shown whole: its label is at least as tall as the text needs and
// lies inside the window.
void ExpectWholeText(QWidget* view, const char* name, const char* text) {
  SCOPED_TRACE(name);
  auto* label = Find<QLabel>(view, name);
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->text().toStdString(), text);
  EXPECT_GE(label->height(), label->heightForWidth(label->width()));
  const QRect in_window(label->mapTo(view, QPoint(0, 0)), label->size());
  EXPECT_TRUE(view->rect().contains(in_window));
}

void ExpectPicture(QWidget* view, const char* name) {
  auto* picture = Find<QLabel>(view, name);
  EXPECT_TRUE(picture->isVisible()) << name;
  EXPECT_FALSE(picture->pixmap().isNull()) << name;
}

TEST(WizardView, EachPageShowsItsPictureAndWholeTexts) {
  WizardViewRig rig;
  QWidget& view = rig.Show();
  ExpectPicture(&view, "imgStep(0)");
  ExpectWholeText(&view, "Label2", "Create new Pallix browser configuration");
  ExpectWholeText(&view, "lblStep(0)",
                  "This Wizard will help you to create a configuration file for the Pallix browser.");
  EXPECT_TRUE(Find<QLabel>(&view, "Label2")->font().bold());

  Click(&view, "cmdNav(3)");
  ExpectPicture(&view, "imgStep(1)");
  ExpectWholeText(&view, "lblStep(1)",
                  "Please indicate what type of a configuration type you would like to create");
  ExpectWholeText(&view, "lblExpl", "Create configuration based on existing IIS web application");
  ExpectWholeText(&view, "Label1", "Create empty configuration");

  Click(&view, "cmdNav(3)");
  ExpectPicture(&view, "imgStep(2)");
  ExpectWholeText(&view, "lblStep(2)", "Instructions for this step.");

  Click(&view, "cmdNav(3)");
  ExpectPicture(&view, "imgStep(5)");
  ExpectWholeText(&view, "lblStep(5)",
                  "The ??? Wizard is finished collecting information.\n\nTo build your ???, press Finish!");
  auto* save = Find<QCheckBox>(&view, "chkSaveSettings");
  EXPECT_TRUE(save->isVisible());
  EXPECT_EQ(save->text().toStdString(), "Save current settings as default");
}

TEST(WizardView, ChoiceButtonsShowPicturesAndAreNamedByTheirLabels) {
  WizardViewRig rig;
  QWidget& view = rig.Show();
  Click(&view, "cmdNav(3)");
  const std::pair<const char*, const char*> choices[] = {{"cmdIIS", "lblExpl"}, {"cmdEmptyApp", "Label1"}};
  for (auto [button_name, label_name] : choices) {
    SCOPED_TRACE(button_name);
    auto* button = Find<QPushButton>(&view, button_name);
    auto* label = Find<QLabel>(&view, label_name);
    EXPECT_TRUE(button->text().isEmpty());
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->accessibleName(), label->text());
    EXPECT_EQ(label->buddy(), button);
  }
}

TEST(WizardView, F1AsksForHelpWithoutChangingThePageAndEscCancels) {
  WizardViewRig rig;
  QWidget& view = rig.Show();
  Click(&view, "cmdNav(3)");
  QTest::keyClick(Find<QPushButton>(&view, "cmdNav(3)"), Qt::Key_F1);
  EXPECT_TRUE(rig.form->HelpRequested());
  ExpectShown(&view, kStep1);

  QTest::keyClick(Find<QPushButton>(&view, "cmdNav(3)"), Qt::Key_Escape);
  EXPECT_FALSE(view.isVisible());
  EXPECT_TRUE(rig.form->unloaded);
  EXPECT_EQ(rig.form->NewConfigFile(), "");
}

// The captions the pop-up offered, then picks `pick` (or closes the menu when it is "").
void AnswerPopup(std::vector<std::string>& offered, bool& hourglass, std::string pick) {
  WhenPopup([&offered, &hourglass, pick](QMenu* menu) {
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

TEST(WizardView, TheChosenWebApplicationIsBuiltAndTheWizardCloses) {
  TempDir dir;
  WizardViewRig rig;
  rig.directory_service.entries = {{"/shop", "/srv/shop"}, {"/intranet", "/srv/intranet/"}};
  rig.dialogs.answers = {dir.File("intranet.ini")};
  QWidget& view = rig.Show();
  Click(&view, "cmdNav(3)");

  std::vector<std::string> offered;
  bool hourglass_during_menu = true;
  AnswerPopup(offered, hourglass_during_menu, "/intranet");
  Click(&view, "cmdIIS");

  EXPECT_EQ(offered, (std::vector<std::string>{"/shop", "/intranet"}));
  EXPECT_FALSE(hourglass_during_menu);
  ASSERT_EQ(rig.opener.opened.size(), 1u);
  EXPECT_EQ(rig.opener.opened[0].root, "/srv/intranet");
  EXPECT_EQ(rig.opener.opened[0].target, dir.File("intranet.ini"));
  EXPECT_EQ(rig.opener.opened[0].server, "SRV1/intranet");
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(rig.form->NewConfigFile(), dir.File("intranet.ini"));
}

TEST(WizardView, ClosingThePopupWithoutAChoiceLeavesTheWizardOnStep1) {
  WizardViewRig rig;
  rig.directory_service.entries = {{"/shop", "/srv/shop"}};
  QWidget& view = rig.Show();
  Click(&view, "cmdNav(3)");

  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE(press);
    std::vector<std::string> offered;
    bool hourglass_during_menu = true;
    AnswerPopup(offered, hourglass_during_menu, "");
    Click(&view, "cmdIIS");
    EXPECT_EQ(offered, std::vector<std::string>{"/shop"});
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(rig.dialogs.requests.empty());
  EXPECT_TRUE(rig.opener.opened.empty());
  ExpectShown(&view, kStep1);
  EXPECT_TRUE(Find<QPushButton>(&view, "cmdIIS")->isEnabled());
}

}  // namespace
}  // namespace kgh::test
