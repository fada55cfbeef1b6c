#pragma once
// Every platform service the component needs, as Qt provides them, ready to hand to SetupOrvex.
#include "component/SetupOrvex.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtFolderBrowser.h"
#include "qt/QtFormHost.h"
#include "qt/QtHelp.h"
#include "qt/QtMessageBoxes.h"
#include "qt/wizard/QtWizardHost.h"

namespace kgh::qt {

class QtServices {
 public:
  // The component's services with the Qt dialogs, the Qt form host and the help file's folder.
  ComponentServices Component() {
    ComponentServices services;
    services.options.messages = &messages_;
    services.options.file_dialogs = &file_dialogs_;
    services.options.folder_browser = &folder_browser_;
    services.options.help = &help_;
    services.options.component_dir = ModuleDirectory();
    services.forms = &forms_;
    services.wizard_host = &wizard_host_;
    return services;
  }

 private:
  QtMessageBoxes messages_;
  QtFileDialogs file_dialogs_;
  QtFolderBrowser folder_browser_;
  QtHelp help_;
  QtFormHost forms_;
  QtWizardHost wizard_host_;
};

}  // namespace kgh::qt
