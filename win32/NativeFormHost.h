#pragma once
// Shows the component's dialogs as native windows, modally over the window that is active when
// they open (none when the host has no window).
#include <windows.h>

#include "component/FormHost.h"

namespace kgh::native {

class NativeFormHost final : public FormHost {
 public:
  // `resources` holds the wizard's pictures.
  explicit NativeFormHost(HMODULE resources) : resources_(resources) {}
  void ShowOptionsDialog(frmOrvexOptions& form) override;
  void ShowWizard(frmWizard& form) override;

 private:
  HMODULE resources_;
};

}  // namespace kgh::native
