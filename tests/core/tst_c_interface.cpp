// A host that loads the shared library at run time and calls its C interface.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <KelmarGUIHelper/KelmarGUIHelper.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

using CreateStartFileFn = int16_t (*)(const char*, const char*);
using CheckFn = int16_t (*)(const char*, KelmarGUIHelper_Finding**, size_t*);
using LastErrorFn = int (*)();

TEST_F(LoadedLibrary, AnswersWithAutomationBooleans) {
  const auto create = Symbol<CreateStartFileFn>("KelmarGUIHelper_CreateStartFile");
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
                           "KelmarGUIHelper_CreateStartFile", "KelmarGUIHelper_Compile", "KelmarGUIHelper_FreeString",
                           "KelmarGUIHelper_CheckConfiguration", "KelmarGUIHelper_FreeFindings",
                           "KelmarGUIHelper_LastError"})
    EXPECT_NE(dlsym(handle_, name), nullptr) << name;
  EXPECT_EQ(dlsym(handle_, "_ZN3kgh10SetupOrvex15CreateStartFileERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEES8_"),
            nullptr);
}

// Each call leaves why it failed, or 0, for the thread that made it.
TEST_F(LoadedLibrary, LastErrorSaysWhyThisThreadsLastCallFailed) {
  const auto create = Symbol<CreateStartFileFn>("KelmarGUIHelper_CreateStartFile");
  const auto check = Symbol<CheckFn>("KelmarGUIHelper_CheckConfiguration");
  const auto free_findings = Symbol<void (*)(KelmarGUIHelper_Finding*, size_t)>("KelmarGUIHelper_FreeFindings");
  const auto last_error = Symbol<LastErrorFn>("KelmarGUIHelper_LastError");
  ASSERT_TRUE(create && check && free_findings && last_error);
  test::TempDir dir;
  const std::string file = dir.File("Orvex.INI");
  std::filesystem::create_directory(dir.File("folder"));

  const auto check_file = [&](const char* path) {
    KelmarGUIHelper_Finding* findings = nullptr;
    size_t count = 0;
    const int16_t answer = check(path, &findings, &count);
    free_findings(findings, count);
    return answer;
  };
  const struct {
    const char* call;
    std::function<int16_t()> make;
    int16_t answer;
    int error;
  } cases[] = {
      {"a start file written", [&] { return create(file.c_str(), "start.htm"); }, -1, 0},
      {"a start file in a missing folder", [&] { return create(dir.File("missing/Orvex.INI").c_str(), "a"); }, 0, ENOENT},
      {"a start file where a folder is", [&] { return create(dir.File("folder").c_str(), "a"); }, 0, EISDIR},
      {"a check of the file", [&] { return check_file(file.c_str()); }, -1, 0},
      {"a check of a missing file", [&] { return check_file(dir.File("none.ini").c_str()); }, 0, ENOENT},
      {"a check with nowhere to put findings", [&] { return check(file.c_str(), nullptr, nullptr); }, 0, EINVAL},
      {"a check of no path", [&] { return check_file(nullptr); }, 0, EINVAL},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.make(), c.answer) << c.call;
    EXPECT_EQ(last_error(), c.error) << c.call;
  }

  // A thread's failure is its own: neither does another thread see it, nor does that thread's
  // success clear it.
  EXPECT_EQ(create(dir.File("missing/Orvex.INI").c_str(), "a"), 0);
  int other_thread_error = -100;
  std::thread([&] {
    other_thread_error = last_error();
    EXPECT_EQ(create(file.c_str(), "b.htm"), -1);
  }).join();
  EXPECT_EQ(other_thread_error, 0);
  EXPECT_EQ(last_error(), ENOENT);
}

// What the library hands out, the host gives back whole: a thousand checks, each freed, leave the
// heap as it was but for a little the allocator keeps.
TEST_F(LoadedLibrary, FreeingFindingsGivesTheirMemoryBack) {
  const auto check = Symbol<CheckFn>("KelmarGUIHelper_CheckConfiguration");
  const auto free_findings = Symbol<void (*)(KelmarGUIHelper_Finding*, size_t)>("KelmarGUIHelper_FreeFindings");
  ASSERT_TRUE(check && free_findings);
  test::TempDir dir;
  test::WriteBytes(dir.File("Orvex.INI"), "[Browser]\r\nStatusBar=5\r\n[Domains]\r\nhttp://localhost:{PORT}/\r\n");
  const auto checks = [&](int times) {
    for (int i = 0; i < times; ++i) {
      KelmarGUIHelper_Finding* findings = nullptr;
      size_t count = 0;
      check(dir.File("Orvex.INI").c_str(), &findings, &count);
      EXPECT_GT(count, 0u);
      free_findings(findings, count);
    }
  };
  checks(10);  // the library's own first uses
  const std::size_t before = mallinfo2().uordblks;
  checks(1000);
  EXPECT_LT(mallinfo2().uordblks, before + 4096);
}

