// A process killed at any moment of a save, and a reader running while another process saves:
// the file is always one whole state between two writes, never torn, empty or mixed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <thread>

#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

constexpr int kKills = 300;
constexpr int kDomainLines = 300;  // within what one section read returns (16381 characters)

// A save writes, each marked with the save's number: Homepage, DefaultServer, remove [Domains],
// write [Domains], ErrorPage. Each write is whole, so the numbers never increase along that order.
struct SaveState {
  int64_t homepage = 0, server = 0;
  std::optional<int64_t> domains = 0;  // none between removing and rewriting [Domains]
  int64_t error_page = 0;
};

std::string Homepage(int64_t n) { return "http://localhost/start-" + std::to_string(n) + ".htm"; }
std::string Server(int64_t n) { return "server-" + std::to_string(n) + ":8080"; }
std::string ErrorPage(int64_t n) { return "res://error-" + std::to_string(n) + ".htm"; }
std::string Domains(int64_t n, std::string_view end) {  // the lines, each followed by `end`
  std::string text;
  for (int i = 0; i < kDomainLines; ++i)
    text += "http://host-" + std::to_string(i) + ".example/save-" + std::to_string(n) + "/" + std::string(end);
  return text;
}

// The exact bytes of the file in `s`; 300 stale user sections make it about 50 KB, so that every
// write takes a while.
std::string ConfigurationBytes(const SaveState& s) {
  std::string bytes = "[Browser]\r\nHomepage=" + Homepage(s.homepage) + "\r\nErrorPage=" + ErrorPage(s.error_page) +
                      "\r\nDisableContextMenu=1\r\nStatusBar=1\r\nAvoidModem=1\r\nBrowserEngine=2\r\n[Toolbar]\r\n"
                      "Back=1\r\nFwd=1\r\nSep\r\nUser1=http://localhost/shop/\r\n[User1]\r\nCaption=Shop\r\n"
                      "Bitmap=shop.bmp\r\n_Orders=http://localhost/shop/orders.asp\r\n[PrivateData]\r\nDefaultServer=" +
                      Server(s.server) + "\r\nDefaultRoot=C:\\Web\\shop\r\n";
  for (int i = 100; i < 400; ++i) {
    const std::string n = std::to_string(i);
    bytes += "[User" + n + "]\r\nCaption=Old button " + n + "\r\nBitmap=images/old-" + n +
             ".bmp\r\n_Old entry=http://localhost/old/" + n + ".htm\r\n";
  }
  return s.domains ? bytes + "[Domains]\r\n" + Domains(*s.domains, "\r\n") : bytes;
}

std::optional<int64_t> NumberAfter(const std::string& bytes, const std::string& prefix) {
  const std::size_t at = bytes.find(prefix);
  if (at == std::string::npos) return std::nullopt;
  return std::strtoll(bytes.c_str() + at + prefix.size(), nullptr, 10);
}

// The state of these bytes when they are whole: numbers in save order, bytes exactly that state's.
std::optional<SaveState> WholeStateOf(const std::string& bytes) {
  const auto h = NumberAfter(bytes, "=http://localhost/start-"), s = NumberAfter(bytes, "=server-"),
             e = NumberAfter(bytes, "=res://error-");
  if (!h || !s || !e) return std::nullopt;
  const SaveState state{*h, *s, NumberAfter(bytes, "\nhttp://host-0.example/save-"), *e};
  const int64_t d = state.domains.value_or(*e);
  if (*h < *s || *s < d || d < *e || ConfigurationBytes(state) != bytes) return std::nullopt;
  return state;
}

// A child that saves again and again until it is killed; it exits early only when a write fails.
pid_t StartSaving(const std::string& path) {
  const pid_t child = fork();
  if (child != 0) return child;
  ScriptedMessageBoxes messages;
  CIniFile2 ini(SystemProfileApi(), &messages);
  ini.INIFile = path;
  for (int64_t n = NumberAfter(ReadBytes(path), "=http://localhost/start-").value_or(0) + 1;; ++n) {
    ini.Section = "Browser";
    bool ok = ini.WriteString("Homepage", Homepage(n));
    ini.Section = "PrivateData";
    ok = ok && ini.WriteString("DefaultServer", Server(n));
    ini.Section = "Domains";
    ini.DeleteSection();
    ini.WriteSection(Domains(n, std::string_view("\0", 1)));
    ini.Section = "Browser";
    if (!ok || !ini.WriteString("ErrorPage", ErrorPage(n)) || !messages.shown.empty()) _exit(3);
  }
}

