// orvex-setup as a script sees it: exit status, standard output and the file it leaves.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "support/TempDir.h"

namespace kgh {
namespace {

struct CliRun {
  int status;
  std::string out;
};

CliRun Cli(const std::string& args, const std::string& input = "") {
  std::string command = std::string(ORVEX_SETUP_PATH) + " " + args + " 2>/dev/null";
  if (!input.empty()) command = "printf '%s' '" + input + "' | " + command;
  FILE* pipe = popen(command.c_str(), "r");
  CliRun run{-1, ""};
  std::array<char, 4096> buffer{};
  for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.out.append(buffer.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

class CommandLine : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string file = dir.File("Orvex.INI");
};

TEST_F(CommandLine, CreatesShowsAndEditsAConfiguration) {
  ASSERT_EQ(Cli("create-start-file " + file + " start.htm").status, 0);
  const CliRun json = Cli("show --json " + dir.path().string());
  ASSERT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"Homepage\": \"start.htm\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"BrowserEngine\": 2"), std::string::npos);
  EXPECT_NE(json.out.find("\"url\": \"<<Back button>>\""), std::string::npos);
  EXPECT_NE(json.out.find("\"javascript:\""), std::string::npos);

  test::WriteBytes(dir.File("cp1252.ini"), "[Toolbar]\r\nUser1=caf\xE9.htm\r\n[User1]\r\nCaption=Caf\xE9\r\n");
  EXPECT_NE(Cli("show --json " + dir.File("cp1252.ini")).out.find("\"caption\": \"Caf\u00e9\""), std::string::npos)
      << "8-bit text shows as Latin-1";
  EXPECT_EQ(Cli("ini " + file + " set Browser StatusBar 0").status, 0);
  EXPECT_EQ(Cli("ini " + file + " get-int browser statusbar 5").out, "0\n");
  EXPECT_EQ(Cli("ini " + file + " get Browser Missing fallback").out, "fallback\n");
  EXPECT_EQ(Cli("ini " + file + " replace-section Domains", "a\nb\n").status, 0);
  EXPECT_EQ(Cli("ini " + file + " section Domains").out, "a\nb\n");
  EXPECT_EQ(Cli("ini " + file + " delete-section Domains").status, 0);
  EXPECT_EQ(Cli("ini " + file + " section Domains").out, "");
}

TEST_F(CommandLine, ReportsFailuresAndBadUsageByExitStatus) {
  EXPECT_EQ(Cli("create-start-file " + dir.File("missing/x.ini") + " a").status, 1);
  EXPECT_EQ(Cli("show " + dir.File("nothing.ini")).status, 1);
  test::WriteBytes(file, "[Browser]\r\nHomepage=a\r\n");
  EXPECT_EQ(Cli("ini " + file + " set Browser '[Evil]' 1").status, 1);
  EXPECT_EQ(test::ReadBytes(file), "[Browser]\r\nHomepage=a\r\n");
  EXPECT_EQ(Cli("ini " + dir.File("Orvex.INI/below") + " delete-section Browser").status, 1);
  EXPECT_EQ(Cli("create-start-file " + file + " 'a\nb'").status, 1) << "the home page was refused";
  std::filesystem::create_directories(dir.File("site/Orvex.INI"));
  EXPECT_EQ(Cli("show " + dir.File("site")).status, 1) << "unreadable, not a page of defaults";
  EXPECT_EQ(Cli("ini " + dir.File("site/Orvex.INI") + " get Browser Homepage").status, 1);
  EXPECT_EQ(Cli("compile a b c").status, 0);
  EXPECT_EQ(Cli("no-such-command").status, 2);
  EXPECT_EQ(Cli("ini " + file).status, 2);
  EXPECT_EQ(Cli("--version").status, 0);
}

}  // namespace
}  // namespace kgh
