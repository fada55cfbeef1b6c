#pragma once
// One run of the wizard, from loading to the path it leaves behind, for whoever shows it.
#include <functional>
#include <string>

#include "wizard/WizardServices.h"

namespace kgh {

class frmWizard;

// Loads a new wizard with `services`, hands it to `show_modally` (which returns once the wizard
// has closed or hidden itself), releases it and returns the path of the configuration it built,
// or "" when none was built.
std::string RunWizard(const WizardServices& services, const std::function<void(frmWizard&)>& show_modally);

}  // namespace kgh
