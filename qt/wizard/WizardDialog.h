#pragma once
// Running the new-configuration wizard with the Qt front-end, as the public class's CreateNew
// does: shown modally, it returns once the wizard has closed.
#include <string>

#include "wizard/ConfigurationOpener.h"
#include "wizard/WizardServices.h"

namespace kgh::qt {

struct WizardQtOptions {
  // The wizard's platform services. Where these leave the host, the message boxes or the file
  // dialogs null, the Qt ones are used; the opener is the one RunWizardDialog is given.
  WizardServices services;
};

// Shows the wizard modally (creating the QApplication when the process has none) and returns
// the path of the configuration it built, or "" when it was left without building one.
std::string RunWizardDialog(ConfigurationOpener& opener, const WizardQtOptions& options = {});

}  // namespace kgh::qt
