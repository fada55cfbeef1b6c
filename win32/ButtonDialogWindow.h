#pragma once
// The button properties dialog as a native window over dlgButton.
#include "options/dlgButton.h"
#include "win32/DialogWindow.h"

namespace kgh::native {

class ButtonDialogWindow final : public DialogWindow {
 public:
  explicit ButtonDialogWindow(dlgButton& form);
  ~ButtonDialogWindow() override;
  ButtonDialogWindow(const ButtonDialogWindow&) = delete;
  ButtonDialogWindow& operator=(const ButtonDialogWindow&) = delete;

 private:
  void Build() override;
  void OnCancel() override;
  void BindTextBox(EditBox box, forms::TextBox& control, void (dlgButton::*got_focus)());

  dlgButton& form_;
};

}  // namespace kgh::native
