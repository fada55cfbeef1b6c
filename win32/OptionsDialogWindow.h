#pragma once
// The options dialog as a native window over frmOrvexOptions: a tab strip over its pages, OK,
// Cancel and Help. It shows the two entry dialogs over itself and answers the forms' focus
// requests, the nested dialog's first.
#include <array>
#include <string>
#include <vector>

#include "options/OptionsDialogHost.h"
#include "options/frmOrvexOptions.h"
#include "win32/DialogWindow.h"

namespace kgh::native {

class OptionsDialogWindow final : public DialogWindow, public OptionsDialogHost {
 public:
  explicit OptionsDialogWindow(frmOrvexOptions& form);
  ~OptionsDialogWindow() override;
  OptionsDialogWindow(const OptionsDialogWindow&) = delete;
  OptionsDialogWindow& operator=(const OptionsDialogWindow&) = delete;

  void ShowModal(dlgButton& dialog) override;
  void ShowModal(dlgDomain& dialog) override;
  bool SetFocus(const forms::Control& control) override;

 private:
  void Build() override;
  void Render() override;
  void RenderRows();
  void OnCancel() override;
  void RunEntryDialog(DialogWindow& window, const char* help_topic);
  bool OnKeyDown(const MSG& message) override;

  frmOrvexOptions& form_;
  HWND tabs_ = nullptr;
  std::array<HWND, options_layout::kPageCount> pages_{};
  HWND rows_ = nullptr;  // the toolbar buttons' list, whose rows this view draws
  DialogWindow* nested_ = nullptr;  // the entry dialog shown over this one
};

}  // namespace kgh::native
