#include "automation/ServerModule.h"

#include <oleauto.h>

// The interface's and the class's identifiers are defined here, once for the whole server.
#include <initguid.h>

#include "automation/KelmarGUIHelper.h"

namespace kgh::automation {
namespace {

HMODULE g_module = nullptr;
LONG g_references = 0;

}  // namespace

void SetModule(HMODULE module) { g_module = module; }
HMODULE Module() { return g_module; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(g_module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void AddServerReference() { InterlockedIncrement(&g_references); }
void ReleaseServerReference() { InterlockedDecrement(&g_references); }
bool ServerInUse() { return g_references > 0; }

HRESULT LoadServerTypeLib(ITypeLib** library) {
  return LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library);
}

HRESULT LoadInterfaceTypeInfo(ITypeInfo** info) {
  *info = nullptr;
  ITypeLib* library = nullptr;
  HRESULT result = LoadServerTypeLib(&library);
  if (FAILED(result)) return result;
  // A dual interface is found as its dispatch half; its virtual-table half is the one that
  // DispInvoke can call through.
  ITypeInfo* dispatch = nullptr;
  result = library->GetTypeInfoOfGuid(IID__SetupOrvex, &dispatch);
  library->Release();
  if (FAILED(result)) return result;
  HREFTYPE vtable = 0;
  result = dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable);
  if (SUCCEEDED(result)) result = dispatch->GetRefTypeInfo(vtable, info);
  dispatch->Release();
  return result;
}

}  // namespace kgh::automation
