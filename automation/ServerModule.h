#pragma once
// What the whole server shares: the module it was loaded from, how many objects and locks keep
// it loaded, and its type library.
#include <windows.h>

#include <oaidl.h>

#include <string>

namespace kgh::automation {

void SetModule(HMODULE module);
HMODULE Module();
// The DLL's full path, as the registry and the type library loader need it.
std::wstring ModulePath();

void AddServerReference();
void ReleaseServerReference();
bool ServerInUse();

// The type library embedded in the DLL; the caller releases it.
HRESULT LoadServerTypeLib(ITypeLib** library);
// The virtual-table half of the dual interface, which IDispatch calls are dispatched through;
// the caller releases it.
HRESULT LoadInterfaceTypeInfo(ITypeInfo** info);

}  // namespace kgh::automation
