#include "qt/QtFormHost.h"

#include "qt/OptionsDialogView.h"
#include "qt/QtApplicationGuard.h"
#include "qt/wizard/WizardView.h"
#include "wizard/frmWizard.h"

namespace kgh::qt {

void QtFormHost::ShowOptionsDialog(frmOrvexOptions& form) {
  EnsureApplication();
  OptionsDialogView view(form);
  if (!form.unloaded) view.exec();
}

void QtFormHost::ShowWizard(frmWizard& form) {
  EnsureApplication();
  WizardView view(form);
  if (!form.unloaded && !form.hidden) view.exec();
}

}  // namespace kgh::qt
