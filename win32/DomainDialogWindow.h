#pragma once
// The allowed-domain entry dialog as a native window over dlgDomain.
#include "options/dlgDomain.h"
#include "win32/DialogWindow.h"

namespace kgh::native {

class DomainDialogWindow final : public DialogWindow {
 public:
  explicit DomainDialogWindow(dlgDomain& form);
  ~DomainDialogWindow() override;
  DomainDialogWindow(const DomainDialogWindow&) = delete;
  DomainDialogWindow& operator=(const DomainDialogWindow&) = delete;

 private:
  void Build() override;
  void OnCancel() override;

  dlgDomain& form_;
  ComboBox domain_;
};

}  // namespace kgh::native