// Runs `calls` in a child process and answers how it ended: its exit status, or 128 + the signal
// that ended it (Qt ends a process that finds no display with abort()). The child leaves without
// the exit handlers of the test process it copied (a leak check would judge the parent's memory).
template <typename Calls>
int InChildProcess(Calls calls) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) _exit(calls());
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// With no display, every dialog call comes back without showing anything, says why, and leaves
// the host running: Qt would end the process if it were asked to find one.
TEST_F(LoadedLibrary, DialogCallsWithoutADisplayReturnWithTheReason) {
  const auto setup = Symbol<void (*)(const void*, const char*, const char*)>("KelmarGUIHelper_SetupOrvex");
  const auto setup_ex = Symbol<void (*)(const void*, const char*, const char*, const char*)>("KelmarGUIHelper_SetupOrvexEx");
  const auto edit = Symbol<void (*)(const char*)>("KelmarGUIHelper_EditExistingProject");
  const auto create_new = Symbol<char* (*)()>("KelmarGUIHelper_CreateNew");
  const auto free_string = Symbol<void (*)(char*)>("KelmarGUIHelper_FreeString");
  const auto create = Symbol<CreateStartFileFn>("KelmarGUIHelper_CreateStartFile");
  const auto last_error = Symbol<LastErrorFn>("KelmarGUIHelper_LastError");
  ASSERT_TRUE(setup && setup_ex && edit && create_new && free_string && create && last_error);
  const int expected = KGH_LIBRARY_HAS_DIALOGS ? KELMARGUIHELPER_ERROR_NO_DISPLAY : KELMARGUIHELPER_ERROR_NO_DIALOGS;

  test::TempDir dir;
  const std::string file = dir.File("Orvex.INI");
  ASSERT_EQ(create(file.c_str(), "start.htm"), -1);
  const std::string before = test::ReadBytes(file);
  std::filesystem::create_directory(dir.File("runtime"));  // a session folder with no compositor in it

  const struct {
    const char* qt_platform;   // QT_QPA_PLATFORM, nullptr for none
    const char* session_type;  // XDG_SESSION_TYPE, nullptr for none
  } environments[] = {
      {nullptr, nullptr}, {"xcb", nullptr}, {"wayland", nullptr}, {"wayland;xcb", nullptr},
      {"xcb:nograb", nullptr}, {nullptr, "x11"}, {nullptr, "wayland"},
  };
  for (const auto& environment : environments) {
    const int ended = InChildProcess([&] {
      for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) unsetenv(name);
      if (environment.qt_platform != nullptr) setenv("QT_QPA_PLATFORM", environment.qt_platform, 1);
      if (environment.session_type != nullptr) setenv("XDG_SESSION_TYPE", environment.session_type, 1);
      setenv("XDG_RUNTIME_DIR", dir.File("runtime").c_str(), 1);
      int wrong = 0;  // how many calls did not come back with the reason
      setup(nullptr, dir.path().c_str(), file.c_str());
      wrong += last_error() != expected;
      setup_ex(nullptr, dir.path().c_str(), file.c_str(), "localhost:8080");
      wrong += last_error() != expected;
      edit(file.c_str());
      wrong += last_error() != expected;
      char* built = create_new();
      wrong += last_error() != expected || built == nullptr || *built != '\0';
      free_string(built);
      return wrong;
    });
    EXPECT_EQ(ended, 0) << "QT_QPA_PLATFORM=" << (environment.qt_platform ? environment.qt_platform : "(unset)")
                        << " XDG_SESSION_TYPE=" << (environment.session_type ? environment.session_type : "(unset)");
  }
  EXPECT_EQ(test::ReadBytes(file), before);
}

}  // namespace
}  // namespace kgh
