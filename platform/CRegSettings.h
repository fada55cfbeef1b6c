#pragma once
// Reading one registry key: open it, list its value names, read each value as text, close it.
// No call raises an error or shows a message; failures come back as 0, "" or the status code.
#include <cstdint>
#include <string>

#include "platform/RegistryStore.h"

namespace kgh {

class CRegSettings {
 public:
  // The largest value GetRegValue reads, in bytes including its NUL.
  static constexpr uint32_t kValueBufferSize = 260;

  explicit CRegSettings(RegistryStore& store = SystemRegistryStore()) : store_(store) {}

  // The handle of `lpSubKey` below `hKey` opened for reading, or 0. `lngKeyHandle` receives
  // the handle (on failure whatever the store left there).
  RegKeyHandle OpenRegKey(RegKeyHandle hKey, const std::string& lpSubKey);
  RegKeyHandle OpenRegKey(RegKeyHandle hKey, const std::string& lpSubKey, RegKeyHandle& lngKeyHandle);

  // The name of value number `lngCurIdx`, written over the start of `strValue`, a buffer the
  // caller filled to the `lngValueLen` characters it offers; on return `lngValueLen` is the
  // name's length and `lngDataLen` the data's size. Returns the store's status: 0, 259 after
  // the last value, kErrorMoreData when the name does not fit, another code for an error.
  int32_t EnumRegValue(RegKeyHandle& lngKeyHandle, int32_t& lngCurIdx, std::string& strValue,
                       int32_t& lngValueLen, int32_t& lngDataLen);

  // The value's data as text up to its NUL; "" for handle 0, a missing value or data of more
  // than kValueBufferSize bytes.
  std::string GetRegValue(RegKeyHandle& hSubKey, const std::string& sKeyName);

  // Closes the key; failures (handle 0 included) are ignored.
  void keyclose(RegKeyHandle lkey);

 private:
  RegistryStore& store_;
};

}  // namespace kgh
