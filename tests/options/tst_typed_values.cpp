// Every box a user types into, fed hostile texts: a text either comes back exactly as typed when
// the file is opened again, or the dialog says why and stays open with the text in place. No
// text ever gives the file a section it should not have.
#include <gtest/gtest.h>

#include <set>

#include "OptionsFakes.h"
#include "config/CIniFile2.h"
#include "config/IniSyntax.h"

namespace kgh::test {
namespace {

using Op = frmOrvexOptions::ButtonOp;
const std::string kMark = "\xC2\xB7\xC2\xB7\xC2\xB7";

const std::string kStartFile = IniText({"[Browser]", "Homepage=http://h/", "[Toolbar]", "Back=1", "User1=http://a/",
                                        "[User1]", "Caption=A", "Bitmap=", "[Domains]", "mailto:"});
const std::set<std::string> kSections = {"Browser", "Toolbar", "User1", "User2", "Domains", "PrivateData"};

const std::vector<std::string> kHostile = {
    "http://plain/", " lead", "trail ", "   ", "\"quoted\"", "'single'", "a=b", "a = b", ";semi", "[Evil]",
    "  [Evil]", "[open", "a\rb", "a\nb", "a\r\n[Evil]", std::string("a\0b", 3),
};
// Which of kHostile a box refuses, "x" for refused; the rest must come back as typed.
const std::string kValueRefuses = "------------xxxx";
const std::string kUrlRefuses = "-xxx------x-xxxx";
const std::string kSubEntryRefuses = "--xx--xx----xxxx";
const std::string kDomainRefuses = "-xxx---xxxx-xxxx";

class TypedValues : public OptionsDialogTest {
 protected:
  std::set<std::string> Headers() {
    std::set<std::string> headers;
    const std::string bytes = ReadBytes(path);
    for (std::size_t pos = 0; pos < bytes.size();) {
      const std::size_t end = std::min(bytes.find("\r\n", pos), bytes.size());
      const IniLineView line = ReadIniLine(std::string_view(bytes).substr(pos, end - pos), pos == 0);
      if (line.kind == IniLineKind::Header) headers.emplace(line.name);
      pos = end + 2;
    }
    return headers;
  }

  // The one message the dialog showed: the reason, as a warning with OK.
  void ExpectWarned(const std::string& why) {
    ASSERT_EQ(fx.messages.shown.size(), 1u);
    EXPECT_EQ(fx.messages.shown[0].text, why);
    EXPECT_EQ(fx.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fx.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fx.messages.shown[0].title, "Pallix Setup");
  }

  void ExpectFocusLastOn(const std::string& control) {
    ASSERT_FALSE(fx.host.focus_requests.empty());
    EXPECT_EQ(fx.host.focus_requests.back(), control);
  }

  // Saves, checks the sections and opens the file again.
  std::unique_ptr<frmOrvexOptions> SaveAndReopen(frmOrvexOptions& form) {
    form.cmdOK_Click();
    EXPECT_TRUE(form.unloaded);
    for (const std::string& header : Headers()) EXPECT_TRUE(kSections.count(header)) << header;
    return Open();
  }

