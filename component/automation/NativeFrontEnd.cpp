// The Windows front-end of the automation server: the system's message boxes. The native dialogs
// are not there yet, so the operations that open a dialog return without showing one.
#include "component/FrontEnd.h"
#include "platform/win32/Win32MessageBoxes.h"

namespace kgh {
namespace {

class NativeFrontEnd final : public FrontEnd {
 public:
  ComponentServices Services() override {
    ComponentServices services;
    services.options.messages = &messages_;
    return services;
  }

 private:
  win32::Win32MessageBoxes messages_;
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd() { return std::make_unique<NativeFrontEnd>(); }

}  // namespace kgh
