// The Windows front-end of the automation server: the native dialogs, and the system's message
// boxes, file dialogs, folder browser and help, with the help file looked for beside the DLL.
#include "component/FrontEnd.h"
#include "component/automation/ServerModule.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "win32/NativeFormHost.h"
#include "win32/WizardWindow.h"

namespace kgh {
namespace {

std::string FolderOfServer() {
  const std::string path = win32::ToAnsi(automation::ModulePath());
  return path.substr(0, path.find_last_of('\\'));
}

class NativeFrontEnd final : public FrontEnd {
 public:
  ComponentServices Services() override {
    ComponentServices services;
    services.options.messages = &messages_;
    services.options.file_dialogs = &file_dialogs_;
    services.options.folder_browser = &folder_browser_;
    services.options.help = &help_;
    services.options.component_dir = FolderOfServer();
    services.forms = &forms_;
    services.wizard_host = &wizard_host_;
    return services;
  }

 private:
  win32::Win32MessageBoxes messages_;
  win32::Win32FileDialogs file_dialogs_;
  win32::Win32FolderBrowser folder_browser_;
  win32::Win32Help help_;
  native::NativeFormHost forms_{automation::Module()};
  native::NativeWizardHost wizard_host_;
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd() { return std::make_unique<NativeFrontEnd>(); }

}  // namespace kgh
