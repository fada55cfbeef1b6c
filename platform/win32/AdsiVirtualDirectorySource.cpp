// The web server's applications through its directory service: the virtual directories below
// the root of web site 1. Any failure (no web server, no provider, access refused, a property
// missing) ends the reading; the wizard then turns to the registry.
#include <windows.h>

#include <activeds.h>
#include <oleauto.h>

#include "platform/VirtualDirectorySource.h"
#include "platform/win32/AnsiText.h"

namespace kgh {
namespace {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  Interface** out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const wchar_t* text) : text_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR* out() { return &text_; }
  BSTR get() const { return text_; }
  std::wstring_view view() const { return text_ != nullptr ? std::wstring_view(text_, SysStringLen(text_)) : L""; }

 private:
  BSTR text_ = nullptr;
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* get() { return &value_; }

 private:
  VARIANT value_;
};

// Calls CoInitialize for the reading, and CoUninitialize after it where that call counted.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

bool ReadChild(IDispatch* item, std::vector<VirtualDirEntry>& entries) {
  ComPtr<IADs> child;
  if (FAILED(item->QueryInterface(IID_IADs, reinterpret_cast<void**>(child.out())))) return false;
  Bstr type;
  if (FAILED(child->get_Class(type.out()))) return false;
  if (type.view() != L"IIsWebVirtualDir") return true;
  Bstr name;
  Variant path;
  Bstr path_property(L"Path");
  if (FAILED(child->get_Name(name.out())) || FAILED(child->Get(path_property.get(), path.get()))) return false;
  if (FAILED(VariantChangeType(path.get(), path.get(), 0, VT_BSTR))) return false;
  const BSTR path_text = V_BSTR(path.get());
  entries.push_back({"/" + win32::ToAnsi(name.view()),
                     win32::ToAnsi(path_text != nullptr ? std::wstring_view(path_text, SysStringLen(path_text)) : L"")});
  return true;
}

class AdsiVirtualDirectorySource final : public VirtualDirectorySource {
 public:
  bool ReadVirtualDirs(std::vector<VirtualDirEntry>& entries) override {
    const ComScope com;
    ComPtr<IADsContainer> root;
    if (FAILED(ADsGetObject(L"IIS://localhost/w3svc/1/Root", IID_IADsContainer, reinterpret_cast<void**>(root.out()))))
      return false;
    ComPtr<IUnknown> unknown;
    if (FAILED(root->get__NewEnum(unknown.out()))) return false;
    ComPtr<IEnumVARIANT> children;
    if (FAILED(unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(children.out())))) return false;
    for (;;) {
      Variant item;
      ULONG fetched = 0;
      const HRESULT next = children->Next(1, item.get(), &fetched);
      if (FAILED(next)) return false;
      if (next == S_FALSE || fetched == 0) return true;
      if (V_VT(item.get()) != VT_DISPATCH || V_DISPATCH(item.get()) == nullptr) return false;
      if (!ReadChild(V_DISPATCH(item.get()), entries)) return false;
    }
  }
};

}  // namespace

VirtualDirectorySource& SystemVirtualDirectorySource() {
  static AdsiVirtualDirectorySource source;
  return source;
}

}  // namespace kgh