// Kills and reaps the child; says how it ended unless SIGKILL ended it.
std::string KillAndReap(pid_t child) {
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return {};
  return WIFEXITED(status) ? "saver exited with " + std::to_string(WEXITSTATUS(status)) : "saver died otherwise";
}

class CrashConsistency : public ::testing::Test {
 protected:
  void SetUp() override {
    // Written through the component, so that every forked saver inherits a used store.
    WriteBytes(path_, ConfigurationBytes({}));
    CIniFile2 ini;
    ini.INIFile = path_;
    ini.Section = "Browser";
    ASSERT_TRUE(ini.WriteString("Homepage", "x"));
    ASSERT_TRUE(ini.WriteString("Homepage", Homepage(0)));
    ASSERT_EQ(ReadBytes(path_), ConfigurationBytes({}));
  }
  std::size_t StrayTemporaryFiles() {  // left beside the file by interrupted replacements
    return static_cast<std::size_t>(std::ranges::count_if(ListFiles(dir_.path()), [](const std::string& name) {
      return name.starts_with(".Orvex.INI.") && name.ends_with(".tmp");
    }));
  }
  TempDir dir_;
  std::string path_ = dir_.File("Orvex.INI");
};

TEST_F(CrashConsistency, KilledSavesLeaveOneWholeStateAndTheNextWriteClearsTheirLeftovers) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delay_us(0, 20000);
  std::set<std::string> states_seen;  // the bytes tell the state
  std::size_t stray = 0;
  for (int kill_no = 0; kill_no < kKills; ++kill_no) {
    const pid_t child = StartSaving(path_);
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    ASSERT_EQ(KillAndReap(child), "") << "kill " << kill_no;
    const std::string bytes = ReadBytes(path_);
    ASSERT_TRUE(WholeStateOf(bytes).has_value()) << "kill " << kill_no << ": torn or mixed file of " << bytes.size()
                                   << " bytes:\n" << bytes.substr(0, 600);
    states_seen.insert(bytes);
    // A kill between creating the temporary file and renaming it leaves that one file.
    ASSERT_LE(StrayTemporaryFiles(), stray + 1) << "one kill leaves at most one temporary file";
    stray = StrayTemporaryFiles();
    ASSERT_EQ(ListFiles(dir_.path()).size(), stray + 1) << "only the file and leftovers";
  }
  std::cout << "[ reliability ] kills " << kKills << ", distinct whole states seen " << states_seen.size()
            << ", temporary files left by the last kills " << stray << "\n";
  RecordProperty("kills", kKills);
  EXPECT_GT(states_seen.size(), 1u) << "the saver never got a write done: the test proved nothing";

  CIniFile2 ini;  // the next whole write clears what the killed writers left behind
  ini.INIFile = path_;
  ini.Section = "Browser";
  ASSERT_TRUE(ini.WriteString("Homepage", "http://localhost/after-the-kills.htm"));
  EXPECT_EQ(StrayTemporaryFiles(), 0u);
}

TEST_F(CrashConsistency, AReaderWhileAnotherProcessSavesSeesOnlyWholeStates) {
  const pid_t child = StartSaving(path_);
  ASSERT_GT(child, 0);
  CIniFile2 browser;
  browser.INIFile = path_;
  browser.Section = "Domains";
  std::set<std::string> seen;
  int reads = 0;
  std::string failure;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
  for (; failure.empty() && seen.size() < 200 && std::chrono::steady_clock::now() < deadline; ++reads) {
    const std::string bytes = ReadBytes(path_);
    if (!WholeStateOf(bytes)) failure = "raw read " + std::to_string(reads) + " saw a torn file";
    const std::size_t domains = SplitSectionText(browser.GetSection()).size();
    if (domains != 0 && domains != static_cast<std::size_t>(kDomainLines))
      failure = "section read " + std::to_string(reads) + " saw " + std::to_string(domains) + " domains";
    seen.insert(bytes);
  }
  const std::string ended = KillAndReap(child);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(ended, "");
  std::cout << "[ reliability ] concurrent reads " << reads << ", distinct states " << seen.size() << "\n";
  EXPECT_GT(seen.size(), 1u) << "the saver never got a write done: the test proved nothing";
}

}  // namespace
}  // namespace kgh::test
