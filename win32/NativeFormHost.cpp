#include "win32/NativeFormHost.h"

#include "win32/OptionsDialogWindow.h"
#include "win32/WizardWindow.h"

namespace kgh::native {

void NativeFormHost::ShowOptionsDialog(frmOrvexOptions& form) {
  OptionsDialogWindow window(form);
  window.RunModal();
}

void NativeFormHost::ShowWizard(frmWizard& form) {
  WizardWindow window(form, resources_);
  window.RunModal();
}

}  // namespace kgh::native
