#pragma once
// The automation object a host creates as "KelmarGUIHelper.SetupOrvex": the dual interface
// _SetupOrvex over the component's SetupOrvex class. Automation strings are converted to the
// core's 8-bit text once, on the way in (a string with a character the code page lacks is
// refused with E_INVALIDARG), and back once on the way out; booleans go out as automation
// booleans (True = -1). ParentForm is accepted and not used.
#include <memory>

#include "component/FrontEnd.h"
#include "automation/KelmarGUIHelper.h"

namespace kgh::automation {

class SetupOrvexObject final : public _SetupOrvex {
 public:
  // `info` is the interface's virtual-table type information; the object keeps a reference.
  explicit SetupOrvexObject(ITypeInfo* info);
  ~SetupOrvexObject();
  SetupOrvexObject(const SetupOrvexObject&) = delete;
  SetupOrvexObject& operator=(const SetupOrvexObject&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch, answered from the type library.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) override;

  // _SetupOrvex
  HRESULT STDMETHODCALLTYPE SetupOrvex(IDispatch* ParentForm, BSTR RootPath, BSTR TargetPath) override;
  HRESULT STDMETHODCALLTYPE CreateStartFile(BSTR Dest, BSTR StartFile, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE Compile(BSTR SrcDir, BSTR DORProjectFile, BSTR DestDir, VARIANT_BOOL* Result) override;
  HRESULT STDMETHODCALLTYPE CreateNew(BSTR* Result) override;
  HRESULT STDMETHODCALLTYPE SetupOrvexEx(IDispatch* ParentForm, BSTR RootPath, BSTR TargetPath,
                                         BSTR DefaultServer) override;
  HRESULT STDMETHODCALLTYPE EditExistingProject(BSTR ConfigFile) override;

 private:
  LONG references_ = 1;
  ITypeInfo* info_;
  std::unique_ptr<FrontEnd> front_end_;
};

}  // namespace kgh::automation
