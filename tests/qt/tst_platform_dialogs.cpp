// The file dialogs and the folder picker as a user meets them: what they open on, what they
// offer, what they refuse, and the path they hand back.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <optional>

#include "QtFakes.h"
#include "platform/CBrowseFolder.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtFolderBrowser.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

class PlatformDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseApplication();
    std::filesystem::create_directories(dir.path() / "sub");
    WriteBytes(dir.File("start.htm"), "<html>");
    WriteBytes(dir.File("old.ini"), "[Browser]\r\n");
  }
  FileDialogRequest Open() const { return {"Select start page", "ASP / HTML pages", "htm;*.asp;*.aspx;*.php", folder, false}; }
  FileDialogRequest Save() const { return {"Save Orvex config file", "Configuration file", "ini", folder, true}; }

  TempDir dir;
  std::string folder = dir.path().string();
  qt::QtFileDialogs dialogs;
};

// Types `name` into the file dialog's name box and presses Enter.
void Choose(QWidget* dialog, const QString& name) {
  TakeKeyboardBack(dialog);
  auto* edit = Child<QLineEdit>(dialog, "fileNameEdit");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, name);
  QTest::keyClick(edit, Qt::Key_Return);
}

// Chooses `name`, which the dialog must refuse with a message box: answers it with `button` and
// returns its text.
QString Refused(QWidget* dialog, const QString& name, QMessageBox::StandardButton button) {
  QString text;
  WhenMessageBox([button, &text](QMessageBox* box) {
    text = box->text();
    QTest::mouseClick(box->button(button), Qt::LeftButton);
  });
  Choose(dialog, name);
  EXPECT_TRUE(dialog->isVisible()) << name.toStdString() << " was taken";
  return text;
}

TEST_F(PlatformDialogsTest, OpenModeShowsTheRequestAndChoosesOnlyAnExistingFile) {
  QString refusal;
  WhenModal("FileDialog", [this, &refusal](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    EXPECT_EQ(dialog->windowTitle(), "Select start page");
    EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(folder));
    EXPECT_EQ(dialog->nameFilters(), QStringList("ASP / HTML pages (*.htm *.asp *.aspx *.php)"));
    refusal = Refused(dialog, "missing.htm", QMessageBox::Ok);
    Choose(dialog, "start.htm");
  });
  EXPECT_EQ(dialogs.ShowFileDialog(Open()), dir.File("start.htm"));
  EXPECT_TRUE(refusal.contains("missing.htm")) << refusal.toStdString();
}

TEST_F(PlatformDialogsTest, SaveModeNeedsAnExistingFolderAsksBeforeOverwritingAndAddsNoExtension) {
  QString missing_folder, overwrite;
  WhenModal("FileDialog", [&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Save Orvex config file");
    missing_folder = Refused(dialog, "missing/kiosk.ini", QMessageBox::Ok);
    overwrite = Refused(dialog, "old.ini", QMessageBox::No);  // No to overwriting keeps the dialog open
    Choose(dialog, "kiosk");
  });
  EXPECT_EQ(dialogs.ShowFileDialog(Save()), dir.File("kiosk"));
  EXPECT_TRUE(missing_folder.contains("does not exist")) << missing_folder.toStdString();
  EXPECT_TRUE(overwrite.contains("old.ini")) << overwrite.toStdString();
}

