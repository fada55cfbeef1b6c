#pragma once
// The component's identity where automation registration is used.
namespace kgh::identity {

inline constexpr const char* kTypeLibraryName = "KelmarGUIHelper";
inline constexpr const char* kTypeLibraryId = "{785a247e-8b31-417f-8342-da68b81e918a}";
inline constexpr unsigned kTypeLibraryMajor = 2;
inline constexpr unsigned kTypeLibraryMinor = 2;
inline constexpr unsigned kTypeLibraryLocale = 0x0409;
inline constexpr const char* kClassId = "{c862ef95-6f46-4e35-af78-97b876a441de}";
inline constexpr const char* kProgId = "KelmarGUIHelper.SetupOrvex";
inline constexpr const char* kInterfaceId = "{2854bb75-590c-4028-bb49-ef3473cbcd53}";
// Earlier identities of the interface, oldest first, then the current one.
inline constexpr const char* kInterfaceIdentities[] = {
    "{f2ba6229-f950-437a-ab94-cec6f7edc465}",
    "{3de79764-ab84-4deb-9873-155105641bcd}",
    kInterfaceId,
};

// Dispatch ids of the interface's members, in slot order.
enum DispatchId : unsigned {
  kDispSetupOrvex = 0x60030001,
  kDispCreateStartFile = 0x60030002,
  kDispCompile = 0x60030003,
  kDispCreateNew = 0x60030004,
  kDispSetupOrvexEx = 0x60030005,
  kDispEditExistingProject = 0x60030006,
};

}  // namespace kgh::identity
