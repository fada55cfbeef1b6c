// The "Allowed domains" page: the entries of [Domains], edited through dlgDomain.
#include "options/OptionsDialogHost.h"
#include "options/dlgDomain.h"
#include "options/frmOrvexOptions.h"

namespace kgh {

void frmOrvexOptions::InitDomainsPage() {
  lstDomains.name = "lstDomains";
  const char* captions[] = {"&Change...", "&Add...", "&Remove"};
  for (std::size_t i = 0; i < cmdDomainOp.size(); ++i) {
    cmdDomainOp[i].name = "cmdDomainOp(" + std::to_string(i) + ")";
    cmdDomainOp[i].caption = captions[i];
  }
}

void frmOrvexOptions::cmdDomainOp_Click(int Index) {
  switch (Index) {
    case kChangeDomain:
      ChangeDomainEntry();
      break;
    case kAddDomain:
      AddDomainEntry();
      break;
    case kRemoveDomain:
      RemoveDomainEntry();
      break;
    default:
      break;
  }
  SafeSetFocus(lstDomains);
}

void frmOrvexOptions::lstDomains_DblClick() { cmdDomainOp_Click(kChangeDomain); }

void frmOrvexOptions::ChangeDomainEntry() {
  const int index = lstDomains.list_index;
  if (index < 0 || static_cast<std::size_t>(index) >= lstDomains.items.size() || services_.host == nullptr) return;
  std::string& entry = lstDomains.items[static_cast<std::size_t>(index)];
  dlgDomain dialog(services_);
  if (dialog.Start(*services_.host, entry)) entry = dialog.SelectedText();
}

void frmOrvexOptions::AddDomainEntry() {
  if (services_.host == nullptr) return;
  dlgDomain dialog(services_);
  // The selection stays where it was.
  if (dialog.Start(*services_.host, "")) lstDomains.items.push_back(dialog.SelectedText());
}

void frmOrvexOptions::RemoveDomainEntry() {
  const int index = lstDomains.list_index;
  if (index < 0 || static_cast<std::size_t>(index) >= lstDomains.items.size()) return;
  auto& items = lstDomains.items;
  if (Ask("Remove '" + items[static_cast<std::size_t>(index)] + "' ?") != MessageAnswer::Yes) return;
  items.erase(items.begin() + index);
  // The entry before the removed one takes the selection; after the first, the new first.
  lstDomains.list_index = items.empty() ? -1 : (index > 0 ? index - 1 : 0);
}

}  // namespace kgh
