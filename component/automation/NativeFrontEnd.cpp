// The Windows front-end of the automation server: the native dialogs and the system's services,
// with the help file and its pages looked for beside the DLL.
#include "component/FrontEnd.h"
#include "component/automation/ServerModule.h"
#include "platform/win32/AnsiText.h"
#include "win32/NativeServices.h"

namespace kgh {
namespace {

std::string FolderOfServer() {
  const std::string path = win32::ToAnsi(automation::ModulePath());
  return path.substr(0, path.find_last_of('\\'));
}

class NativeFrontEnd final : public FrontEnd {
 public:
  ComponentServices Services() override { return services_.Component(); }

 private:
  native::NativeServices services_{automation::Module(), FolderOfServer()};
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd() { return std::make_unique<NativeFrontEnd>(); }

}  // namespace kgh
