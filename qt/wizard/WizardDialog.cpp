#include "qt/wizard/WizardDialog.h"

#include "qt/QtApplicationGuard.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtMessageBoxes.h"
#include "qt/wizard/QtWizardHost.h"
#include "qt/wizard/WizardView.h"

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

  frmWizard form(services);
  form.Form_Load();
  {
    WizardView view(form);
    if (!form.unloaded && !form.hidden) view.exec();
  }
  // A wizard that built a configuration is only hidden; releasing it unloads it.
  if (!form.unloaded) form.Form_Unload();
  return form.NewConfigFile();
}

}  // namespace kgh::qt
