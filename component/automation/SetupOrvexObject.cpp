#include "component/automation/SetupOrvexObject.h"

#include <oleauto.h>

#include <string>

#include "component/ComponentIdentity.h"
#include "component/SetupOrvex.h"
#include "component/automation/ServerModule.h"
#include "platform/win32/AnsiText.h"

namespace kgh::automation {
namespace {

std::string In(BSTR text) { return text == nullptr ? std::string() : win32::ToAnsi({text, SysStringLen(text)}); }

VARIANT_BOOL Out(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

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

SetupOrvexObject::SetupOrvexObject(ITypeInfo* info) : info_(info), front_end_(MakeFrontEnd()) {
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
  kgh::SetupOrvex(front_end_->Services()).Setup(nullptr, In(RootPath), In(TargetPath));
  return S_OK;
}

HRESULT SetupOrvexObject::CreateStartFile(BSTR Dest, BSTR StartFile, VARIANT_BOOL* Result) {
  if (Result == nullptr) return E_POINTER;
  *Result = Out(kgh::SetupOrvex(front_end_->Services()).CreateStartFile(In(Dest), In(StartFile)));
  return S_OK;
}

HRESULT SetupOrvexObject::Compile(BSTR SrcDir, BSTR DORProjectFile, BSTR DestDir, VARIANT_BOOL* Result) {
  if (Result == nullptr) return E_POINTER;
  *Result = Out(kgh::SetupOrvex(front_end_->Services()).Compile(In(SrcDir), In(DORProjectFile), In(DestDir)));
  return S_OK;
}

HRESULT SetupOrvexObject::CreateNew(BSTR* Result) {
  if (Result == nullptr) return E_POINTER;
  const std::wstring path = win32::FromAnsi(kgh::SetupOrvex(front_end_->Services()).CreateNew());
  *Result = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
  return *Result != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT SetupOrvexObject::SetupOrvexEx(IDispatch*, BSTR RootPath, BSTR TargetPath, BSTR DefaultServer) {
  kgh::SetupOrvex(front_end_->Services()).SetupOrvexEx(nullptr, In(RootPath), In(TargetPath), In(DefaultServer));
  return S_OK;
}

HRESULT SetupOrvexObject::EditExistingProject(BSTR ConfigFile) {
  kgh::SetupOrvex(front_end_->Services()).EditExistingProject(In(ConfigFile));
  return S_OK;
}

}  // namespace kgh::automation
