// The front-end of a library built without dialogs: files are read and written, but there is
// no form host, so the operations that show a dialog return without changing anything.
#include "component/FrontEnd.h"

namespace kgh {
namespace {

class HeadlessFrontEnd final : public FrontEnd {
 public:
  DialogAccess Dialogs() const override { return DialogAccess::NotBuilt; }
  ComponentServices Services() override { return {}; }
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd() { return std::make_unique<HeadlessFrontEnd>(); }

}  // namespace kgh
