// A reader running while another process saves: the file is always one whole state between two
// writes, never torn, empty or mixed. (Killed saves: tst_whole_saves and tst_ownership.)
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <set>
#include <thread>

#include "config/ConfigFormat.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

// [Domains] lines, within what one section read returns (16381 characters).
constexpr int kDomainLines = 300;

// A save writes, each marked with the save's number: Homepage, DefaultServer, remove [Domains],
// write [Domains], ErrorPage. Each write is whole, so the numbers never increase along that order.

std::string Homepage(int64_t n) { return "http://localhost/start-" + std::to_string(n) + ".htm"; }
std::string Server(int64_t n) { return "server-" + std::to_string(n) + ":8080"; }
std::string ErrorPage(int64_t n) { return "res://error-" + std::to_string(n) + ".htm"; }
std::string Domains(int64_t n, std::string_view end) {  // the lines, each followed by `end`
  std::string text;
  for (int i = 0; i < kDomainLines; ++i)
    text += "http://host-" + std::to_string(i) + ".example/save-" + std::to_string(n) + "/" + std::string(end);
  return text;
}

// The exact bytes of the file after the writes numbered `home`, `server`, `domains` (none between
// removing and rewriting [Domains]) and `error`; 300 stale user sections make it about 50 KB, so
// that every write takes a while.
std::string ConfigurationBytes(int64_t home, int64_t server, std::optional<int64_t> domains, int64_t error) {
  std::string bytes = "[Browser]\r\nHomepage=" + Homepage(home) + "\r\nErrorPage=" + ErrorPage(error) +
                      "\r\nDisableContextMenu=1\r\nStatusBar=1\r\nAvoidModem=1\r\nBrowserEngine=2\r\n[Toolbar]\r\n"
                      "Back=1\r\nFwd=1\r\nSep\r\nUser1=http://localhost/shop/\r\n[User1]\r\nCaption=Shop\r\n"
                      "Bitmap=shop.bmp\r\n_Orders=http://localhost/shop/orders.asp\r\n[PrivateData]\r\nDefaultServer=" +
                      Server(server) + "\r\nDefaultRoot=C:\\Web\\shop\r\n";
  for (int i = 100; i < 400; ++i) {
    const std::string n = std::to_string(i);
    bytes += "[User" + n + "]\r\nCaption=Old button " + n + "\r\nBitmap=images/old-" + n +
             ".bmp\r\n_Old entry=http://localhost/old/" + n + ".htm\r\n";
  }
  return domains ? bytes + "[Domains]\r\n" + Domains(*domains, "\r\n") : bytes;
}

std::optional<int64_t> NumberAfter(const std::string& bytes, const std::string& prefix) {
  const std::size_t at = bytes.find(prefix);
  if (at == std::string::npos) return std::nullopt;
  return std::strtoll(bytes.c_str() + at + prefix.size(), nullptr, 10);
}

// Whether these bytes are whole: numbers in save order, bytes exactly that state's.
bool IsWholeState(const std::string& bytes) {
  const auto h = NumberAfter(bytes, "=http://localhost/start-"), s = NumberAfter(bytes, "=server-"),
             e = NumberAfter(bytes, "=res://error-"), d = NumberAfter(bytes, "\nhttp://host-0.example/save-");
  if (!h || !s || !e) return false;
  return *h >= *s && *s >= d.value_or(*e) && d.value_or(*e) >= *e && ConfigurationBytes(*h, *s, d, *e) == bytes;
}

// The component bound to `section` of `path`.
CIniFile2 Ini(const std::string& path, const char* section, MessageBoxService* messages = nullptr) {
  CIniFile2 ini(SystemProfileApi(), messages);
  ini.INIFile = path;
  ini.Section = section;
  return ini;
}

// Runs `during` while a child process saves again and again, then kills the child: "" when the kill
// ended it, otherwise how it ended (it exits early only when a write fails).
std::string WhileSaving(const std::string& path, const std::function<void()>& during) {
  const pid_t child = fork();
  if (child < 0) return "fork failed";
  ScriptedMessageBoxes messages;  // the child saves until it is killed; the parent goes on to `during`
  for (int64_t n = NumberAfter(ReadBytes(path), "=http://localhost/start-").value_or(0) + 1; child == 0; ++n) {
    bool ok = Ini(path, "Browser", &messages).WriteString("Homepage", Homepage(n));
    ok = ok && Ini(path, "PrivateData", &messages).WriteString("DefaultServer", Server(n));
    Ini(path, "Domains", &messages).DeleteSection();
    Ini(path, "Domains", &messages).WriteSection(Domains(n, std::string_view("\0", 1)));
    if (!ok || !Ini(path, "Browser", &messages).WriteString("ErrorPage", ErrorPage(n)) || !messages.shown.empty())
      _exit(3);
  }
  during();
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return {};
  return WIFEXITED(status) ? "saver exited with " + std::to_string(WEXITSTATUS(status)) : "saver died otherwise";
}

class CrashConsistency : public ::testing::Test {
 protected:
  void SetUp() override {  // written through the component, so that every forked saver inherits a used store
    WriteBytes(path_, ConfigurationBytes(0, 0, 0, 0));
    ASSERT_TRUE(Ini(path_, "Browser").WriteString("Homepage", "x"));
    ASSERT_TRUE(Ini(path_, "Browser").WriteString("Homepage", Homepage(0)));
    ASSERT_EQ(ReadBytes(path_), ConfigurationBytes(0, 0, 0, 0));
  }
  TempDir dir_;
  std::string path_ = dir_.File("Orvex.INI");
};

TEST_F(CrashConsistency, AReaderWhileAnotherProcessSavesSeesOnlyWholeStates) {
  std::set<std::string> seen;
  int reads = 0;
  std::string failure;
  const auto read = [&, deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8)] {
    for (; failure.empty() && seen.size() < 200 && std::chrono::steady_clock::now() < deadline; ++reads) {
      const std::string& bytes = *seen.insert(ReadBytes(path_)).first;
      if (!IsWholeState(bytes)) failure = "raw read " + std::to_string(reads) + " saw a torn file";
      const std::size_t domains = SplitSectionText(Ini(path_, "Domains").GetSection()).size();
      if (domains != 0 && domains != static_cast<std::size_t>(kDomainLines))
        failure = "section read " + std::to_string(reads) + " saw " + std::to_string(domains) + " domains";
    }
  };
  EXPECT_EQ(WhileSaving(path_, read), "");
  EXPECT_EQ(failure, "");
  std::cout << "[ reliability ] concurrent reads " << reads << ", distinct states " << seen.size() << "\n";
  EXPECT_GT(seen.size(), 1u) << "the saver never got a write done: the test proved nothing";
}

}  // namespace
}  // namespace kgh::test
