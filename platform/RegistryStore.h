#pragma once
// The four registry calls CRegSettings needs, with the platform's status codes. A Windows build
// routes them to the registry; elsewhere the store fails every call, so readers find nothing.
#include <cstdint>
#include <string>

namespace kgh {

using RegKeyHandle = uint32_t;  // 0: no key

inline constexpr RegKeyHandle kHKeyLocalMachine = 0x80000002u;
inline constexpr uint32_t kKeyRead = 0x20019u;
inline constexpr int32_t kErrorSuccess = 0;
inline constexpr int32_t kErrorFileNotFound = 2;
inline constexpr int32_t kErrorInvalidHandle = 6;
inline constexpr int32_t kErrorMoreData = 234;
inline constexpr int32_t kErrorNoMoreItems = 259;
inline constexpr int32_t kErrorCallNotImplemented = 120;

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;
  // Opens `sub_key` below `root`; on success `handle` receives the key.
  virtual int32_t OpenKey(RegKeyHandle root, const std::string& sub_key, uint32_t access,
                          RegKeyHandle& handle) = 0;
  // The name of value number `index` (from 0) and the size of its data in bytes.
  virtual int32_t EnumValue(RegKeyHandle key, uint32_t index, std::string& name, uint32_t& data_size) = 0;
  // The data of the value `name`, as stored (a text value ends with its NUL).
  virtual int32_t QueryValue(RegKeyHandle key, const std::string& name, std::string& data) = 0;
  virtual int32_t CloseKey(RegKeyHandle key) = 0;
};

// The running system's registry.
RegistryStore& SystemRegistryStore();

}  // namespace kgh
