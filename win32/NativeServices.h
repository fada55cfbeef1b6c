#pragma once
// Every platform service the component needs, as the native front-end provides them, ready to
// hand to SetupOrvex: the system's message boxes, file dialogs, folder browser and help, and the
// native dialogs.
#include <windows.h>

#include <string>
#include <utility>

#include "component/SetupOrvex.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Help.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "win32/NativeFormHost.h"
#include "win32/WizardWindow.h"

namespace kgh::native {

class NativeServices {
 public:
  // The wizard's pictures come from the resources of `pictures`; the help file and its pages are
  // looked for in `component_dir`.
  NativeServices(HMODULE pictures, std::string component_dir, win32::Win32Help help = {})
      : help_(std::move(help)), forms_(pictures), component_dir_(std::move(component_dir)) {}

  ComponentServices Component() {
    ComponentServices services;
    services.options.messages = &messages_;
    services.options.file_dialogs = &file_dialogs_;
    services.options.folder_browser = &folder_browser_;
    services.options.help = &help_;
    services.options.component_dir = component_dir_;
    services.forms = &forms_;
    services.wizard_host = &wizard_host_;
    return services;
  }

 private:
  win32::Win32MessageBoxes messages_;
  win32::Win32FileDialogs file_dialogs_;
  win32::Win32FolderBrowser folder_browser_;
  win32::Win32Help help_;
  NativeFormHost forms_;
  NativeWizardHost wizard_host_;
  std::string component_dir_;
};

}  // namespace kgh::native
