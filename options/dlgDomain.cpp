#include "options/dlgDomain.h"

#include <utility>

#include "config/ConfigFormat.h"

#include "options/OptionsDialogHost.h"
#include "options/TextSelection.h"

namespace kgh {

const std::array<const char*, 8> dlgDomain::kPresets = {
    "javascript:",     "mailto:",          "http://192.168.*.*",      "https://192.168.*.*",
    "http://10.*.*.*", "https://10.*.*.*", "http://<<localnetwork>>", "https://<<localnetwork>>",
};

dlgDomain::dlgDomain(OptionsServices services) : services_(std::move(services)) {
  Label1.name = "Label1";
  Label1.caption = "&Enter domain (such as http://somehost) or IP mask (such as 192.168.*.*)";
  cmbDomain.name = "cmbDomain";
  cmbDomain.editable = true;
  OKButton.name = "OKButton";
  OKButton.caption = "OK";
  CancelButton.name = "CancelButton";
  CancelButton.caption = "Cancel";
}

bool dlgDomain::Start(OptionsDialogHost& Parent, const std::string& InitText) {
  cmbDomain.items.clear();
  for (const char* preset : kPresets) cmbDomain.items.push_back({preset, 0});
  cmbDomain.list_index = -1;
  cmbDomain.text = InitText;
  confirmed_ = false;
  hidden = false;
  parent_ = &Parent;
  Parent.ShowDomainDialog(*this);
  parent_ = nullptr;
  return confirmed_;
}

void dlgDomain::OKButton_Click() {
  if (cmbDomain.text.empty()) return;  // an empty entry cannot be confirmed; no message
  if (const std::string why = WhyNotStoredAsTyped(TypedText::DomainEntry, cmbDomain.text); !why.empty()) {
    MessageRequest request;
    request.text = why;
    request.buttons = MessageButtons::Ok;
    request.icon = MessageIcon::Exclamation;
    AskUser(services_, request);
    SafeSetFocus(cmbDomain);
    return;
  }
  confirmed_ = true;
  hidden = true;
  EndModal();
}

void dlgDomain::CancelButton_Click() {
  unloaded = true;
  EndModal();
}

void dlgDomain::Form_QueryUnload() { CancelButton_Click(); }

void dlgDomain::cmbDomain_GotFocus() {
  cmbDomain.Select(0, kAddressSelectionLength);
}

void dlgDomain::SafeSetFocus(const forms::Control& control) {
  if (parent_ != nullptr) parent_->SetFocus(control);
}

void dlgDomain::EndModal() {
  if (on_closed) on_closed();
}

}  // namespace kgh
