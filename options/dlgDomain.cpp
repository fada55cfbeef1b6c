#include "options/dlgDomain.h"

#include <utility>

#include "options/OptionsDialogHost.h"
#include "options/TextSelection.h"

namespace kgh {

const std::array<const char*, 8> dlgDomain::kPresets = {
    "javascript:",     "mailto:",          "http://192.168.*.*",      "https://192.168.*.*",
    "http://10.*.*.*", "https://10.*.*.*", "http://<<localnetwork>>", "https://<<localnetwork>>",
};

dlgDomain::dlgDomain(OptionsServices services) : EntryDialog(std::move(services)) {
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
  Confirmed = false;
  return ShowModal(&Parent);
}

void dlgDomain::ShowOn(OptionsDialogHost& host) { host.ShowModal(*this); }

void dlgDomain::OKButton_Click() {
  if (cmbDomain.text.empty()) return;  // an empty entry cannot be confirmed; no message
  if (RefusedAsTyped(services_, TypedText::DomainEntry, cmbDomain.text)) {
    SafeSetFocus(cmbDomain);
    return;
  }
  CloseConfirmed();
}

void dlgDomain::CancelButton_Click() { CloseCancelled(); }

void dlgDomain::Form_QueryUnload() { CancelButton_Click(); }

void dlgDomain::cmbDomain_GotFocus() {
  cmbDomain.Select(0, kAddressSelectionLength);
}

}  // namespace kgh
