// The DLL's entry points: loading, the class factory that makes SetupOrvex objects, and whether
// the DLL may be unloaded.
#include <windows.h>

#include <new>

#include "automation/KelmarGUIHelper.h"
#include "automation/ServerModule.h"
#include "automation/SetupOrvexObject.h"

namespace kgh::automation {
namespace {

class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // The factory is static; it keeps the server loaded while a client holds it.
  ULONG STDMETHODCALLTYPE AddRef() override {
    AddServerReference();
    return 2;
  }
  ULONG STDMETHODCALLTYPE Release() override {
    ReleaseServerReference();
    return 1;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    ITypeInfo* info = nullptr;
    const HRESULT loaded = LoadInterfaceTypeInfo(&info);
    if (FAILED(loaded)) return loaded;
    auto* made = new (std::nothrow) SetupOrvexObject(info);
    info->Release();
    if (made == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = made->QueryInterface(riid, object);
    made->Release();
    return result;
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) AddServerReference();
    else ReleaseServerReference();
    return S_OK;
  }
};

ClassFactory g_factory;

}  // namespace
}  // namespace kgh::automation

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    kgh::automation::SetModule(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_SetupOrvex)) return CLASS_E_CLASSNOTAVAILABLE;
  return kgh::automation::g_factory.QueryInterface(riid, object);
}

STDAPI DllCanUnloadNow() { return kgh::automation::ServerInUse() ? S_FALSE : S_OK; }
