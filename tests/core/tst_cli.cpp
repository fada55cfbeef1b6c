// orvex-setup as a script sees it: exit status, standard output and the file it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "support/TempDir.h"

namespace kgh {
namespace {

struct CliRun { int status; std::string out; };

CliRun Cli(const std::string& args, const std::string& input = "") {
  const std::string command = (input.empty() ? "" : "printf '%s' '" + input + "' | ") +
                              std::string(ORVEX_SETUP_PATH) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer{};
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

class CommandLine : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string file = dir.File("Orvex.INI");
};

TEST_F(CommandLine, CreatesShowsAndEditsAConfiguration) {
  ASSERT_EQ(Cli("create-start-file " + file + " start.htm").status, 0);
  EXPECT_EQ(test::ReadBytes(file), test::ReadBytes(KGH_START_FILE)) << "the bytes a Windows host gets as well";
  const CliRun json = Cli("show --json " + dir.path().string());
  ASSERT_EQ(json.status, 0);
  for (const char* part : {"\"Homepage\": \"start.htm\"", "\"BrowserEngine\": 2", "\"url\": \"<<Back button>>\"",
                           "\"javascript:\""})
    EXPECT_NE(json.out.find(part), std::string::npos) << part << " in " << json.out;
  test::WriteBytes(dir.File("cp1252.ini"), "[Toolbar]\r\nUser1=caf\xE9.htm\r\n[User1]\r\nCaption=Caf\xE9\r\n");
  EXPECT_NE(Cli("show --json " + dir.File("cp1252.ini")).out.find("\"caption\": \"Caf\u00e9\""), std::string::npos)
      << "8-bit text shows as Latin-1";
  const std::string ini = "ini " + file;
  EXPECT_EQ(Cli(ini + " set Browser StatusBar 0").status, 0);
  EXPECT_EQ(Cli(ini + " get-int browser statusbar 5").out, "0\n");
  EXPECT_EQ(Cli(ini + " get Browser Missing fallback").out, "fallback\n");
  EXPECT_EQ(Cli(ini + " replace-section Domains", "a\nb\n").status, 0);
  EXPECT_EQ(Cli(ini + " section Domains").out, "a\nb\n");
  EXPECT_EQ(Cli(ini + " delete-section Domains").status, 0);
  EXPECT_EQ(Cli(ini + " section Domains").out, "");
}

TEST_F(CommandLine, ReportsFailuresAndBadUsageByExitStatus) {
  test::WriteBytes(file, "[Browser]\r\nHomepage=a\r\n");
  std::filesystem::create_directories(dir.File("site/Orvex.INI"));
  EXPECT_EQ(Cli("ini " + file + " set Browser '[Evil]' 1").status, 1);
  EXPECT_EQ(test::ReadBytes(file), "[Browser]\r\nHomepage=a\r\n");
  for (const auto& [args, status] : std::initializer_list<std::pair<std::string, int>>{
           {"create-start-file " + dir.File("missing/x.ini") + " a", 1}, {"show " + dir.File("nothing.ini"), 1},
           {"ini " + dir.File("Orvex.INI/below") + " delete-section Browser", 1},
           {"create-start-file " + file + " 'a\nb'", 1},  // the home page is refused
           {"show " + dir.File("site"), 1},                 // unreadable, not a page of defaults
           {"ini " + dir.File("site/Orvex.INI") + " get Browser Homepage", 1}, {"compile a b c", 0},
           {"no-such-command", 2}, {"ini " + file, 2}, {"--version", 0}})
    EXPECT_EQ(Cli(args).status, status) << args;
}

}  // namespace
}  // namespace kgh
