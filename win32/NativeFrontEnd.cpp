#include "win32/NativeFrontEnd.h"

#include "win32/NativeServices.h"

namespace kgh::native {
namespace {

class NativeFrontEnd final : public FrontEnd {
 public:
  NativeFrontEnd(HMODULE module, std::string component_dir) : services_(module, std::move(component_dir)) {}
  ComponentServices Services() override { return services_.Component(); }

 private:
  NativeServices services_;
};

}  // namespace

std::unique_ptr<FrontEnd> MakeFrontEnd(HMODULE module, std::string component_dir) {
  return std::make_unique<NativeFrontEnd>(module, std::move(component_dir));
}

}  // namespace kgh::native
