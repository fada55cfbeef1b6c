#include "platform/CRegSettings.h"

#include "platform/Module1.h"

namespace kgh {

RegKeyHandle CRegSettings::OpenRegKey(RegKeyHandle hKey, const std::string& lpSubKey) {
  RegKeyHandle handle = 0;
  return OpenRegKey(hKey, lpSubKey, handle);
}

RegKeyHandle CRegSettings::OpenRegKey(RegKeyHandle hKey, const std::string& lpSubKey, RegKeyHandle& lngKeyHandle) {
  return store_.OpenKey(hKey, lpSubKey, kKeyRead, lngKeyHandle) == kErrorSuccess ? lngKeyHandle : 0;
}

int32_t CRegSettings::EnumRegValue(RegKeyHandle& lngKeyHandle, int32_t& lngCurIdx, std::string& strValue,
                                   int32_t& lngValueLen, int32_t& lngDataLen) {
  if (lngCurIdx < 0) return kErrorNoMoreItems;
  std::string name;
  uint32_t data_size = lngDataLen < 0 ? 0u : static_cast<uint32_t>(lngDataLen);
  int32_t status = store_.EnumValue(lngKeyHandle, static_cast<uint32_t>(lngCurIdx), name, data_size);
  if (status != kErrorSuccess) return status;
  // The name and its NUL must fit in the characters the caller offered, as in the platform call.
  if (lngValueLen < 0 || name.size() >= static_cast<std::size_t>(lngValueLen)) return kErrorMoreData;
  if (strValue.size() < name.size()) strValue.resize(name.size());
  strValue.replace(0, name.size(), name);
  lngValueLen = static_cast<int32_t>(name.size());
  lngDataLen = static_cast<int32_t>(data_size);
  return kErrorSuccess;
}

std::string CRegSettings::GetRegValue(RegKeyHandle& hSubKey, const std::string& sKeyName) {
  if (hSubKey == 0) return "";
  std::string data;
  if (store_.QueryValue(hSubKey, sKeyName, data) != kErrorSuccess) return "";
  if (data.size() > kValueBufferSize) return "";
  return TrimAtNull(data);
}

void CRegSettings::keyclose(RegKeyHandle lkey) { store_.CloseKey(lkey); }

}  // namespace kgh
