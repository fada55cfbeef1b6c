// The shared library's front-end in Qt builds: the real dialogs.
#include "component/FrontEnd.h"
#include "qt/QtServices.h"

namespace kgh {
namespace {

class QtFrontEnd final : public FrontEnd {
 public:
  ComponentServices Services() override { return services_.Component(); }

 private:
  qt::QtServices services_;
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd() { return std::make_unique<QtFrontEnd>(); }

}  // namespace kgh
