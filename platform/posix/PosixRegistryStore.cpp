// There is no registry here: every call fails, so readers of it find nothing.
#include "platform/RegistryStore.h"

namespace kgh {
namespace {

class NoRegistryStore final : public RegistryStore {
 public:
  int32_t OpenKey(RegKeyHandle, const std::string&, uint32_t, RegKeyHandle&) override { return kErrorFileNotFound; }
  int32_t EnumValue(RegKeyHandle, uint32_t, std::string&, uint32_t&) override { return kErrorInvalidHandle; }
  int32_t QueryValue(RegKeyHandle, const std::string&, std::string&) override { return kErrorInvalidHandle; }
  int32_t CloseKey(RegKeyHandle) override { return kErrorInvalidHandle; }
};

}  // namespace

RegistryStore& SystemRegistryStore() {
  static NoRegistryStore store;
  return store;
}

}  // namespace kgh
