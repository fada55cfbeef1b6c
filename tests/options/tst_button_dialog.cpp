// The button properties dialog on its own: what it shows for a preset button, how it checks
// the input, and which addresses its two browse buttons make of a chosen file.
#include <gtest/gtest.h>

#include "OptionsFakes.h"

namespace kgh::test {
namespace {

const std::string kMark = "\xC2\xB7\xC2\xB7\xC2\xB7";

class ButtonDialog : public ::testing::Test {
 protected:
  OptionsFixture fx;
  dlgButton dialog{fx.Windows()};

  std::string SelectedKind() const {
    const int index = dialog.cmbType.list_index;
    return index < 0 ? "" : dialog.cmbType.items[static_cast<std::size_t>(index)].text;
  }
  void Pick(ButtonTypeId type) {
    for (std::size_t i = 0; i < dialog.cmbType.items.size(); ++i)
      if (dialog.cmbType.items[i].item_data == type) dialog.cmbType.list_index = static_cast<int>(i);
    dialog.cmbType_Click();
  }
  // "+" enabled / "-" disabled for caption, URL, bitmap, page browse, bitmap browse; then the
  // labels' colour.
  std::string EnabledState() const {
    std::string s;
    for (const forms::Control* c : std::initializer_list<const forms::Control*>{
             &dialog.txtCaption, &dialog.txtURL, &dialog.txtBitmap, &dialog.cmdBrowse, &dialog.cmdBrowseBitmap})
      s += c->enabled ? '+' : '-';
    for (const forms::Label& label : dialog.lblCaption) s += label.color == forms::TextColor::GrayText ? 'g' : 'n';
    return s;
  }
};

TEST_F(ButtonDialog, ANewButtonStartsAsAnEmptyUserButton) {
  dialog.StartAddNew();
  EXPECT_EQ(SelectedKind(), "User (URL) button");
  EXPECT_EQ(EnabledState(), "+++++nnn");
  EXPECT_EQ(dialog.txtCaption.text + dialog.txtURL.text + dialog.txtBitmap.text, "");
  EXPECT_FALSE(dialog.Confirmed);
}

TEST_F(ButtonDialog, OkChecksCaptionThenUrlAndKeepsTheDialogOpen) {
  struct Case {
    const char* caption;
    const char* url;
    const char* message;
    MessageIcon icon;
  };
  const Case cases[] = {
      {"", "", "Please enter button's caption", MessageIcon::Critical},
      {"", "news.htm", "Please enter button's caption", MessageIcon::Critical},
      {"News", "", "Please enter destination URL for this button", MessageIcon::None},
      {" ", "", "Please enter destination URL for this button", MessageIcon::None},  // blanks are text
  };
  for (const Case& c : cases) {
    OptionsFixture local;
    dlgButton d(local.Native());
    d.StartAddNew();
    d.txtCaption.text = c.caption;
    d.txtURL.text = c.url;
    d.OKButton_Click();
    ASSERT_EQ(local.messages.shown.size(), 1u) << c.caption << "/" << c.url;
    EXPECT_EQ(local.messages.shown[0].text, c.message);
    EXPECT_EQ(local.messages.shown[0].icon, c.icon);
    EXPECT_EQ(local.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(local.messages.shown[0].title, "Pallix Setup");
    EXPECT_FALSE(d.unloaded);
    EXPECT_FALSE(d.Confirmed);
    EXPECT_EQ(d.txtCaption.text, c.caption) << "input stays as typed";
    EXPECT_EQ(d.ButtonCaption, "");
  }
}

TEST_F(ButtonDialog, ACompleteUserButtonIsConfirmedWithItsTexts) {
  dialog.StartAddNew();
  dialog.txtCaption.text = "News";
  dialog.txtURL.text = "news.htm";
  bool closed = false;
  dialog.on_closed = [&closed] { closed = true; };
  dialog.OKButton_Click();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(dialog.Confirmed);
  EXPECT_EQ(dialog.ButtonType, kUserButton);
  EXPECT_EQ(dialog.ButtonCaption, "News");
  EXPECT_EQ(dialog.ButtonURL, "news.htm");
  EXPECT_EQ(dialog.ButtonBitmap, "");
}

TEST_F(ButtonDialog, AStandardButtonShowsNoTextsAndKeepsTheCallersFields) {
  dialog.ButtonType = 4;
  dialog.ButtonCaption = "kept";
  dialog.ButtonURL = "kept.htm";
  dialog.Start();
  EXPECT_EQ(SelectedKind(), "Refresh button");
  EXPECT_EQ(EnabledState(), "----+ggg");
  EXPECT_EQ(dialog.txtCaption.text, "");
  dialog.OKButton_Click();
  EXPECT_TRUE(dialog.Confirmed);
  EXPECT_EQ(dialog.ButtonType, 4);
  EXPECT_EQ(dialog.ButtonCaption, "kept");
  EXPECT_EQ(dialog.ButtonURL, "kept.htm");
}

TEST_F(ButtonDialog, ASubEntryShowsItsMarkAndComesBackUnchanged) {
  dialog.ButtonType = kUserButton;
  dialog.ButtonCaption = kMark + "Docs";
  dialog.ButtonURL = "docs.htm";
  dialog.Start();
  EXPECT_EQ(dialog.txtCaption.text, kMark + "Docs");
  dialog.OKButton_Click();
  EXPECT_EQ(dialog.ButtonCaption, kMark + "Docs");
  EXPECT_EQ(dialog.ButtonURL, "docs.htm");
}

TEST_F(ButtonDialog, SwitchingKindsKeepsTheTypedTexts) {
  dialog.ButtonType = kUserButton;
  dialog.ButtonCaption = "News";
  dialog.ButtonURL = "news.htm";
  dialog.ButtonBitmap = "news.bmp";
  dialog.Start();
  Pick(kSeparatorButton);
  EXPECT_EQ(EnabledState(), "----+ggg");
  Pick(kUserButton);
  EXPECT_EQ(EnabledState(), "+++++nnn");
  EXPECT_EQ(dialog.txtCaption.text, "News");
  EXPECT_EQ(dialog.txtURL.text, "news.htm");
  EXPECT_EQ(dialog.txtBitmap.text, "news.bmp");

  Pick(kSeparatorButton);
  dialog.OKButton_Click();
  EXPECT_EQ(dialog.ButtonType, kSeparatorButton);
}

TEST_F(ButtonDialog, AnUnknownKindSelectsNothingAndOkWaitsForAChoice) {
  dialog.ButtonType = 0;
  dialog.Start();
  EXPECT_EQ(SelectedKind(), "");
  EXPECT_EQ(EnabledState(), "+++++nnn") << "the design state";
  dialog.OKButton_Click();
  EXPECT_FALSE(dialog.unloaded);
  EXPECT_TRUE(fx.messages.shown.empty());
  Pick(2);
  dialog.OKButton_Click();
  EXPECT_TRUE(dialog.Confirmed);
  EXPECT_EQ(dialog.ButtonType, 2);
}

TEST_F(ButtonDialog, CancelAndTheWindowFrameConfirmNothing) {
  for (bool by_frame : {false, true}) {
    dlgButton d(fx.Windows());
    d.ButtonType = kUserButton;
    d.ButtonCaption = "A";
    d.Start();
    d.txtCaption.text = "B";
    by_frame ? d.Form_QueryUnload() : d.CancelButton_Click();
    EXPECT_TRUE(d.unloaded);
    EXPECT_FALSE(d.Confirmed);
    EXPECT_EQ(d.ButtonCaption, "A");
  }
}

TEST_F(ButtonDialog, ThePageButtonMakesAnAddressRelativeToTheRoot) {
  const struct {
    const char* server;
    const char* file;
    const char* url;
  } cases[] = {
      {"intranet:8080", "C:\\Web\\pages\\a.htm", "http://intranet:8080/pages/a.htm"},
      {"", "C:\\Web\\pages\\a.htm", "pages/a.htm"},
      {"intranet", "D:\\pages\\a.htm", "http://intranet/"},
      {"", "", "before.htm"},  // cancelled
  };
  for (const auto& c : cases) {
    OptionsFixture local;
    dlgButton d(local.Windows());
    d.RootDir = "C:\\Web";
    d.DefServer = c.server;
    d.StartAddNew();
    d.txtURL.text = "before.htm";
    local.files.choices = {c.file};
    d.cmdBrowse_Click();
    EXPECT_EQ(d.txtURL.text, c.url) << c.file;
    EXPECT_EQ(local.host.focus_requests.back(), "txtURL");
    const FileDialogRequest& request = local.files.requests.at(0);
    EXPECT_EQ(request.title, "Select start page");
    EXPECT_EQ(request.description, "ASP / HTML pages");
    EXPECT_EQ(request.extensions, "htm;*.asp;*.aspx;*.php");
    EXPECT_EQ(request.initial_dir, "C:\\Web");
    EXPECT_FALSE(request.save_mode);
  }
}

TEST_F(ButtonDialog, TheBitmapButtonPrefersTheRootThenTheConfigurationFolderThenTheFullPath) {
  const struct {
    const char* server;
    const char* file;
    const char* bitmap;
  } cases[] = {
      {"", "C:\\Web\\img\\b.bmp", "img/b.bmp"},
      {"intranet", "C:\\Web\\img\\b.bmp", "http://intranet/img/b.bmp"},
      {"", "D:\\Cfg\\img\\b.bmp", "img\\b.bmp"},
      {"intranet", "D:\\Cfg\\img\\b.bmp", "img\\b.bmp"},
      {"", "E:\\x.bmp", "E:\\x.bmp"},
  };
  for (const auto& c : cases) {
    OptionsFixture local;
    dlgButton d(local.Windows());
    d.RootDir = "C:\\Web";
    d.ConfigDir = "D:\\Cfg";
    d.DefServer = c.server;
    d.StartAddNew();
    local.files.choices = {c.file};
    d.cmdBrowseBitmap_Click();
    EXPECT_EQ(d.txtBitmap.text, c.bitmap) << c.file;
    const FileDialogRequest& request = local.files.requests.at(0);
    EXPECT_EQ(request.title, "Select BMP file");
    EXPECT_EQ(request.description, "BMP files ");
    EXPECT_EQ(request.extensions, "bmp");
    EXPECT_EQ(request.initial_dir, "C:\\Web");
  }
}

TEST_F(ButtonDialog, FocusRequestsGoOnlyToEnabledBoxes) {
  dialog.RootDir = "C:\\Web";
  dialog.ButtonType = 4;
  dialog.Start();
  fx.files.choices = {"C:\\Web\\b.bmp"};
  dialog.cmdBrowseBitmap_Click();
  EXPECT_EQ(dialog.txtBitmap.text, "b.bmp") << "the bitmap button works for every kind";
  EXPECT_TRUE(fx.host.focus_requests.empty()) << "the disabled bitmap box cannot take the focus";

  dialog.txtURL.text = std::string(2000, 'u');
  dialog.txtURL_GotFocus();
  EXPECT_EQ(dialog.txtURL.sel_length, 1024u);
  dialog.txtCaption.text = "News";
  dialog.txtCaption_GotFocus();
  EXPECT_EQ(dialog.txtCaption.sel_length, 4u);
}

}  // namespace
}  // namespace kgh::test
