#include "automation/SetupOrvexObject.h"

#include <oleauto.h>

#include <new>
#include <string>

#include "automation/ServerModule.h"
#include "component/ComponentIdentity.h"
#include "component/SetupOrvex.h"
#include "platform/win32/AnsiText.h"
#include "win32/NativeFrontEnd.h"

namespace kgh::automation {
namespace {

// An automation string in the core's code page; false when a character has no equal there, so
// that no path quietly becomes another one.
bool In(BSTR text, std::string& ansi) {
  return text == nullptr ? (ansi.clear(), true) : win32::ToAnsiExactly({text, SysStringLen(text)}, ansi);
}

// Runs an operation for the host: no C++ exception may cross the interface.
template <typename Operation>
HRESULT Guarded(Operation&& operation) {
  try {
    return operation();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

VARIANT_BOOL Out(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// The help file and its pages lie beside the DLL.
std::string FolderOfServer() {
  const std::string path = win32::ToAnsi(ModulePath());
  return path.substr(0, path.find_last_of('\\'));
}

// The interface answers to its earlier identities as well.
bool IsInterfaceIdentity(REFIID riid) {
  if (IsEqualIID(riid, IID__SetupOrvex)) return true;
  for (const char* identity : identity::kInterfaceIdentities) {
    IID iid{};
    if (SUCCEEDED(IIDFromString(win32::FromAnsi(identity).c_str(), &iid)) && IsEqualIID(riid, iid)) return true;
  }
  return false;
}

}  // namespace

SetupOrvexObject::SetupOrvexObject(ITypeInfo* info)
    : info_(info), front_end_(native::MakeFrontEnd(Module(), FolderOfServer())) {
  info_->AddRef();
  AddServerReference();
}

SetupOrvexObject::~SetupOrvexObject() {
  info_->Release();
  ReleaseServerReference();
}

HRESULT SetupOrvexObject::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsInterfaceIdentity(riid)) {
    *object = static_cast<_SetupOrvex*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG SetupOrvexObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG SetupOrvexObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT SetupOrvexObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT SetupOrvexObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  info_->AddRef();
  *info = info_;
  return S_OK;
}

HRESULT SetupOrvexObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  return DispGetIDsOfNames(info_, names, count, ids);
}

HRESULT SetupOrvexObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* exception, UINT* bad_argument) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return DispInvoke(static_cast<_SetupOrvex*>(this), info_, id, flags, params, result, exception, bad_argument);
}

HRESULT SetupOrvexObject::SetupOrvex(IDispatch*, BSTR RootPath, BSTR TargetPath) {
  return Guarded([&] {
    std::string root, target;
    if (!In(RootPath, root) || !In(TargetPath, target)) return E_INVALIDARG;
    kgh::SetupOrvex(front_end_->Services()).Setup(nullptr, root, target);
    return S_OK;
  });
}

HRESULT SetupOrvexObject::CreateStartFile(BSTR Dest, BSTR StartFile, VARIANT_BOOL* Result) {
  if (Result == nullptr) return E_POINTER;
  return Guarded([&] {
    std::string dest, start;
    if (!In(Dest, dest) || !In(StartFile, start)) return E_INVALIDARG;
    *Result = Out(kgh::SetupOrvex(front_end_->Services()).CreateStartFile(dest, start));
    return S_OK;
  });
}

HRESULT SetupOrvexObject::Compile(BSTR, BSTR, BSTR, VARIANT_BOOL* Result) {
  if (Result == nullptr) return E_POINTER;
  // Its arguments are not looked at, so none can be refused.
  return Guarded([&] {
    *Result = Out(kgh::SetupOrvex(front_end_->Services()).Compile("", "", ""));
    return S_OK;
  });
}

HRESULT SetupOrvexObject::CreateNew(BSTR* Result) {
  if (Result == nullptr) return E_POINTER;
  *Result = nullptr;
  return Guarded([&] {
    const std::wstring path = win32::FromAnsi(kgh::SetupOrvex(front_end_->Services()).CreateNew());
    *Result = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    return *Result != nullptr ? S_OK : E_OUTOFMEMORY;
  });
}

HRESULT SetupOrvexObject::SetupOrvexEx(IDispatch*, BSTR RootPath, BSTR TargetPath, BSTR DefaultServer) {
  return Guarded([&] {
    std::string root, target, server;
    if (!In(RootPath, root) || !In(TargetPath, target) || !In(DefaultServer, server)) return E_INVALIDARG;
    kgh::SetupOrvex(front_end_->Services()).SetupOrvexEx(nullptr, root, target, server);
    return S_OK;
  });
}

HRESULT SetupOrvexObject::EditExistingProject(BSTR ConfigFile) {
  return Guarded([&] {
    std::string file;
    if (!In(ConfigFile, file)) return E_INVALIDARG;
    kgh::SetupOrvex(front_end_->Services()).EditExistingProject(file);
    return S_OK;
  });
}

}  // namespace kgh::automation
