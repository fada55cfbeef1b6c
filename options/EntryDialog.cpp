#include "options/EntryDialog.h"

#include <utility>

#include "options/OptionsDialogHost.h"

namespace kgh {

EntryDialog::EntryDialog(OptionsServices services) : services_(std::move(services)) {}

bool EntryDialog::ShowModal(OptionsDialogHost* host) {
  if (host == nullptr) return false;
  services_.host = host;
  if (IsOpen()) ShowOn(*host);
  return Confirmed;
}

void EntryDialog::SafeSetFocus(const forms::Control& control) {
  if (!control.enabled || !control.visible || services_.host == nullptr) return;
  services_.host->SetFocus(control);
}

void EntryDialog::CloseConfirmed() {
  Confirmed = true;
  Close();
}

void EntryDialog::CloseCancelled() { Close(); }

void EntryDialog::Close() {
  if (closed_) return;
  closed_ = true;
  if (on_closed) on_closed();
}

}  // namespace kgh
