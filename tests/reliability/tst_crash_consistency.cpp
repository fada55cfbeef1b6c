// A process killed at any moment of a save, and a reader running while another process saves:
// the file is always one whole state between two writes, never torn, empty or mixed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <set>
#include <thread>

#include "ConfigurationStates.h"
#include "ReliabilitySupport.h"
#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

constexpr int kKills = 300;

// A child that saves again and again until it is killed; it exits early only when a write
// fails, which the parent reports.
pid_t StartSaving(const std::string& path) {
  const pid_t child = fork();
  if (child != 0) return child;
  RecordingMessageBoxes messages;
  CIniFile2 ini(SystemProfileApi(), &messages);
  ini.INIFile = path;
  for (int64_t save = LastSaveStarted(ini) + 1;; ++save)
    if (!SaveConfiguration(ini, save) || !messages.shown.empty()) _exit(3);
}

// Waits for the child and says how it ended unless SIGKILL ended it.
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
    CIniFile2 ini;
    ini.INIFile = path_;
    ini.Section = "Browser";
    WriteBytes(path_, ConfigurationBytes(SaveState{}));
    ASSERT_TRUE(ini.WriteString("Homepage", "http://localhost/start-x.htm"));
    ASSERT_TRUE(ini.WriteString("Homepage", "http://localhost/start-0.htm"));
    ASSERT_EQ(ReadBytes(path_), ConfigurationBytes(SaveState{}));
  }
  TempDir dir_;
  std::string path_ = dir_.File("Orvex.INI");
};

TEST_F(CrashConsistency, KilledSavesLeaveOneWholeStateAndTheNextWriteClearsTheirLeftovers) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delay_us(0, 20000);
  std::set<std::string> states_seen;
  std::size_t kills_with_stray_file = 0;
  for (int kill_no = 0; kill_no < kKills; ++kill_no) {
    const pid_t child = StartSaving(path_);
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    ASSERT_EQ(KillAndReap(child), "") << "kill " << kill_no;

    const std::string bytes = ReadBytes(path_);
    const auto state = WholeStateOf(bytes);
    ASSERT_TRUE(state.has_value()) << "kill " << kill_no << ": torn or mixed file of " << bytes.size()
                                   << " bytes:\n" << bytes.substr(0, 600);
    states_seen.insert(std::to_string(state->homepage) + "/" + std::to_string(state->server) + "/" +
                       (state->domains ? std::to_string(*state->domains) : "-") + "/" +
                       std::to_string(state->error_page));
    // A kill between creating the temporary file and renaming it leaves that one file.
    const auto stray = StrayTemporaryFiles(path_);
    ASSERT_LE(stray.size(), kills_with_stray_file + 1) << "one kill leaves at most one temporary file";
    kills_with_stray_file = stray.size();
    ASSERT_EQ(ListFiles(dir_.path()).size(), stray.size() + 1) << "only the file and leftovers";
  }
  std::cout << "[ reliability ] kills " << kKills << ", distinct whole states seen " << states_seen.size()
            << ", temporary files left by the last kills " << kills_with_stray_file << "\n";
  RecordProperty("kills", kKills);
  EXPECT_GT(states_seen.size(), 1u) << "the saver never got a write done: the test proved nothing";

  // The next whole write clears what the killed writers left behind.
  CIniFile2 ini;
  ini.INIFile = path_;
  ini.Section = "Browser";
  ASSERT_TRUE(ini.WriteString("Homepage", "http://localhost/after-the-kills.htm"));
  EXPECT_EQ(StrayTemporaryFiles(path_).size(), 0u);
}

TEST_F(CrashConsistency, AReaderWhileAnotherProcessSavesSeesOnlyWholeStates) {
  const pid_t child = StartSaving(path_);
  ASSERT_GT(child, 0);
  CIniFile2 browser;
  browser.INIFile = path_;
  std::set<std::string> seen;
  int reads = 0;
  std::string failure;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
  while (failure.empty() && seen.size() < 200 && std::chrono::steady_clock::now() < deadline) {
    const std::string bytes = ReadBytes(path_);
    if (!WholeStateOf(bytes)) failure = "raw read " + std::to_string(reads) + " saw a torn file";
    browser.Section = "Domains";
    const auto domains = SplitSectionText(browser.GetSection());
    if (!domains.empty() && domains.size() != static_cast<std::size_t>(kDomainLines))
      failure = "section read " + std::to_string(reads) + " saw " + std::to_string(domains.size()) + " domains";
    seen.insert(bytes);
    ++reads;
  }
  const std::string ended = KillAndReap(child);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(ended, "");
  std::cout << "[ reliability ] concurrent reads " << reads << ", distinct states " << seen.size() << "\n";
  EXPECT_GT(seen.size(), 1u) << "the saver never got a write done: the test proved nothing";
}

}  // namespace
}  // namespace kgh::test
