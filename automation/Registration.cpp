// Self-registration: the class under its identifier with the DLL as its in-process server
// (apartment-threaded), the programmatic identifier, and the type library, which also registers
// the interface with the system's automation marshaler.
#include <windows.h>

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "automation/ServerModule.h"
#include "component/ComponentIdentity.h"
#include "platform/win32/AnsiText.h"

namespace kgh::automation {
namespace {

std::wstring Wide(const char* text) { return win32::FromAnsi(text); }

bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const bool set =
      RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
  RegCloseKey(opened);
  return set;
}

void DeleteTree(const std::wstring& key) { RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str()); }

const std::wstring kClassKey = L"CLSID\\" + Wide(identity::kClassId);
const std::wstring kProgIdKey = Wide(identity::kProgId);

}  // namespace
}  // namespace kgh::automation

STDAPI DllRegisterServer() {
  using namespace kgh::automation;
  using kgh::identity::kProgId;
  const std::wstring path = ModulePath();
  const std::wstring version = std::to_wstring(kgh::identity::kTypeLibraryMajor) + L"." +
                               std::to_wstring(kgh::identity::kTypeLibraryMinor);
  const bool written = SetValue(kClassKey, nullptr, Wide(kProgId)) &&
                       SetValue(kClassKey + L"\\InprocServer32", nullptr, path) &&
                       SetValue(kClassKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
                       SetValue(kClassKey + L"\\ProgID", nullptr, Wide(kProgId)) &&
                       SetValue(kClassKey + L"\\VERSION", nullptr, version) &&
                       SetValue(kClassKey + L"\\TypeLib", nullptr, Wide(kgh::identity::kTypeLibraryId)) &&
                       SetValue(kProgIdKey, nullptr, Wide(kProgId)) &&
                       SetValue(kProgIdKey + L"\\CLSID", nullptr, Wide(kgh::identity::kClassId));
  if (!written) return SELFREG_E_CLASS;
  ITypeLib* library = nullptr;
  HRESULT result = LoadServerTypeLib(&library);
  if (SUCCEEDED(result)) {
    std::wstring registered_path = path;
    result = RegisterTypeLib(library, registered_path.data(), nullptr);
    library->Release();
  }
  return SUCCEEDED(result) ? S_OK : SELFREG_E_TYPELIB;
}

STDAPI DllUnregisterServer() {
  using namespace kgh::automation;
  DeleteTree(kClassKey);
  DeleteTree(kProgIdKey);
  GUID library_id{};
  if (SUCCEEDED(CLSIDFromString(Wide(kgh::identity::kTypeLibraryId).c_str(), &library_id))) {
#ifdef _WIN64
    constexpr SYSKIND kSystem = SYS_WIN64;
#else
    constexpr SYSKIND kSystem = SYS_WIN32;
#endif
    UnRegisterTypeLib(library_id, static_cast<WORD>(kgh::identity::kTypeLibraryMajor),
                      static_cast<WORD>(kgh::identity::kTypeLibraryMinor), kgh::identity::kTypeLibraryLocale, kSystem);
  }
  return S_OK;
}
