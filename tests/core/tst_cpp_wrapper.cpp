// The header-only C++ wrapper as a host uses it, linked against the shared library: strings in
// and out, booleans, and the doctor's findings with the library's memory released.
#include <gtest/gtest.h>

#include <KelmarGUIHelper/KelmarGUIHelper.hpp>

#include "support/TempDir.h"

namespace kgh {
namespace {

using Component = ::KelmarGUIHelper::SetupOrvex;

TEST(CppWrapper, WritesAStartFileCompilesAndChecksIt) {
  test::TempDir dir;
  EXPECT_TRUE(Component::CreateStartFile(dir.File("Orvex.INI"), "start.htm"));
  EXPECT_FALSE(Component::CreateStartFile(dir.File("missing/Orvex.INI"), "start.htm"));
  EXPECT_TRUE(Component::Compile("src", "project.kpj", "dest"));

  const auto findings = Component::CheckConfiguration(dir.path().string());  // the folder holding it
  ASSERT_TRUE(findings.has_value());
  ASSERT_EQ(findings->size(), 1u);
  EXPECT_EQ(findings->front().code, "port-placeholder");
  EXPECT_EQ(findings->front().severity, ::KelmarGUIHelper::Severity::Warning);
  EXPECT_EQ(findings->front().section, "Domains");
  EXPECT_EQ(findings->front().line, 21);  // the template's line 20, below the home page it gained

  const auto clean = Component::CheckConfiguration(std::string(KGH_DOCTOR_FIXTURES) + "/clean.ini");
  ASSERT_TRUE(clean.has_value());
  EXPECT_TRUE(clean->empty());
  EXPECT_FALSE(Component::CheckConfiguration(dir.File("missing.ini")).has_value());
}

}  // namespace
}  // namespace kgh
