// The registry itself. Keys opened here are handed out as small numbers, since a key handle of
// the system is wider than the store's handles on 64-bit Windows.
#include <windows.h>

#include <map>

#include "platform/RegistryStore.h"

namespace kgh {
namespace {

class SystemRegistry final : public RegistryStore {
 public:
  int32_t OpenKey(RegKeyHandle root, const std::string& sub_key, uint32_t access, RegKeyHandle& handle) override {
    HKEY parent = Resolve(root);
    if (parent == nullptr) return kErrorInvalidHandle;
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(parent, sub_key.c_str(), 0, access, &opened);
    if (status != ERROR_SUCCESS) return status;
    handle = next_handle_++;
    open_[handle] = opened;
    return kErrorSuccess;
  }

  int32_t EnumValue(RegKeyHandle key, uint32_t index, std::string& name, uint32_t& data_size) override {
    HKEY opened = Resolve(key);
    if (opened == nullptr) return kErrorInvalidHandle;
    // 16383 characters is the longest value name the registry allows.
    char buffer[16384];
    DWORD name_size = sizeof buffer;
    DWORD size = 0;
    const LONG status = RegEnumValueA(opened, index, buffer, &name_size, nullptr, nullptr, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    name.assign(buffer, name_size);
    data_size = size;
    return kErrorSuccess;
  }

  int32_t QueryValue(RegKeyHandle key, const std::string& name, std::string& data) override {
    HKEY opened = Resolve(key);
    if (opened == nullptr) return kErrorInvalidHandle;
    DWORD size = 0;
    LONG status = RegQueryValueExA(opened, name.c_str(), nullptr, nullptr, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    data.assign(size, '\0');
    status = RegQueryValueExA(opened, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status != ERROR_SUCCESS) return status;
    data.resize(size);
    return kErrorSuccess;
  }

  int32_t CloseKey(RegKeyHandle key) override {
    const auto found = open_.find(key);
    if (found == open_.end()) return kErrorInvalidHandle;
    const LONG status = RegCloseKey(found->second);
    open_.erase(found);
    return status;
  }

 private:
  // The predefined roots keep their own values; anything else must have been opened here.
  HKEY Resolve(RegKeyHandle handle) const {
    if (handle == kHKeyLocalMachine) return HKEY_LOCAL_MACHINE;
    const auto found = open_.find(handle);
    return found == open_.end() ? nullptr : found->second;
  }

  std::map<RegKeyHandle, HKEY> open_;
  RegKeyHandle next_handle_ = 1;
};

}  // namespace

RegistryStore& SystemRegistryStore() {
  static SystemRegistry store;
  return store;
}

}  // namespace kgh
