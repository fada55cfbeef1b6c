#include "options/dlgButton.h"

#include "config/ConfigFormat.h"
#include "options/OptionsDialogHost.h"
#include "options/PageAddress.h"
#include "options/TextSelection.h"

namespace kgh {
namespace {

void Name(forms::Control& control, const char* name) { control.name = name; }

}  // namespace

dlgButton::dlgButton(OptionsServices services) : EntryDialog(std::move(services)) {
  const char* headers[] = {"Type of the button", "Custom properties"};
  for (std::size_t i = 0; i < Label1.size(); ++i) {
    Label1[i].name = "Label1(" + std::to_string(i) + ")";
    Label1[i].caption = headers[i];
  }
  const char* captions[] = {"&Caption:", "&Bitmap URL:", "&Destination URL:"};
  for (std::size_t i = 0; i < lblCaption.size(); ++i) {
    lblCaption[i].name = "lblCaption(" + std::to_string(i) + ")";
    lblCaption[i].caption = captions[i];
  }
  Name(cmbType, "cmbType");
  Name(txtCaption, "txtCaption");
  Name(txtURL, "txtURL");
  Name(txtBitmap, "txtBitmap");
  Name(cmdBrowse, "cmdBrowse");
  Name(cmdBrowseBitmap, "cmdBrowseBitmap");
  Name(Line1, "Line1");
  Name(Label3, "Label3");
  Label3.caption =
      "The button image must be bitmap 32x32 or 24x24. The URL should be relative to the home page or absolute URL";
  Label3.color = forms::TextColor::GrayText;
  Name(OKButton, "OKButton");
  OKButton.caption = "OK";
  Name(CancelButton, "CancelButton");
  CancelButton.caption = "Cancel";
}

void dlgButton::FillTypeList() {
  const CButtons buttons;
  cmbType.items.clear();
  cmbType.list_index = -1;
  for (ButtonTypeId id = 1; id <= CButtons::MaxButtonTypes; ++id)
    cmbType.items.push_back({buttons.ButtonTypeName(id), id});
}

void dlgButton::Start() {
  FillTypeList();
  SelectFirstWhere([this](const forms::ComboItem& item) { return item.item_data == ButtonType; });
  if (ButtonType != kUserButton) return;  // other kinds leave the boxes empty
  txtCaption.text = ButtonCaption;
  txtURL.text = ButtonURL;
  txtBitmap.text = ButtonBitmap;
}

void dlgButton::StartAddNew() {
  FillTypeList();
  const std::string user = CButtons().ButtonTypeName(kUserButton);
  SelectFirstWhere([&user](const forms::ComboItem& item) { return item.text == user; });
  Confirmed = false;
  // The dialog is not shown yet, so this request fails; the focus starts on cmbType.
  SafeSetFocus(txtCaption);
}

void dlgButton::SelectFirstWhere(const std::function<bool(const forms::ComboItem&)>& matches) {
  for (std::size_t i = 0; i < cmbType.items.size(); ++i) {
    if (!matches(cmbType.items[i])) continue;
    cmbType.list_index = static_cast<int>(i);
    cmbType_Click();
    return;
  }
}

ButtonTypeId dlgButton::SelectedType() const {
  const int index = cmbType.list_index;
  if (index < 0 || static_cast<std::size_t>(index) >= cmbType.items.size()) return 0;
  return cmbType.items[static_cast<std::size_t>(index)].item_data;
}

void dlgButton::cmbType_Click() {
  const bool user = SelectedType() == kUserButton;
  txtBitmap.enabled = txtURL.enabled = txtCaption.enabled = cmdBrowse.enabled = user;
  // The bitmap browse button stays enabled for every kind; texts are never cleared, so
  // switching kinds back and forth keeps what the user typed.
  for (forms::Label& label : lblCaption) label.color = user ? forms::TextColor::WindowText : forms::TextColor::GrayText;
}

std::string dlgButton::ChooseFile(const char* title, const char* description, const char* extensions) {
  if (services_.file_dialogs == nullptr) return {};
  FileDialogRequest request;
  request.title = title;
  request.description = description;
  request.extensions = extensions;
  request.initial_dir = RootDir;
  request.save_mode = false;
  return services_.file_dialogs->ShowFileDialog(request);
}

void dlgButton::cmdBrowse_Click() {
  const std::string file = ChooseFile("Select start page", "ASP / HTML pages", "htm;*.asp;*.aspx;*.php");
  if (!file.empty()) txtURL.text = PageAddressFor(RootDir, file, DefServer, services_.flavour);
  SafeSetFocus(txtURL);
}

// Below the root a bitmap is an address like a page; otherwise a path relative to the
// configuration's folder (as the browser resolves it, separators kept); otherwise the full path.
std::string dlgButton::BitmapAddressFor(const std::string& file) const {
  const std::string relative = MakeRelativePath(RootDir, file, services_.flavour);
  if (!relative.empty()) return AddressOnServer(DefServer, WithUrlSeparators(relative));
  std::string beside_config = MakeRelativePath(ConfigDir, file, services_.flavour);
  return beside_config.empty() ? file : beside_config;
}

void dlgButton::cmdBrowseBitmap_Click() {
  const std::string file = ChooseFile("Select BMP file", "BMP files ", "bmp");
  if (!file.empty()) txtBitmap.text = BitmapAddressFor(file);
  SafeSetFocus(txtBitmap);
}

// The first box whose text the file cannot hold as typed gets the focus and the reason. A
// sub-entry's URL is held to a button's rules: outdenting it makes it a button's URL.
bool dlgButton::RefuseUnstorableTexts() {
  const bool sub_entry = HasSubEntryMark(txtCaption.text);
  const struct {
    const forms::TextBox& box;
    TypedText kind;
    std::string text;
  } checks[] = {
      {txtCaption, sub_entry ? TypedText::SubEntryCaption : TypedText::ButtonCaption,
       WithoutSubEntryMark(txtCaption.text)},
      {txtURL, TypedText::ButtonUrl, txtURL.text},
      {txtBitmap, TypedText::BitmapAddress, txtBitmap.text},
  };
  for (const auto& check : checks) {
    if (!RefusedAsTyped(services_, check.kind, check.text)) continue;
    SafeSetFocus(check.box);
    return true;
  }
  return false;
}

void dlgButton::OKButton_Click() {
  const ButtonTypeId type = SelectedType();
  if (type == 0) return;  // no kind chosen yet: OK is ignored
  if (type == kUserButton) {
    if (txtCaption.text.empty()) {
      AskUser(services_, MessageRequest::Refusal("Please enter button's caption", MessageIcon::Critical));
      return;
    }
    if (txtURL.text.empty()) {
      AskUser(services_, MessageRequest::Refusal("Please enter destination URL for this button", MessageIcon::None));
      return;
    }
    if (RefuseUnstorableTexts()) return;
    ButtonCaption = txtCaption.text;
    ButtonURL = txtURL.text;
    ButtonBitmap = txtBitmap.text;
  }
  ButtonType = type;
  CloseConfirmed();
}

void dlgButton::CancelButton_Click() { CloseCancelled(); }

void dlgButton::Form_QueryUnload() { CloseCancelled(); }

void dlgButton::txtCaption_GotFocus() { txtCaption.Select(0, kAddressSelectionLength); }
void dlgButton::txtURL_GotFocus() { txtURL.Select(0, kAddressSelectionLength); }
void dlgButton::txtBitmap_GotFocus() { txtBitmap.Select(0, kAddressSelectionLength); }

void dlgButton::ShowOn(OptionsDialogHost& host) { host.ShowModal(*this); }

}  // namespace kgh
