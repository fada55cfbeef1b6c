// The automation server's identity as a host's tools read it from the DLL: the type library (its
// identifiers, the interface's flags, members and dispatch ids, the aliases of its earlier
// identities and the creatable class), the list of those identities, and the marker that says
// the DLL registers itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <oleauto.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "component/ComponentIdentity.h"
#include "platform/win32/AnsiText.h"

namespace kgh::test {
namespace {

GUID Guid(const char* text) {
  GUID guid{};
  EXPECT_EQ(CLSIDFromString(win32::FromAnsi(text).c_str(), &guid), S_OK) << text;
  return guid;
}

// The DLL built beside this test, or the one KGH_SERVER_DLL names: the 32-bit build is checked
// from here too, since no 32-bit program runs on the machines that build it.
std::wstring ServerPath() {
  const char* named = std::getenv("KGH_SERVER_DLL");
  return win32::FromAnsi(named != nullptr && *named != '\0' ? named : KGH_SERVER_DLL);
}

// SYS_WIN32 for a 32-bit DLL, SYS_WIN64 for a 64-bit one, read off the DLL's own header.
SYSKIND SystemOf(const std::wstring& path) {
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(module, nullptr);
  if (module == nullptr) return SYS_WIN64;
  // A module loaded as data is addressed one byte past its image; the headers come first.
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const SYSKIND system = nt->FileHeader.Machine == IMAGE_FILE_MACHINE_I386 ? SYS_WIN32 : SYS_WIN64;
  FreeLibrary(module);
  return system;
}

class TypeLibrary : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(LoadTypeLibEx(ServerPath().c_str(), REGKIND_NONE, &library_), S_OK); }
  void TearDown() override {
    if (library_ != nullptr) library_->Release();
  }
  ITypeInfo* Info(const char* id) {
    ITypeInfo* info = nullptr;
    EXPECT_EQ(library_->GetTypeInfoOfGuid(Guid(id), &info), S_OK) << id;
    infos_.push_back(info);
    return info;
  }
  static std::string NameOf(ITypeInfo* info, MEMBERID member) {
    BSTR name = nullptr;
    if (FAILED(info->GetDocumentation(member, &name, nullptr, nullptr, nullptr))) return "";
    std::string text = win32::ToAnsi({name, SysStringLen(name)});
    SysFreeString(name);
    return text;
  }
  ~TypeLibrary() override {
    for (ITypeInfo* info : infos_)
      if (info != nullptr) info->Release();
  }

  ITypeLib* library_ = nullptr;
  std::vector<ITypeInfo*> infos_;
};

TEST_F(TypeLibrary, NamesTheLibraryItsVersionAndLocale) {
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library_->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, Guid(identity::kTypeLibraryId)));
  EXPECT_EQ(attributes->wMajorVerNum, identity::kTypeLibraryMajor);
  EXPECT_EQ(attributes->wMinorVerNum, identity::kTypeLibraryMinor);
  EXPECT_EQ(attributes->lcid, identity::kTypeLibraryLocale);
  EXPECT_EQ(attributes->syskind, SystemOf(ServerPath())) << "the library is for the DLL's word size";
  library_->ReleaseTLibAttr(attributes);
  BSTR name = nullptr;
  ASSERT_EQ(library_->GetDocumentation(-1, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(win32::ToAnsi({name, SysStringLen(name)}), identity::kTypeLibraryName);
  SysFreeString(name);
}

TEST_F(TypeLibrary, TheInterfaceIsAHiddenDualNonExtensibleOneWithItsMembersInSlotOrder) {
  ITypeInfo* dispatch = Info(identity::kInterfaceId);
  ASSERT_NE(dispatch, nullptr);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(dispatch->GetTypeAttr(&attributes), S_OK);
  const WORD wanted = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE;
  EXPECT_EQ(attributes->wTypeFlags & wanted, wanted);
  dispatch->ReleaseTypeAttr(attributes);
  EXPECT_EQ(NameOf(dispatch, MEMBERID_NIL), "_SetupOrvex");

  HREFTYPE vtable_half = 0;
  ASSERT_EQ(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable_half), S_OK);
  ITypeInfo* members = nullptr;
  ASSERT_EQ(dispatch->GetRefTypeInfo(vtable_half, &members), S_OK);
  infos_.push_back(members);
  const struct {
    const char* name;
    MEMBERID id;
    SHORT arguments;  // the result, where there is one, is an argument of the virtual-table form
  } expected[] = {
      {"SetupOrvex", identity::kDispSetupOrvex, 3},           {"CreateStartFile", identity::kDispCreateStartFile, 3},
      {"Compile", identity::kDispCompile, 4},                 {"CreateNew", identity::kDispCreateNew, 1},
      {"SetupOrvexEx", identity::kDispSetupOrvexEx, 4},       {"EditExistingProject", identity::kDispEditExistingProject, 1},
  };
  ASSERT_EQ(members->GetTypeAttr(&attributes), S_OK);
  EXPECT_NE(attributes->wTypeFlags & TYPEFLAG_FOLEAUTOMATION, 0) << "the virtual-table half is automation-compatible";
  const WORD own_members = attributes->cFuncs;
  members->ReleaseTypeAttr(attributes);
  ASSERT_EQ(own_members, std::size(expected));
  for (UINT slot = 0; slot < own_members; ++slot) {
    FUNCDESC* function = nullptr;
    ASSERT_EQ(members->GetFuncDesc(slot, &function), S_OK);
    EXPECT_EQ(function->memid, expected[slot].id) << slot;
    EXPECT_EQ(function->cParams, expected[slot].arguments) << slot;
    EXPECT_EQ(NameOf(members, function->memid), expected[slot].name) << slot;
    members->ReleaseFuncDesc(function);
  }
}

TEST_F(TypeLibrary, EarlierIdentitiesAreAliasesAndTheClassIsCreatable) {
  const char* aliases[] = {"SetupOrvex___v0", "SetupOrvex___v1"};
  for (std::size_t i = 0; i < 2; ++i) {
    ITypeInfo* alias = Info(identity::kInterfaceIdentities[i]);
    ASSERT_NE(alias, nullptr);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(alias->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->typekind, TKIND_ALIAS);
    alias->ReleaseTypeAttr(attributes);
    EXPECT_EQ(NameOf(alias, MEMBERID_NIL), aliases[i]);
  }
  ITypeInfo* type = Info(identity::kClassId);
  ASSERT_NE(type, nullptr);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(type->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_NE(attributes->wTypeFlags & TYPEFLAG_FCANCREATE, 0);
  type->ReleaseTypeAttr(attributes);
  EXPECT_EQ(NameOf(type, MEMBERID_NIL), "SetupOrvex");
}

TEST(ServerResources, ListTheInterfaceIdentitiesAndMarkTheServerAsRegisteringItself) {
  HMODULE module = LoadLibraryExW(ServerPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, L"_IID_SETUPORVEX", MAKEINTRESOURCEW(10));  // RT_RCDATA
  ASSERT_NE(found, nullptr);
  ASSERT_EQ(SizeofResource(module, found), 3 * sizeof(GUID));
  const auto* listed = static_cast<const GUID*>(LockResource(LoadResource(module, found)));
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_TRUE(IsEqualGUID(listed[i], Guid(identity::kInterfaceIdentities[i]))) << identity::kInterfaceIdentities[i];
  FreeLibrary(module);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(ServerPath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(ServerPath().c_str(), 0, size, block.data()));
  void* value = nullptr;
  UINT length = 0;
  EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\OLESelfRegister", &value, &length));
}

}  // namespace
}  // namespace kgh::test
