#pragma once
// Every platform service the component needs, as Qt provides them, ready to hand to SetupOrvex.
#include <string>
#include <utility>

#include "component/ServiceSet.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtFolderBrowser.h"
#include "qt/QtFormHost.h"
#include "qt/QtHelp.h"
#include "qt/QtMessageBoxes.h"
#include "qt/wizard/QtWizardHost.h"

namespace kgh::qt {

class QtServices final : public ServiceSet<QtMessageBoxes, QtFileDialogs, QtFolderBrowser, QtHelp, QtFormHost,
                                           QtWizardHost> {
 public:
  // The help file and pages where the component is installed, shown with the desktop's viewer.
  QtServices() : QtServices(ModuleDirectory(), QtHelp()) {}
  QtServices(std::string component_dir, QtHelp help) : ServiceSet(std::move(component_dir), std::move(help), {}) {}
};

}  // namespace kgh::qt
