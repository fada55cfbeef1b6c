#pragma once
// Every platform service the component needs, as the native front-end provides them, ready to
// hand to SetupOrvex: the system's message boxes, file dialogs, folder browser and help, and the
// native dialogs.
#include <windows.h>

#include <string>
#include <utility>

#include "component/ServiceSet.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Help.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "win32/NativeFormHost.h"
#include "win32/WizardWindow.h"

namespace kgh::native {

class NativeServices final
    : public ServiceSet<win32::Win32MessageBoxes, win32::Win32FileDialogs, win32::Win32FolderBrowser, win32::Win32Help,
                        NativeFormHost, NativeWizardHost> {
 public:
  // The wizard's pictures come from the resources of `pictures`; the help file and its pages are
  // looked for in `component_dir`.
  NativeServices(HMODULE pictures, std::string component_dir, win32::Win32Help help = {})
      : ServiceSet(std::move(component_dir), std::move(help), NativeFormHost(pictures)) {}
};

}  // namespace kgh::native
