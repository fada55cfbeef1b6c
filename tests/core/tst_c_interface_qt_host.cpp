// A Qt host of the C interface: its own application owns the widgets, so the library's dialogs
// may be shown only to the application's thread, and not at all where the host's application
// cannot carry widgets. Each host runs in a child process, as a process has one application.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <KelmarGUIHelper/KelmarGUIHelper.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

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

// Runs `host` in a child process whose Qt application, offscreen, the host made itself.
int InHostApplication(const std::function<int()>& host) {
  return InChildProcess([&] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "host";
    char* argv[] = {name, nullptr};
    const QApplication application(argc, argv);
    return host();
  });
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

// The user's part of a new configuration, made as the dialogs come up on the host application's
// thread: Next, the empty configuration, its file name typed, and OK in the options dialog. Each
// is done once the timer's turn is over, since a dialog it opens runs until the next turn.
void BuildAnEmptyConfigurationAs(const std::string& built, QTimer& user) {
  QObject::connect(&user, &QTimer::timeout, [built] {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || window->focusWidget() == nullptr) return;
    const QPointer<QWidget> focus = window->focusWidget();
    const QString title = window->windowTitle();
    std::function<void()> act = [focus] { QTest::keyClick(focus, Qt::Key_Return); };  // OK, or Next
    if (qobject_cast<QFileDialog*>(window) != nullptr) {
      act = [focus, built] {
        QTest::keyClicks(focus, QString::fromStdString(built));
        QTest::keyClick(focus, Qt::Key_Return);
      };
    } else if (title.startsWith(QStringLiteral("Pallix Browser Configuration Wizard - "))) {
      for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() &&
            QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name) == "Create empty configuration")
          act = [button = QPointer<QAbstractButton>(button)] { QTest::mouseClick(button, Qt::LeftButton); };
    } else if (title != QStringLiteral("Pallix Browser Options")) {
      return;
    }
    QTimer::singleShot(0, window, act);
  });
  user.start(100);
}

TEST_F(QtHost, TheWizardOnTheApplicationsThreadAnswersThePathOfTheConfigurationBuilt) {
  const std::string built = dir_.File("new.ini");
  EXPECT_EQ(InHostApplication([&] {
              QTimer user;
              BuildAnEmptyConfigurationAs(built, user);
              char* path = KelmarGUIHelper_CreateNew();
              const bool answered = path != nullptr && path == built && KelmarGUIHelper_LastError() == 0;
              KelmarGUIHelper_FreeString(path);
              return answered ? 0 : 1;
            }),
            0);
  EXPECT_NE(test::ReadBytes(built).find("[PrivateData]\r\n"), std::string::npos) << "saved by the options dialog";
}

TEST_F(QtHost, DialogCallsFromAnotherThreadThanTheApplicationsReturnWithTheReason) {
  EXPECT_EQ(InHostApplication([&] {
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
