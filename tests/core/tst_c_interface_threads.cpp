// A host that calls the C interface from four threads at once: two write start files while two
// check configurations, on one file and on a file each. Every call must answer as it does alone,
// every reading must see one whole file, and the file must end as a single call writes it.
#include <gtest/gtest.h>

#include <KelmarGUIHelper/KelmarGUIHelper.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "support/TempDir.h"

namespace kgh {
namespace {

constexpr int kCallsPerThread = 1000;
constexpr int16_t kTrue = -1;

// The two home pages the writers alternate between, so that every call replaces the file; a
// writer's last call writes the first.
constexpr const char* kPages[2] = {"last.htm", "https://elsewhere.example/"};
const char* PageOfCall(int call) { return kPages[(kCallsPerThread - 1 - call) % 2]; }

using Findings = std::vector<std::tuple<int32_t, std::string, std::string, int32_t, std::string>>;

// What the doctor says about `file`; false when it could not read it.
bool Check(const std::string& file, Findings& out) {
  KelmarGUIHelper_Finding* list = nullptr;
  size_t count = 0;
  if (KelmarGUIHelper_CheckConfiguration(file.c_str(), &list, &count) != kTrue) return false;
  out.clear();
  for (size_t i = 0; i < count; ++i)
    out.emplace_back(list[i].severity, list[i].code, list[i].section, list[i].line, list[i].message);
  KelmarGUIHelper_FreeFindings(list, count);
  return true;
}

// What one call on one thread writes for each page, and what the doctor finds in it.
struct Reference {
  std::string bytes[2];
  Findings findings[2];
};

Reference SingleThreaded() {
  Reference reference;
  for (int page = 0; page < 2; ++page) {
    const test::TempDir dir;
    const std::string file = dir.File("Orvex.INI");
    EXPECT_EQ(KelmarGUIHelper_CreateStartFile(file.c_str(), kPages[page]), kTrue);
    reference.bytes[page] = test::ReadBytes(file);
    EXPECT_TRUE(Check(file, reference.findings[page]));
  }
  return reference;
}

bool ReadWhole(const std::string& file, std::string& bytes) {
  try {
    bytes = test::ReadBytes(file);
    return true;
  } catch (...) {
    return false;
  }
}

struct Layout {
  const char* name;
  bool one_file;  // all four threads on one file, else a file each
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.name; }

class FourThreads : public ::testing::TestWithParam<Layout> {};

TEST_P(FourThreads, EveryCallAnswersAsAloneAndNoFileIsTorn) {
  const Reference reference = SingleThreaded();
  ASSERT_NE(reference.bytes[0], reference.bytes[1]);

  const test::TempDir dir;
  std::vector<std::string> files;
  for (int thread = 0; thread < 4; ++thread)
    files.push_back(dir.File(GetParam().one_file ? "Orvex.INI" : "Orvex" + std::to_string(thread) + ".INI"));
  for (const std::string& file : files) test::WriteBytes(file, reference.bytes[1]);

  std::atomic<int> refused_writes{0}, refused_checks{0}, other_findings{0}, torn_reads{0};
  const auto write = [&](const std::string& file) {
    for (int call = 0; call < kCallsPerThread; ++call)
      if (KelmarGUIHelper_CreateStartFile(file.c_str(), PageOfCall(call)) != kTrue || KelmarGUIHelper_LastError() != 0)
        ++refused_writes;
  };
  const auto check = [&](const std::string& file) {
    Findings findings;
    std::string bytes;
    for (int call = 0; call < kCallsPerThread; ++call) {
      if (!Check(file, findings) || KelmarGUIHelper_LastError() != 0) ++refused_checks;
      else if (findings != reference.findings[0] && findings != reference.findings[1]) ++other_findings;
      if (!ReadWhole(file, bytes) || (bytes != reference.bytes[0] && bytes != reference.bytes[1])) ++torn_reads;
    }
  };
  {
    std::vector<std::jthread> threads;
    threads.emplace_back(write, files[0]);
    threads.emplace_back(write, files[1]);
    threads.emplace_back(check, files[2]);
    threads.emplace_back(check, files[3]);
  }

  EXPECT_EQ(refused_writes.load(), 0);
  EXPECT_EQ(refused_checks.load(), 0);
  EXPECT_EQ(other_findings.load(), 0);
  EXPECT_EQ(torn_reads.load(), 0);
  for (const std::string& file : {files[0], files[1]}) EXPECT_EQ(test::ReadBytes(file), reference.bytes[0]) << file;
  // Every temporary file went into its replacement.
  std::vector<std::string> expected;
  for (const std::string& file : files) expected.push_back(std::filesystem::path(file).filename().string());
  std::sort(expected.begin(), expected.end());
  expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
  EXPECT_EQ(test::ListFiles(dir.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, FourThreads,
                         ::testing::Values(Layout{"OneFile", true}, Layout{"FileEach", false}),
                         [](const ::testing::TestParamInfo<Layout>& layout) { return std::string(layout.param.name); });

}  // namespace
}  // namespace kgh