  void Reset() {
    fx.messages.shown.clear();
    fx.host.focus_requests.clear();
  }
};

std::string Trace(const std::string& box, const std::string& text) { return box + " [" + text + "]"; }

TEST_F(TypedValues, TheGeneralPageBoxes) {
  const struct {
    forms::TextBox frmOrvexOptions::*box;
    const char* name;
    TypedText kind;
  } boxes[] = {
      {&frmOrvexOptions::txtHome, "txtHome", TypedText::PageAddress},
      {&frmOrvexOptions::txtError, "txtError", TypedText::PageAddress},
      {&frmOrvexOptions::txtServer, "txtServer", TypedText::DefaultServer},
      {&frmOrvexOptions::txtRoot, "txtRoot", TypedText::RootDirectory},
  };
  for (const auto& box : boxes) {
    for (std::size_t i = 0; i < kHostile.size(); ++i) {
      const std::string& text = kHostile[i];
      SCOPED_TRACE(Trace(box.name, text));
      Reset();
      auto form = OpenWith(kStartFile);
      form->tbsOptions.selected = frmOrvexOptions::kToolbarPage;
      form->tbsOptions_Click();
      ((*form).*box.box).text = text;
      form->cmdOK_Click();
      if (kValueRefuses[i] == 'x') {
        ExpectWarned(WhyNotStoredAsTyped(box.kind, text));
        EXPECT_FALSE(form->unloaded);
        EXPECT_EQ(((*form).*box.box).text, text);
        EXPECT_EQ(form->tbsOptions.selected, frmOrvexOptions::kGeneralPage) << "the page with the box is shown";
        EXPECT_TRUE(form->picOptions[frmOrvexOptions::kGeneralPage].visible);
        ExpectFocusLastOn(box.name);
        EXPECT_EQ(ReadBytes(path), kStartFile);
        continue;
      }
      EXPECT_TRUE(fx.messages.shown.empty());
      EXPECT_TRUE(form->unloaded);
      for (const std::string& header : Headers()) EXPECT_TRUE(kSections.count(header)) << header;
      CIniFile2 ini;
      ini.INIFile = path;
      const BrowserSettings pages = ReadBrowserSettings(ini);
      const PrivateData data = ReadPrivateData(ini);
      const std::string read_back[] = {pages.home_page, pages.error_page, data.default_server, data.default_root};
      EXPECT_EQ(read_back[&box - boxes], text);
      if (box.kind == TypedText::PageAddress) {
        EXPECT_EQ(((*Open()).*box.box).text, text) << "a dialog opened anew shows it";
      }
    }
  }
}

TEST_F(TypedValues, TheButtonDialogBoxes) {
  enum Field { kCaption, kSubEntry, kUrl, kBitmap };
  const struct {
    Field field;
    const char* name;
    const std::string& refuses;
    TypedText kind;
  } fields[] = {
      {kCaption, "txtCaption", kValueRefuses, TypedText::ButtonCaption},
      {kSubEntry, "txtCaption", kSubEntryRefuses, TypedText::SubEntryCaption},
      {kUrl, "txtURL", kUrlRefuses, TypedText::ButtonUrl},
      {kBitmap, "txtBitmap", kValueRefuses, TypedText::BitmapAddress},
  };
  for (const auto& field : fields) {
    for (std::size_t i = 0; i < kHostile.size(); ++i) {
      const std::string& text = kHostile[i];
      SCOPED_TRACE(Trace(field.name, text) + (field.field == kSubEntry ? " sub-entry" : ""));
      Reset();
      auto form = OpenWith(kStartFile);
      // Below the user button A, a marked caption makes the new row a sub-entry of A.
      const ToolbarEntry typed{kUserButton, field.field == kCaption ? text : field.field == kSubEntry ? kMark + text : "C",
                               field.field == kUrl ? text : "http://u/", field.field == kBitmap ? text : field.field == kSubEntry ? "" : "b.bmp"};
      bool refused = false;
      fx.host.button_scripts.push_back([&](dlgButton& dialog) {
        ConfirmUserButton(typed.caption, typed.url, typed.image)(dialog);
        refused = !dialog.unloaded;
        if (!refused) return;
        EXPECT_FALSE(dialog.Confirmed);
        EXPECT_EQ(dialog.txtCaption.text + "|" + dialog.txtURL.text + "|" + dialog.txtBitmap.text,
                  typed.caption + "|" + typed.url + "|" + typed.image);
        ExpectFocusLastOn(field.name);
        dialog.CancelButton_Click();
      });
      form->cmdButtonOp_Click(Op::kAddButton);
      EXPECT_EQ(refused, field.refuses[i] == 'x');
      if (refused) {
        ExpectWarned(WhyNotStoredAsTyped(field.kind, text));
      } else {
        EXPECT_TRUE(fx.messages.shown.empty());
      }
      const std::vector<ToolbarEntry> rows = SaveAndReopen(*form)->lstButtons.rows;
      ASSERT_EQ(rows.size(), refused ? 2u : 3u);
      if (!refused) {
        EXPECT_EQ(rows.back(), typed);
      }
    }
  }
}

TEST_F(TypedValues, TheDomainDialogBox) {
  for (std::size_t i = 0; i < kHostile.size(); ++i) {
    const std::string& text = kHostile[i];
    SCOPED_TRACE(Trace("cmbDomain", text));
    Reset();
    auto form = OpenWith(kStartFile);
    bool refused = false;
    fx.host.domain_scripts.push_back([&](dlgDomain& dialog) {
      TypeDomainAndConfirm(text)(dialog);
      refused = !dialog.hidden;
      if (!refused) return;
      EXPECT_FALSE(dialog.Confirmed());
      EXPECT_EQ(dialog.cmbDomain.text, text);
      ExpectFocusLastOn("cmbDomain");
      dialog.CancelButton_Click();
    });
    form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
    EXPECT_EQ(refused, kDomainRefuses[i] == 'x');
    if (refused) {
      ExpectWarned(WhyNotStoredAsTyped(TypedText::DomainEntry, text));
    } else {
      EXPECT_TRUE(fx.messages.shown.empty());
    }
    const std::vector<std::string> expected =
        refused ? std::vector<std::string>{"mailto:"} : std::vector<std::string>{"mailto:", text};
    EXPECT_EQ(SaveAndReopen(*form)->lstDomains.items, expected);
  }
}

TEST_F(TypedValues, ACaptionThatCannotBeASubEntryKeyIsNotIndented) {
  auto form = OpenWith(kStartFile);
  fx.host.button_scripts.push_back(ConfirmUserButton("a=b", "http://u/"));
  form->cmdButtonOp_Click(Op::kAddButton);
  form->cmdButtonOp_Click(Op::kIndentButton);
  ExpectWarned(WhyNotStoredAsTyped(TypedText::SubEntryCaption, "a=b"));
  EXPECT_EQ(form->lstButtons.rows.back().caption, "a=b") << "it stays a button, which can hold the caption";
  EXPECT_EQ(SaveAndReopen(*form)->lstButtons.rows.back(), UserButtonRow("a=b", "http://u/", ""));
}

TEST_F(TypedValues, AServerWithALineBreakIsNotCopiedIntoTheAddresses) {
  auto form = OpenWith(kStartFile, "", "h");
  form->txtServer.text = "x\r\n[Evil]";
  form->cmdChangeRoot_Click();  // no question is asked: the scripted answers are empty
  ExpectWarned(WhyNotStoredAsTyped(TypedText::DefaultServer, "x\r\n[Evil]"));
  ExpectFocusLastOn("txtServer");
  EXPECT_EQ(form->txtHome.text, "http://h/");
  EXPECT_EQ(form->DefServer(), "h");
}

}  // namespace
}  // namespace kgh::test
