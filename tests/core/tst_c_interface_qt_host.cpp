// A Qt host of the C interface: its own application owns the widgets, so the library's dialogs
// may be shown only to the application's thread, and not at all where the host's application
// cannot carry widgets. Each host runs in a child process, as a process has one application.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <KelmarGUIHelper/KelmarGUIHelper.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "support/TempDir.h"

namespace kgh {
namespace {

// Runs `host` in a child process and answers how it ended: its exit status, or 128 + the signal
// that ended it. The host's application has gone when `host` returns; the child then leaves
// without the exit handlers of the test process it copied.
int InChildProcess(const std::function<int()>& host) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) _exit(host());
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Makes every dialog call on `file`; how many did not come back at once with `expected`.
int DialogCallsRefused(const std::string& file, int expected) {
  int wrong = 0;
  KelmarGUIHelper_SetupOrvex(nullptr, "/srv/kiosk", file.c_str());
  wrong += KelmarGUIHelper_LastError() != expected;
  KelmarGUIHelper_SetupOrvexEx(nullptr, "/srv/kiosk", file.c_str(), "localhost:8080");
  wrong += KelmarGUIHelper_LastError() != expected;
  KelmarGUIHelper_EditExistingProject(file.c_str());
  wrong += KelmarGUIHelper_LastError() != expected;
  char* built = KelmarGUIHelper_CreateNew();
  wrong += KelmarGUIHelper_LastError() != expected || built == nullptr || *built != '\0';
  KelmarGUIHelper_FreeString(built);
  return wrong;
}

class QtHost : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(KelmarGUIHelper_CreateStartFile(file_.c_str(), "start.htm"), -1);
    before_ = test::ReadBytes(file_);
  }
  void TearDown() override { EXPECT_EQ(test::ReadBytes(file_), before_); }

  test::TempDir dir_;
  std::string file_ = dir_.File("Orvex.INI");
  std::string before_;
};

TEST_F(QtHost, DialogCallsFromAnotherThreadThanTheApplicationsReturnWithTheReason) {
  EXPECT_EQ(InChildProcess([&] {
              setenv("QT_QPA_PLATFORM", "offscreen", 1);
              int argc = 1;
              char name[] = "host";
              char* argv[] = {name, nullptr};
              const QApplication application(argc, argv);
              int wrong = -1;
              std::thread([&] { wrong = DialogCallsRefused(file_, KELMARGUIHELPER_ERROR_OTHER_THREAD); }).join();
              return wrong;
            }),
            0);
}

TEST_F(QtHost, AHostApplicationWithoutWidgetsGetsNoDialog) {
  // Each makes the host's application and calls the library while it runs.
  const auto refused = [&] { return DialogCallsRefused(file_, KELMARGUIHELPER_ERROR_NO_DISPLAY); };
  const struct {
    const char* kind;
    std::function<int(int&, char**)> host;
  } hosts[] = {
      {"QCoreApplication", [&](int& argc, char** argv) { const QCoreApplication app(argc, argv); return refused(); }},
      {"QGuiApplication", [&](int& argc, char** argv) { const QGuiApplication app(argc, argv); return refused(); }},
  };
  for (const auto& host : hosts) {
    EXPECT_EQ(InChildProcess([&] {
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
                int argc = 1;
                char name[] = "host";
                char* argv[] = {name, nullptr};
                return host.host(argc, argv);
              }),
              0)
        << host.kind;
  }
}

}  // namespace
}  // namespace kgh
