// A process killed at any moment of the options dialog's save, or of the wizard's building of a
// configuration, leaves a configuration from before or after that save, never a mix of both.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <thread>

#include "config/ConfigFormat.h"
#include "options/frmOrvexOptions.h"
#include "support/TempDir.h"
#include "wizard/WizardFakes.h"

namespace kgh::test {
namespace {

constexpr int kKills = 1000;
constexpr int kUserButtons = 8;

// Eight user buttons, each with a sub-entry, and six domains.
std::string EightButtons() {
  std::string toolbar = "[Toolbar]\r\nBack=1\r\nSep\r\n", sections;
  for (int i = 1; i <= kUserButtons; ++i) {
    const std::string n = std::to_string(i);
    toolbar += "User" + n + "=http://localhost/app" + n + "/\r\n";
    sections += "[User" + n + "]\r\nCaption=Application " + n + "\r\nBitmap=images/app" + n +
                ".bmp\r\n_Help " + n + "=http://localhost/app" + n + "/help.htm\r\n";
  }
  return "[Browser]\r\nHomepage=http://localhost/\r\nErrorPage=res://error.htm\r\n" + toolbar + sections +
         "[Domains]\r\njavascript:\r\nmailto:\r\nres:\r\nabout:\r\nhttp://localhost\r\nhttps://localhost\r\n";
}

// One OK in the options dialog: the first user button with its sub-entry moves to the end, so
// every user section is written under a new number, and a domain comes or goes.
void SaveOnce(const std::string& path) {
  frmOrvexOptions form;
  form.Start("", path, "");
  auto& rows = form.lstButtons.rows;
  const auto first = std::find_if(rows.begin(), rows.end(), [](const ToolbarEntry& r) { return r.IsUserKind(); });
  std::rotate(first, first + 2, rows.end());
  auto& domains = form.lstDomains.items;
  const auto toggled = std::find(domains.begin(), domains.end(), "http://intranet.example");
  if (toggled == domains.end()) domains.push_back("http://intranet.example");
  else domains.erase(toggled);
  form.cmdOK_Click();
}

// One build of a configuration for an application whose folder holds index.htm, for a computer
// named `computer`; the options dialog it opens at the end is not shown.
void BuildOnce(const std::string& path, const std::string& computer) {
  SetupOrvex component(ComponentServices{});
  ScriptedFileDialogs save_dialog;
  save_dialog.choices = {path};
  ScriptedPlatform platform;
  platform.computer = computer;
  platform.folder = {{"index.htm", 0}};
  frmWizard wizard(WizardServices{
      .opener = &component, .file_dialogs = &save_dialog, .listing = &platform, .computer_name = &platform});
  wizard.Form_Load();
  wizard.BuildNewConfiguration("/shop", "/srv/shop");
}

// The file as `action` leaves it, run again and again until every state it reaches is known.
std::set<std::string> StatesOf(const std::string& path, const std::function<void()>& action) {
  std::set<std::string> states{ReadBytes(path)};
  for (std::size_t before = 0; before != states.size();) {
    before = states.size();
    for (int i = 0; i < 2 * kUserButtons; ++i) action(), states.insert(ReadBytes(path));
  }
  return states;
}

// Kills a process that repeats `action` at random moments; each time, the file must be one of
// `states`. Returns the number of distinct states met.
std::size_t KillWhileRepeating(const std::string& path, const std::function<void()>& action,
                               const std::set<std::string>& states) {
  std::mt19937 random(2026);
  // A save or a build takes a few milliseconds, most of them flushing to disk, and longer on a
  // busy machine or under a sanitizer: the kills are spread over six of them, as long as they
  // take here and now, so that the saver often gets through some before it is killed.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) action();
  using std::chrono::microseconds;
  const auto per_action = std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start) / 4;
  std::uniform_int_distribution<long long> delay_us(0, std::max<long long>(20000, 6 * per_action.count()));
  std::set<std::string> met;
  for (int kill_no = 0; kill_no < kKills; ++kill_no) {
    const pid_t child = fork();
    if (child < 0) ADD_FAILURE() << "fork failed";
    if (child <= 0) {
      if (child == 0)
        for (;;) action();
      return met.size();
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the saver ended by itself";
    const std::string bytes = ReadBytes(path);
    if (!states.contains(bytes)) {
      ADD_FAILURE() << "kill " << kill_no << " left a configuration that no save wrote:\n" << bytes.substr(0, 800);
      return met.size();
    }
    met.insert(bytes);
  }
  return met.size();
}

TEST(WholeSaves, AKilledOptionsDialogSaveLeavesTheConfigurationBeforeOrAfterIt) {
  TempDir dir;
  const std::string path = dir.File("Orvex.INI");
  WriteBytes(path, EightButtons());
  const std::set<std::string> states = StatesOf(path, [&path] { SaveOnce(path); });
  const std::size_t met = KillWhileRepeating(path, [&path] { SaveOnce(path); }, states);
  std::cout << "[ reliability ] dialog saves killed " << kKills << ", states met " << met << " of " << states.size()
            << "\n";
  EXPECT_GT(met, 2u) << "the saver rarely finished a save: the kills proved little";
  // A kill between making its temporary file and renaming it leaves only that file behind, and the
  // next whole save clears every such leftover.
  const auto leftovers = [&dir] {
    std::size_t count = 0;
    for (const std::string& name : ListFiles(dir.path())) {
      if (name == "Orvex.INI") continue;
      EXPECT_TRUE(name.starts_with(".Orvex.INI.") && name.ends_with(".tmp")) << "not a leftover of a save: " << name;
      ++count;
    }
    return count;
  };
  EXPECT_LE(leftovers(), static_cast<std::size_t>(kKills));
  SaveOnce(path);
  EXPECT_EQ(leftovers(), 0u);
}

TEST(WholeSaves, AKilledWizardBuildLeavesTheFileBeforeOrAfterIt) {
  TempDir dir;
  const std::string path = dir.File("kiosk.ini");
  WriteBytes(path, EightButtons());
  bool second = false;
  const auto build = [&] { BuildOnce(path, (second = !second) ? "KIOSK-A" : "KIOSK-B"); };
  const std::set<std::string> states = StatesOf(path, build);
  ASSERT_EQ(states.size(), 3u) << "the old file and one configuration per computer name";
  WriteBytes(path, EightButtons());
  const std::size_t met = KillWhileRepeating(path, build, states);
  std::cout << "[ reliability ] wizard builds killed " << kKills << ", states met " << met << "\n";
  EXPECT_GE(met, 2u) << "the builder rarely finished a build: the kills proved little";
}

}  // namespace
}  // namespace kgh::test
