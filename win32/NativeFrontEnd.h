#pragma once
// The native front-end: the system's dialogs and services for each SetupOrvex a host's call makes.
#include <windows.h>

#include <memory>
#include <string>

#include "component/FrontEnd.h"

namespace kgh::native {

// The dialogs and the wizard's pictures come from the resources of `module`; the help file and
// its pages are looked for in `component_dir`.
std::unique_ptr<FrontEnd> MakeFrontEnd(HMODULE module, std::string component_dir);

}  // namespace kgh::native
