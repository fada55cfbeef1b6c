#include "library/FrontEndChoice.h"

#if KGH_LIBRARY_WITH_QT
#include "qt/QtFrontEnd.h"

namespace kgh::library {

std::unique_ptr<FrontEnd> MakeFrontEnd() { return qt::MakeFrontEnd(); }

}  // namespace kgh::library
#else
namespace kgh::library {
namespace {

// A library built without dialogs: files are read and written, but there is no form host, so
// the operations that show a dialog return without changing anything.
class HeadlessFrontEnd final : public FrontEnd {
 public:
  DialogAccess Dialogs() const override { return DialogAccess::NotBuilt; }
  ComponentServices Services() override { return {}; }
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd() { return std::make_unique<HeadlessFrontEnd>(); }

}  // namespace kgh::library
#endif
