// The wizard's pages, buttons and title as the user moves through them.
#include <gtest/gtest.h>

#include "WizardFakes.h"

namespace kgh::test {
namespace {

struct Expected {
  int16_t step;
  const char* title;
  bool back, next;
};

void ExpectPage(const frmWizard& w, const Expected& e) {
  SCOPED_TRACE(e.title);
  EXPECT_EQ(w.Caption, e.title);
  EXPECT_EQ(w.CurrentStep(), e.step);
  for (int16_t i = 0; i < frmWizard::kStepCount; ++i) {
    const forms::Page& page = w.fraStep[static_cast<std::size_t>(i)];
    EXPECT_EQ(page.left, i == e.step ? 0 : frmWizard::kParkedLeft) << "page " << i;
  }
  EXPECT_TRUE(w.fraStep[static_cast<std::size_t>(e.step)].enabled);
  EXPECT_EQ(w.cmdNav[frmWizard::kBackButton].enabled, e.back);
  EXPECT_EQ(w.cmdNav[frmWizard::kNextButton].enabled, e.next);
  EXPECT_TRUE(w.cmdNav[frmWizard::kHelpButton].enabled);
  EXPECT_TRUE(w.cmdNav[frmWizard::kCancelButton].enabled);
  EXPECT_FALSE(w.cmdNav[frmWizard::kFinishButton].enabled);
}

const Expected kIntro{0, "Pallix Browser Configuration Wizard - Introduction", false, true};
const Expected kStep1{1, "Pallix Browser Configuration Wizard - Step 1", true, true};
const Expected kStep2{2, "Pallix Browser Configuration Wizard - Step 2", true, true};
const Expected kFinished{3, "Pallix Browser Configuration Wizard - Finished!", true, false};

TEST(WizardNavigation, NextAndBackWalkThePagesWithFinishNeverEnabled) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  ExpectPage(w, kIntro);
  const Expected* forward[] = {&kStep1, &kStep2, &kFinished};
  for (const Expected* page : forward) {
    w.cmdNav_Click(frmWizard::kNextButton);
    ExpectPage(w, *page);
  }
  const Expected* backward[] = {&kStep2, &kStep1, &kIntro};
  for (const Expected* page : backward) {
    w.cmdNav_Click(frmWizard::kBackButton);
    ExpectPage(w, *page);
  }
  EXPECT_EQ(w.fraStep[1].enabled, false) << "a page that is left is disabled";
}

TEST(WizardNavigation, OpeningShowsTheTextsOfTheStringTable) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  EXPECT_EQ(w.cmdNav[0].caption, "Help");
  EXPECT_EQ(w.cmdNav[2].caption, "< &Back");
  EXPECT_EQ(w.lblExpl.caption, "Create configuration based on existing IIS web application");
  EXPECT_EQ(w.Label1.caption, "Create empty configuration");
  EXPECT_EQ(w.Label2.caption, "Create new Pallix browser configuration");
  EXPECT_EQ(w.lblStep.at(5).caption,
            "The ??? Wizard is finished collecting information.\r\n\r\nTo build your ???, press Finish!");
  EXPECT_EQ(w.chkSaveSettings.caption, "Save current settings as default");
  EXPECT_EQ(w.mnuVirtDirSel1[0].caption, "Dir1");
  EXPECT_FALSE(w.mnuVirtDir.visible);
}

TEST(WizardNavigation, CancelClosesOnEveryPageWithoutAConfiguration) {
  for (int page = 0; page < frmWizard::kStepCount; ++page) {
    WizardRig rig;
    frmWizard& w = rig.Load();
    for (int i = 0; i < page; ++i) w.cmdNav_Click(frmWizard::kNextButton);
    w.cmdNav_Click(frmWizard::kCancelButton);
    EXPECT_TRUE(w.unloaded) << "page " << page;
    EXPECT_EQ(rig.closed_count, 1);
    EXPECT_EQ(w.NewConfigFile(), "");
    EXPECT_TRUE(rig.host.help_quits.empty()) << "no help was asked for";
  }
}

TEST(WizardNavigation, F1ChangesNothingVisibleButClosingThenQuitsTheHelp) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  w.cmdNav_Click(frmWizard::kNextButton);
  std::string title = w.Caption;
  w.Form_KeyDown(frmWizard::kF1Key, 0);
  EXPECT_EQ(w.Caption, title);
  EXPECT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(rig.host.help_quits.empty());
  w.cmdNav_Click(frmWizard::kCancelButton);
  EXPECT_EQ(rig.host.help_quits, std::vector<std::string>{"MYWIZARD.HLP"});
}

TEST(WizardNavigation, OtherKeysAreLeftToTheControls) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  w.Form_KeyDown(113, 0);  // F2
  w.Form_Unload();
  EXPECT_TRUE(rig.host.help_quits.empty());
}

}  // namespace
}  // namespace kgh::test
