// The button properties dialog on its own: how OK checks the input, and what switching the kind
// does to the boxes.
#include "OptionsFakes.h"

namespace kgh::test {
namespace {

using ButtonDialog = OptionsTest;

// "+" enabled / "-" disabled for caption, URL, bitmap, page browse, bitmap browse; then the
// labels: "n" normal, "g" grey.
std::string Enabled(const dlgButton& d) {
  std::string s;
  for (bool enabled : {d.txtCaption.enabled, d.txtURL.enabled, d.txtBitmap.enabled, d.cmdBrowse.enabled,
                       d.cmdBrowseBitmap.enabled})
    s += enabled ? '+' : '-';
  for (const forms::Label& label : d.lblCaption) s += label.color == forms::TextColor::GrayText ? 'g' : 'n';
  return s;
}

TEST_F(ButtonDialog, OkChecksTheCaptionThenTheUrlAndKeepsTheDialogOpen) {
  const struct { const char *caption, *url, *message; MessageIcon icon; } cases[] = {
      {"", "", "Please enter button's caption", MessageIcon::Critical},
      {"", "news.htm", "Please enter button's caption", MessageIcon::Critical},
      {"News", "", "Please enter destination URL for this button", MessageIcon::None},
      {" ", "", "Please enter destination URL for this button", MessageIcon::None},  // blanks are text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.caption) + "/" + c.url);
    messages.shown.clear();
    dlgButton dialog(Services());
    dialog.StartAddNew();
    dialog.txtCaption.text = c.caption, dialog.txtURL.text = c.url;
    dialog.OKButton_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].icon, c.icon);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[0].title, "Pallix Setup");
    EXPECT_EQ(messages.shown[0].intent, MessageIntent::Refusal);
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_FALSE(dialog.Confirmed);
    EXPECT_EQ(dialog.txtCaption.text + "/" + dialog.txtURL.text, std::string(c.caption) + "/" + c.url);
  }
}

TEST_F(ButtonDialog, SwitchingKindsKeepsTheTypedTextsAndAnotherKindKeepsTheCallersFields) {
  dlgButton dialog(Services());
  dialog.StartAddNew();
  EXPECT_EQ(dialog.cmbType.items[static_cast<std::size_t>(dialog.cmbType.list_index)].text, "User (URL) button");
  EXPECT_EQ(Enabled(dialog), "+++++nnn");
  dialog.ButtonCaption = "kept", dialog.txtCaption.text = "News";
  dialog.txtURL.text = "news.htm", dialog.txtBitmap.text = "news.bmp";
  PickKind(dialog, kSeparatorButton);
  EXPECT_EQ(Enabled(dialog), "----+ggg") << "the bitmap button stays for every kind";
  PickKind(dialog, kUserButton);
  EXPECT_EQ(Enabled(dialog), "+++++nnn");
  EXPECT_EQ(dialog.txtCaption.text + "|" + dialog.txtURL.text + "|" + dialog.txtBitmap.text, "News|news.htm|news.bmp");

  PickKind(dialog, 4), dialog.OKButton_Click();
  EXPECT_TRUE(dialog.Confirmed);
  EXPECT_EQ(dialog.ButtonType, 4);
  EXPECT_EQ(dialog.ButtonCaption, "kept");
}

}  // namespace
}  // namespace kgh::test