TEST_F(PlatformDialogsTest, EscAndAPathLongerThanTheBufferBothGiveNothing) {
  // Asked for while the host's own window is in front, the dialog stands over that window.
  QWidget host;
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
  QWidget* parent = nullptr;
  WhenModal("FileDialog", [&parent](QWidget* dialog) {
    parent = dialog->parentWidget();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(dialogs.ShowFileDialog(Save()), "");
  EXPECT_EQ(parent, &host);
  host.hide();

  // Paths of exactly the buffer's length and one character more.
  const std::size_t room = kMaxFileDialogPath - folder.size() - 1;
  for (const std::size_t length : {room, room + 1}) {
    const std::string name = std::string(length - 4, 'x') + ".htm";
    WriteBytes(dir.File(name), "<html>");
    WhenModal("FileDialog", [&name](QWidget* dialog) { Choose(dialog, QString::fromStdString(name)); });
    const std::string chosen = dialogs.ShowFileDialog(Open());
    EXPECT_EQ(chosen, length == room ? dir.File(name) : "") << folder.size() + 1 + length << " characters";
  }
}

TEST_F(PlatformDialogsTest, TheFolderPickerOpensOnTheFolderGivenAndReturnsTheOneChosen) {
  qt::QtFolderBrowser browser;
  CBrowseFolder picker(&browser);
  WhenModal("FolderBrowser", [this](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    EXPECT_EQ(dialog->windowTitle(), "Select application directory");
    EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(folder));
    // Folders only: once "sub" is listed, the files beside it are not.
    auto* list = Child<QListView>(dialog, "listView");
    const auto listed = [list] {
      QStringList names;
      for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
      return names;
    };
    EXPECT_TRUE(QTest::qWaitFor([&listed] { return listed().contains("sub"); }));
    EXPECT_EQ(listed(), QStringList("sub"));
    QTest::keyClick(Child<QLineEdit>(dialog, "fileNameEdit"), Qt::Key_Return);  // the folder it opened on
  });
  EXPECT_EQ(picker.BrowseForFolder(nullptr, folder), folder);
  EXPECT_EQ(PendingBrowseFolder, folder);

  WhenModal("FolderBrowser", [](QWidget* dialog) { Choose(dialog, "sub"); });
  EXPECT_EQ(picker.BrowseForFolder(nullptr, folder), dir.File("sub")) << "no trailing separator";

  WhenModal("FolderBrowser", [](QWidget* dialog) { Choose(dialog, "/"); });
  EXPECT_EQ(picker.BrowseForFolder(nullptr, folder), "/") << "the root keeps its separator";

  WhenModal("FolderBrowser", [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
  EXPECT_EQ(picker.BrowseForFolder(nullptr, folder), "");
}

// An X server of its own, on a display number it chose free, for as long as it lives.
class XServer {
 public:
  XServer() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      const std::string fd = std::to_string(ready[1]);
      // -noreset: a server that resets when its last client leaves turns the next one away.
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ready[1]);
    // Xvfb writes its display number once it takes clients; EOF when it could not start.
    char digits[16] = {};
    for (std::size_t got = 0; got < sizeof digits - 1;) {
      const ssize_t n = read(ready[0], digits + got, sizeof digits - 1 - got);
      if (n <= 0 || digits[got + static_cast<std::size_t>(n) - 1] == '\n') break;
      got += static_cast<std::size_t>(n);
    }
    close(ready[0]);
    if (digits[0] >= '0' && digits[0] <= '9') display_ = ":" + std::string(digits, std::strcspn(digits, "\n"));
  }
  ~XServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  const std::string& display() const { return display_; }  // "" when it did not start

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Whether Qt would find a platform to show windows on, asked the way Qt chooses one; a wrong
// "yes" ends the host's process inside Qt, a wrong "no" refuses the dialogs.
TEST(DisplayAvailable, AsQtWouldChooseItsPlatform) {
  const XServer server;
  ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
  TempDir runtime, compositor;
  WriteBytes(compositor.File("wayland-0"), "");
  const std::string live = server.display(), dead = ":" + std::to_string(std::stoi(live.substr(1)) + 1000);
  struct Case { const char *platform, *session, *display, *wayland; std::string runtime; bool available; };
  const Case cases[] = {
      {"offscreen", "", "", "", "", true},
      {"xcb", "", "", "", "", false},
      {"xcb", "", dead.c_str(), "", "", false},
      {"xcb", "", live.c_str(), "", "", true},
      {"", "", live.c_str(), "", "", true},                 // the default is X
      {"", "wayland", "", "", runtime.path(), false},        // a Wayland session tries Wayland, then X
      {"", "wayland", live.c_str(), "", runtime.path(), true},
      {"", "wayland", "", "wayland-1", runtime.path(), true},
      {"wayland", "", "", "", compositor.path(), true},      // the compositor's socket by its usual name
      {"wayland", "", live.c_str(), "", runtime.path(), false},
      {"wayland;offscreen", "", "", "", runtime.path(), true},
      {"xcb:nodpi;wayland", "", dead.c_str(), "", runtime.path(), false},
  };
  const char* names[] = {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"};
  std::map<std::string, std::optional<std::string>> saved;
  for (const char* name : names) saved[name] = std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt;
  for (const Case& c : cases) {
    const std::string values[] = {c.platform, c.session, c.display, c.wayland, c.runtime};
    for (std::size_t i = 0; i < std::size(names); ++i)
      values[i].empty() ? unsetenv(names[i]) : setenv(names[i], values[i].c_str(), 1);
    EXPECT_EQ(qt::DisplayAvailable(), c.available)
        << c.platform << " | " << c.session << " | " << c.display << " | " << c.wayland << " | " << c.runtime;
  }
  for (const auto& [name, value] : saved) value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
}

}  // namespace
}  // namespace kgh::test
