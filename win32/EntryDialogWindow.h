#pragma once
// An entry dialog of the options dialog as a native window (a toolbar button, an allowed domain):
// the form's design made into windows, its caption as the title, and Esc and the window frame
// answered as the form answers closing.
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "win32/DialogWindow.h"

namespace kgh::native {

template <typename Form>
class EntryDialogWindow final : public DialogWindow {
 public:
  explicit EntryDialogWindow(Form& form)
      : DialogWindow(form.Caption, {0, 0, Form::kDesignWidth, Form::kDesignHeight}), form_(form) {
    form_.on_closed = [this] { EndModal(); };
  }
  // The form may outlive its window: it must not reach a window that is gone.
  ~EntryDialogWindow() override { form_.on_closed = nullptr; }
  EntryDialogWindow(const EntryDialogWindow&) = delete;
  EntryDialogWindow& operator=(const EntryDialogWindow&) = delete;

 private:
  void Build() override { BuildDesign(form_.DialogDesign()); }
  void OnCancel() override { form_.Form_QueryUnload(); }

  Form& form_;
};

}  // namespace kgh::native
