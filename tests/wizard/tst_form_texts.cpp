// Giving a window its texts from the string table.
#include <gtest/gtest.h>

#include "wizard/modWizard.h"

namespace kgh::test {
namespace {

TEST(StringTable, HoldsTheWizardTextsExactly) {
  const std::pair<int, const char*> rows[] = {
      {100, "Help"},
      {101, "Cancel"},
      {102, "< &Back"},
      {103, "&Next >"},
      {104, "&Finish"},
      {1000, "Introduction"},
      {1001, "This Wizard will help you to create a configuration file for the Pallix browser."},
      {2000, "Step 1"},
      {2001, "Please indicate what type of a configuration type you would like to create"},
      {2002, "Step 2"},
      {2003, "Instructions for this step."},
      {2050, "Create configuration based on existing IIS web application"},
      {2051, "Create empty configuration"},
      {3000, "Finished!"},
      {3001, "The ??? Wizard is finished collecting information.\r\n\r\n_"},
      {3002, "To build your ???, press Finish!"},
      {3003, "Save current settings as default"},
  };
  for (auto [id, text] : rows) EXPECT_EQ(WizardStringTable().Text(id), std::optional<std::string>(text)) << id;
  EXPECT_EQ(WizardStringTable().Text(3004), std::nullopt);
  EXPECT_EQ(WizardStringTable().Text(1), std::nullopt);
}

TEST(StringTable, ParsesEscapesCommentsAndCrLfLines) {
  StringTable table = StringTable::Parse("# note\r\n7\ta\\tb\\\\c\\x\r\n\r\n8\tlast\nbad line\n99999\ttoo big\n");
  EXPECT_EQ(table.Text(7), std::optional<std::string>("a\tb\\c\\x"));
  EXPECT_EQ(table.Text(8), std::optional<std::string>("last"));
  EXPECT_EQ(table.Text(99999), std::nullopt);
}

TEST(LoadContinuedString, JoinsTheContinuationOf3001) {
  EXPECT_EQ(LoadContinuedString(3001),
            std::optional<std::string>(
                "The ??? Wizard is finished collecting information.\r\n\r\nTo build your ???, press Finish!"));
  EXPECT_EQ(LoadContinuedString(3002), std::optional<std::string>("To build your ???, press Finish!"));
}

TEST(LoadContinuedString, FailsWholeWhenAContinuationIsMissing) {
  StringTable table;
  table.Set(10, "first_");
  EXPECT_EQ(LoadContinuedString(10, table), std::nullopt);
  EXPECT_EQ(LoadContinuedString(11, table), std::nullopt);
}

TEST(NumericId, ReadsNumbersTheWayATagIsRead) {
  EXPECT_EQ(NumericId("2051"), std::optional<int16_t>(2051));
  EXPECT_EQ(NumericId(" 12 "), std::optional<int16_t>(12));
  EXPECT_EQ(NumericId("2.5"), std::optional<int16_t>(2));
  EXPECT_EQ(NumericId("3.5"), std::optional<int16_t>(4));
  EXPECT_EQ(NumericId("-7"), std::optional<int16_t>(-7));
  for (const char* text : {"", " ", "Dir1", "12a", "40000", "-", "."}) EXPECT_EQ(NumericId(text), std::nullopt) << text;
}

// A window built from plain strings, one control of every kind the walk distinguishes.
struct TestWindow {
  std::string title = "design title", window_tag = "9999";  // 9999: not in the table
  std::string label_caption = "Label1", label_tag = "2051", label_tip = "2000";
  std::string continued_caption = "lblStep", continued_tag = "3001";
  std::string missing_caption = "keep me", missing_tag = "4242";
  std::string plain_caption = "plain", plain_tag = "not a number";
  std::string picture_tag = "1000";
  std::string menu_caption = "Dir1", menu_tag;
  std::string numeric_menu = "101";
  std::string tab_caption = "tab", tab_tag = "2000", tab_tip = "2002";
  std::string tool_tip = "tool", button_tag = "103";
  std::string header = "column", header_tag = "1000";
  std::string after_caption = "after", after_tag = "104";

  FormTexts Describe() {
    FormTexts texts{&title, &window_tag, {}};
    texts.controls = {
        {"Label", &label_caption, &label_tag, &label_tip, {}},
        {"Label", &continued_caption, &continued_tag, nullptr, {}},
        {"Label", &missing_caption, &missing_tag, nullptr, {}},
        {"CommandButton", &plain_caption, &plain_tag, nullptr, {}},
        {"PictureBox", nullptr, &picture_tag, nullptr, {}},
        {"Menu", &menu_caption, &menu_tag, nullptr, {}},
        {"Menu", &numeric_menu, nullptr, nullptr, {}},
        {"TabStrip", nullptr, nullptr, nullptr, {{"Tab", &tab_caption, &tab_tag, &tab_tip, {}}}},
        {"Toolbar", nullptr, nullptr, nullptr, {{"Button", nullptr, &button_tag, &tool_tip, {}}}},
        {"ListView", nullptr, nullptr, nullptr, {{"ColumnHeader", &header, &header_tag, nullptr, {}}}},
        {"Label", &after_caption, &after_tag, nullptr, {}},
    };
    return texts;
  }
};

TEST(ApplyResourceTexts, ReplacesWhatNamesAnIdAndSkipsEveryFailure) {
  TestWindow w;
  FormTexts texts = w.Describe();
  ApplyResourceTexts(texts);
  EXPECT_EQ(w.title, "design title") << "the window's tag names a missing id";
  EXPECT_EQ(w.label_caption, "Create empty configuration");
  EXPECT_EQ(w.label_tip, "Step 1") << "a numeric tool-tip is replaced too";
  EXPECT_EQ(w.continued_caption,
            "The ??? Wizard is finished collecting information.\r\n\r\nTo build your ???, press Finish!");
  EXPECT_EQ(w.missing_caption, "keep me");
  EXPECT_EQ(w.plain_caption, "plain");
  EXPECT_EQ(w.menu_caption, "Dir1");
  EXPECT_EQ(w.numeric_menu, "Cancel") << "a menu item's id is its caption";
  EXPECT_EQ(w.tab_caption, "Step 1");
  EXPECT_EQ(w.tab_tip, "Step 2");
  EXPECT_EQ(w.tool_tip, "&Next >") << "a toolbar button's tag replaces its tool-tip";
  EXPECT_EQ(w.header, "Introduction");
  EXPECT_EQ(w.after_caption, "&Finish") << "the walk goes on after every failure";
}

TEST(ApplyResourceTexts, ANumericWindowTagSetsTheTitle) {
  TestWindow w;
  w.window_tag = "2002";
  FormTexts texts = w.Describe();
  ApplyResourceTexts(texts);
  EXPECT_EQ(w.title, "Step 2");
}

}  // namespace
}  // namespace kgh::test
