// A host that loads the shared library at run time and calls its C interface.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "support/TempDir.h"

namespace kgh {
namespace {

class LoadedLibrary : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(handle_ = dlopen(KGH_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL), nullptr) << dlerror(); }
  void TearDown() override { if (handle_ != nullptr) dlclose(handle_); }
  template <typename Fn> Fn Symbol(const char* name) {
    void* symbol = dlsym(handle_, name);
    EXPECT_NE(symbol, nullptr) << name;
    return reinterpret_cast<Fn>(symbol);
  }
  void* handle_ = nullptr;
};

TEST_F(LoadedLibrary, AnswersWithAutomationBooleans) {
  const auto create = Symbol<int16_t (*)(const char*, const char*)>("KelmarGUIHelper_CreateStartFile");
  const auto compile = Symbol<int16_t (*)(const char*, const char*, const char*)>("KelmarGUIHelper_Compile");
  ASSERT_TRUE(create && compile);
  test::TempDir dir;
  const std::string file = dir.File("Orvex.INI");
  EXPECT_EQ(create(file.c_str(), "start.htm"), -1);
  EXPECT_NE(test::ReadBytes(file).find("BrowserEngine=2\r\nHomepage=start.htm\r\n[Toolbar]"), std::string::npos);
  EXPECT_EQ(create(dir.File("missing/Orvex.INI").c_str(), "start.htm"), 0);
  EXPECT_EQ(create(nullptr, nullptr), 0);
  EXPECT_EQ(compile(nullptr, "p", "d"), -1);
}

TEST_F(LoadedLibrary, ExportsEveryOperationAndNoCoreSymbol) {
  for (const char* name : {"KelmarGUIHelper_SetupOrvex", "KelmarGUIHelper_SetupOrvexEx",
                           "KelmarGUIHelper_EditExistingProject", "KelmarGUIHelper_CreateNew",
                           "KelmarGUIHelper_CreateStartFile", "KelmarGUIHelper_Compile", "KelmarGUIHelper_FreeString"})
    EXPECT_NE(dlsym(handle_, name), nullptr) << name;
  EXPECT_EQ(dlsym(handle_, "_ZN3kgh10SetupOrvex15CreateStartFileERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEES8_"),
            nullptr);
}

}  // namespace
}  // namespace kgh
