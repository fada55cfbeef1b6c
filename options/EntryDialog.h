#pragma once
// What the options dialog's two entry dialogs (a toolbar button, an allowed domain) share: how
// one is shown, how it closes, and where its focus requests go. The options dialog's host shows
// one modally until it closes; an entry dialog is shown once, and a new one is made for the next
// entry. OK closes it confirmed once the input is accepted; Cancel and the
// window frame close it unconfirmed. Its results stay readable after it closed.
#include <functional>

#include "forms/Controls.h"
#include "options/OptionsServices.h"

namespace kgh {

class OptionsDialogHost;

class EntryDialog {
 public:
  virtual ~EntryDialog() = default;
  EntryDialog(const EntryDialog&) = delete;
  EntryDialog& operator=(const EntryDialog&) = delete;

  // Shows the dialog modally over `host` and returns Confirmed once it has closed. Nothing is
  // shown, and the answer is false, without a host.
  bool ShowModal(OptionsDialogHost* host);

  // Gives a control of this dialog the focus; a request the window system cannot meet (no host,
  // a hidden or disabled control) is dropped.
  void SafeSetFocus(const forms::Control& control);

  bool IsOpen() const { return !closed_; }

  // True once OK accepted the input; false initially and after Cancel or the window frame.
  bool Confirmed = false;
  // The view's end of the modal display; called once, when the dialog closes.
  std::function<void()> on_closed;

 protected:
  // `services.host` takes the focus requests until a ShowModal names the host.
  explicit EntryDialog(OptionsServices services);

  void CloseConfirmed();
  void CloseCancelled();

  OptionsServices services_;

 private:
  // host.ShowModal(*this) with the dialog's own type, so that the host builds the matching view.
  virtual void ShowOn(OptionsDialogHost& host) = 0;
  void Close();

  bool closed_ = false;
};

}  // namespace kgh
