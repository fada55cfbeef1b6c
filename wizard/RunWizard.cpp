#include "wizard/RunWizard.h"

#include "wizard/frmWizard.h"

namespace kgh {

std::string RunWizard(const WizardServices& services, const std::function<void(frmWizard&)>& show_modally) {
  frmWizard form(services);
  form.Form_Load();
  show_modally(form);
  // A wizard that built a configuration is only hidden; releasing it unloads it.
  if (!form.unloaded) form.Form_Unload();
  return form.NewConfigFile();
}

}  // namespace kgh
