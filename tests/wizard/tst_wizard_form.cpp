// The wizard's pages, buttons and titles as the user moves through them to a saved
// configuration, and the string-table walk that gives a window its texts.
#include "WizardFakes.h"
#include "config/CIniFile2.h"
#include "wizard/modWizard.h"

namespace kgh::test {
namespace {

constexpr const char* kContinued3001 =
    "The ??? Wizard is finished collecting information.\r\n\r\nTo build your ???, press Finish!";

TEST(WizardForm, FromThePagesToTheSavedConfiguration) {
  WizardRig rig;
  frmWizard& w = rig.Load();
  for (std::size_t i = 0; i < std::size(kWalk); ++i) {
    if (i > 0) w.cmdNav_Click(i <= 3 ? frmWizard::kNextButton : frmWizard::kBackButton);
    SCOPED_TRACE(testing::Message() << "move " << i);
    EXPECT_EQ(w.Caption, kTitlePrefix + kWalk[i].title);
    EXPECT_EQ(w.cmdNav[frmWizard::kBackButton].enabled, kWalk[i].back);
    EXPECT_EQ(w.cmdNav[frmWizard::kNextButton].enabled, kWalk[i].next);
    EXPECT_TRUE(w.cmdNav[frmWizard::kHelpButton].enabled && w.cmdNav[frmWizard::kCancelButton].enabled);
    EXPECT_FALSE(w.cmdNav[frmWizard::kFinishButton].enabled);
  }
  EXPECT_EQ(w.lblStep.at(5).caption, kContinued3001);

  // On Step 1: F1, then an empty configuration, the save dialog cancelled once.
  rig.platform.folder = {{"readme.txt", 0}, {"Index.html", 0}};
  rig.dialogs.choices = {"", "/cfg/kiosk.ini"};
  w.Form_KeyDown(frmWizard::kF1Key, 0);
  w.cmdEmptyApp_Click();
  EXPECT_FALSE(w.hidden);
  w.cmdEmptyApp_Click();
  EXPECT_TRUE(w.hidden);
  EXPECT_EQ(rig.closed_count, 1) << "hiding ends the modal display";
  EXPECT_EQ(w.NewConfigFile(), "/cfg/kiosk.ini");
  EXPECT_EQ(rig.opener.opened, std::vector<std::string>{"/cfg /cfg/kiosk.ini SRV1"});
  CIniFile2 reopened(rig.profile);
  reopened.INIFile = "/cfg/kiosk.ini";
  reopened.Section = "Browser";
  EXPECT_EQ(reopened.GetString("Homepage"), "http://SRV1/Index.html");

  // The caller unloads the hidden wizard: the help asked for is closed.
  w.Form_Unload();
  EXPECT_EQ(rig.host.help_quits, std::vector<std::string>{"MYWIZARD.HLP"});
}

TEST(ApplyResourceTexts, ReplacesWhatNamesAnIdAndSkipsEveryFailure) {
  struct Row { const char* kind; std::string caption, tag; const char* expected; };
  Row rows[] = {
      {"Label", "lblStep", "3001", kContinued3001},
      {"Label", "missing id", "4242", "missing id"},
      {"CommandButton", "non-numeric tag", "Dir1", "non-numeric tag"},
      {"PictureBox", "", "1000", ""},  // no caption to replace
      {"Menu", "101", "", "Cancel"},   // a menu item's id is its caption
      {"Label", "after every failure", "104", "&Finish"},
  };
  FormTexts texts;
  for (Row& r : rows) texts.controls.push_back({r.kind, r.kind[0] == 'P' ? nullptr : &r.caption, &r.tag, {}, {}});
  ApplyResourceTexts(texts);
  for (const Row& r : rows) EXPECT_EQ(r.caption, r.expected) << r.kind << " " << r.tag;
}

}  // namespace
}  // namespace kgh::test
