#pragma once
// The Qt front-end: the real dialogs, where Qt can show them to the calling thread.
#include <memory>

#include "component/FrontEnd.h"

namespace kgh::qt {

// Makes the application when the process has none and a display is there; otherwise, or on a
// thread other than the application's, its Dialogs() says why none can be shown.
std::unique_ptr<FrontEnd> MakeFrontEnd();

}  // namespace kgh::qt
