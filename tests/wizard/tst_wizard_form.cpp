// The wizard's pages, buttons and titles as the user moves through them to a saved
// configuration, and the string-table walk that gives a window its texts.
#include "WizardFakes.h"
#include "config/CIniFile2.h"
#include "wizard/RunWizard.h"
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
}

// A wizard that built a configuration is only hidden: the caller unloads it, which closes the
// help the user asked for.
TEST(WizardForm, TheCallerGetsTheBuiltFileAndTheHelpAskedForIsClosed) {
  WizardRig rig;
  rig.platform.folder = {{"index.htm", 0}};
  rig.dialogs.choices = {"/cfg/kiosk.ini"};
  const std::string built = RunWizard(rig.Services(), [](frmWizard& w) {
    w.Form_KeyDown(frmWizard::kF1Key, 0);
    w.cmdNav_Click(frmWizard::kNextButton);
    w.cmdEmptyApp_Click();
  });
  EXPECT_EQ(built, "/cfg/kiosk.ini");
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
  // The parts of a tab strip, a toolbar and a list view: captions and tips from their own ids.
  std::string tab = "t", tab_tag = "101", tab_tip = "104", tool_tip = "t", tool_tag = "101", header = "h",
              header_tag = "104";
  texts.controls.push_back({"TabStrip", nullptr, nullptr, nullptr, {{"", &tab, &tab_tag, &tab_tip, {}}}});
  texts.controls.push_back({"Toolbar", nullptr, nullptr, nullptr, {{"", nullptr, &tool_tag, &tool_tip, {}}}});
  texts.controls.push_back({"ListView", nullptr, nullptr, nullptr, {{"", &header, &header_tag, nullptr, {}}}});
  ApplyResourceTexts(texts);
  for (const Row& r : rows) EXPECT_EQ(r.caption, r.expected) << r.kind << " " << r.tag;
  EXPECT_EQ(tab + "|" + tab_tip + "|" + tool_tip + "|" + header, "Cancel|&Finish|Cancel|&Finish");
}

// An id is a 16-bit number, however it is written: one beyond the range names no text, though
// it would wrap round to one that has a text.
TEST(ApplyResourceTexts, IdsAreSixteenBitNumbersRoundedToEven) {
  const std::pair<const char*, std::optional<int16_t>> ids[] = {
      {" 12 ", 12},  {"+3", 3},          {"2.5", 2},     {"3.5", 4},   {"32767", 32767}, {"32768", std::nullopt},
      {"-32768", -32768}, {"-32769", std::nullopt}, {"", std::nullopt}, {".", std::nullopt}, {"1e3", std::nullopt},
      {"12x", std::nullopt}};
  for (const auto& [text, id] : ids) EXPECT_EQ(NumericId(text), id) << text;
  const std::string wraps_to_101 = std::to_string(65536 + 101);
  EXPECT_EQ(WizardStringTable().Text(101), "Cancel");
  EXPECT_EQ(WizardStringTable().Text(65536 + 101), std::nullopt);
  EXPECT_EQ(StringTable::Parse(wraps_to_101 + "\tWrapped\n").Text(101), std::nullopt);
  EXPECT_EQ(StringTable::Parse("101\tA\\tB\\\\\r\n# 102\tnot read\n101\tsecond\n").Text(101), "A\tB\\");
  EXPECT_EQ(StringTable::Parse("# 102\tnot read\n").Text(102), std::nullopt);
}

}  // namespace
}  // namespace kgh::test
