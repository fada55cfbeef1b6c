// Every box a user types into, fed hostile texts: a text either comes back exactly as typed when
// the file is opened again, or the dialog that got it says why, stays open with the text in place
// and the focus on its box, and the file is left as it was.
#include "OptionsFakes.h"

namespace kgh::test {
namespace {

const std::vector<std::string> kStartFile = {"[Browser]", "Homepage=http://h/", "[Toolbar]", "Back=1",
                                             "User1=http://a/", "[User1]", "Caption=A", "Bitmap=", "[Domains]",
                                             "mailto:"};
const std::vector<std::string> kHostile = {"http://plain/", " lead", "trail ", "   ", "\"quoted\"", "'single'", "a=b",
                                           "a = b", ";semi", "[Evil]", "  [Evil]", "[open", "a\rb", "a\nb",
                                           "a\r\n[Evil]", std::string("a\0b", 3)};
enum Box { kHome, kError, kServer, kRoot, kCaption, kSubEntry, kUrl, kBitmap, kDomain };

class TypedValues : public OptionsTest {
 protected:
  // Types `text` into `box` of a dialog opened on kStartFile and confirms. A dialog that refuses
  // must stay open with the text in place; it is then cancelled, and the control it focused is
  // returned. "" when the text was taken and the file saved.
  std::string TypeAndConfirm(Box box, const std::string& text) {
    auto form = OpenWith(kStartFile);
    std::string focused;
    if (box == kDomain) {
      host.domain_scripts = {[&](dlgDomain& d) {
        ConfirmDomain(text)(d);
        if (d.Confirmed) return;
        EXPECT_EQ(d.cmbDomain.text, text);
        focused = host.focus_requests.back(), d.CancelButton_Click();
      }};
      form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
    } else if (box >= kCaption) {
      // Below the user button A, a marked caption makes the new row a sub-entry of A.
      const ToolbarEntry typed{kUserButton, box == kCaption ? text : box == kSubEntry ? kMark + text : "C",
                               box == kUrl ? text : "http://u/", box == kBitmap ? text : ""};
      host.button_scripts = {[&](dlgButton& d) {
        ConfirmButton(typed.caption, typed.url, typed.image)(d);
        if (d.Confirmed) return;
        EXPECT_EQ((ToolbarEntry{kUserButton, d.txtCaption.text, d.txtURL.text, d.txtBitmap.text}), typed);
        focused = host.focus_requests.back(), d.CancelButton_Click();
      }};
      form->cmdButtonOp_Click(Op::kAddButton);
    } else {
      forms::TextBox* boxes[] = {&form->txtHome, &form->txtError, &form->txtServer, &form->txtRoot};
      boxes[box]->text = text, form->cmdOK_Click();
      EXPECT_EQ(boxes[box]->text, text);
      return form->unloaded ? "" : host.focus_requests.back();
    }
    if (focused.empty()) form->cmdOK_Click();
    return focused;
  }
};

TEST_F(TypedValues, ComeBackAsTypedOrAreRefusedWithTheReason) {
  // refuses, per kHostile text: "x" refused, "-" comes back as typed.
  const struct { Box box; const char* control; TypedText kind; const char* refuses; } boxes[] = {
      {kHome, "txtHome", TypedText::PageAddress, "------------xxxx"},
      {kError, "txtError", TypedText::PageAddress, "------------xxxx"},
      {kServer, "txtServer", TypedText::DefaultServer, "------------xxxx"},
      {kRoot, "txtRoot", TypedText::RootDirectory, "------------xxxx"},
      {kCaption, "txtCaption", TypedText::ButtonCaption, "------------xxxx"},
      {kSubEntry, "txtCaption", TypedText::SubEntryCaption, "--xx--xx----xxxx"},
      {kUrl, "txtURL", TypedText::ButtonUrl, "-xxx------x-xxxx"},
      {kBitmap, "txtBitmap", TypedText::BitmapAddress, "------------xxxx"},
      {kDomain, "cmbDomain", TypedText::DomainEntry, "-xxx---xxxx-xxxx"},
  };
  for (const auto& b : boxes) {
    for (std::size_t i = 0; i < kHostile.size(); ++i) {
      const std::string& text = kHostile[i];
      SCOPED_TRACE(std::string(b.control) + " [" + text + "]" + (b.box == kSubEntry ? " sub-entry" : ""));
      messages.shown.clear();
      const std::string focused = TypeAndConfirm(b.box, text);
      EXPECT_EQ(focused, b.refuses[i] == 'x' ? b.control : "");
      if (focused.empty()) {
        EXPECT_TRUE(messages.shown.empty());
        // The text the box shows when the file is opened again.
        auto form = Open();
        const ToolbarEntry& row = form->lstButtons.rows.back();
        const std::string shown[] = {form->txtHome.text, form->txtError.text, Remembered().default_server,
                                     Remembered().default_root, row.caption, WithoutSubEntryMark(row.caption),
                                     row.url, row.image, form->lstDomains.items.back()};
        EXPECT_EQ(row.IsSubEntry(), b.box == kSubEntry);
        EXPECT_EQ(shown[b.box], text);
        continue;
      }
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, WhyNotStoredAsTyped(b.kind, text));
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
      EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
      EXPECT_EQ(messages.shown[0].intent, MessageIntent::Refusal);
      EXPECT_EQ(File(), IniText(kStartFile));
    }
  }
}

}  // namespace
}  // namespace kgh::test
