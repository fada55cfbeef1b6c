#include "qt/wizard/WizardDialog.h"

#include "qt/QtApplicationGuard.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtFormHost.h"
#include "qt/QtMessageBoxes.h"
#include "qt/wizard/QtWizardHost.h"
#include "wizard/RunWizard.h"

namespace kgh::qt {

std::string RunWizardDialog(ConfigurationOpener& opener, const WizardQtOptions& options) {
  EnsureApplication();
  QtWizardHost host;
  QtMessageBoxes messages;
  QtFileDialogs file_dialogs;
  WizardServices services = options.services;
  services.opener = &opener;
  if (services.host == nullptr) services.host = &host;
  if (services.messages == nullptr) services.messages = &messages;
  if (services.file_dialogs == nullptr) services.file_dialogs = &file_dialogs;

  QtFormHost forms;
  return RunWizard(services, [&forms](frmWizard& form) { forms.ShowWizard(form); });
}

}  // namespace kgh::qt
