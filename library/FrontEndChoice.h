#pragma once
// Which dialogs the shared library shows its hosts: Qt's where Qt is built, none otherwise.
#include <memory>

#include "component/FrontEnd.h"

namespace kgh::library {

// A front-end for a dialog call on the calling thread.
std::unique_ptr<FrontEnd> MakeFrontEnd();

}  // namespace kgh::library
