// orvex-setup as a script sees it: exit status, standard output and the file it leaves.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/FileStore.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

struct CliRun { int status; std::string out; };

// Runs orvex-setup with `args` and `input` on standard input; `out` is standard output, or
// standard error with `errors`. A run that waits on what it reads would hold up every case after
// it: it is stopped after a minute and fails.
CliRun Cli(const std::string& args, const std::string& input = "", bool errors = false) {
  static const test::TempDir inputs;
  const std::string input_file = inputs.File("stdin");
  test::WriteBytes(input_file, input);
  const std::string command = "timeout 60 " + std::string(ORVEX_SETUP_PATH) + " " + args + " <" + input_file +
                              (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
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
  for (const char* part : {"\"Homepage\": \"start.htm\"", "\"BrowserEngine\": 2",
                           "\"type\": \"Back\",\n      \"caption\": \"Back\",\n      \"url\": \"<<Back button>>\"",
                           "\"type\": \"Sep\"", "\"javascript:\""})
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
           {"no-such-command", 2}, {"ini " + file, 2}, {"--version", 0}, {"check", 2}, {"apply " + file, 2}})
    EXPECT_EQ(Cli(args).status, status) << args;
}

// What show prints of a [Toolbar] longer than the dialog reads is what the dialog shows; a note
// says so, in both forms, and the output itself stays what apply takes.
TEST_F(CommandLine, ShowSaysWhenTheToolbarIsLongerThanTheDialogReads) {
  const std::string cut = std::string(KGH_DOCTOR_FIXTURES) + "/toolbar-cut.ini";
  for (const char* json : {"", "--json "}) {
    const CliRun run = Cli(std::string("show ") + json + cut, "", true);
    EXPECT_EQ(run.status, 0) << json;
    EXPECT_EQ(run.out, "orvex-setup: " + cut +
                           ": note: [Toolbar] is longer than the 16381 characters the options dialog reads, so this "
                           "shows 19 buttons fewer than it holds; saving what is shown would remove them\n")
        << json;
  }
  EXPECT_EQ(Cli("show " + std::string(KGH_DOCTOR_FIXTURES) + "/clean.ini", "", true).out, "");
}

TEST_F(CommandLine, TellsANewUserWhatWasNotUnderstoodAndWhatIsNotThere) {
  const CliRun bogus = Cli("bogus", "", true);
  EXPECT_EQ(bogus.status, 2);
  EXPECT_EQ(bogus.out.rfind("orvex-setup: \"bogus\" is not a command. The commands are: create-start-file", 0), 0u)
      << bogus.out;
  for (const char* command : {" check", " apply", " show", " ini"})
    EXPECT_NE(bogus.out.find(command), std::string::npos) << command << " in " << bogus.out;
  const std::string nothing = dir.File("names/nothing.ini");
  for (const char* command : {"show ", "check "})
    EXPECT_EQ(Cli(command + nothing, "", true).out, "orvex-setup: " + nothing + ": no such file or folder\n");
}

// What is no configuration file, or cannot be had, is named with what it is, never waited on and
// never written over; each command says so in one line that names it.
#ifdef KGH_WITH_QT_DIALOGS
// A terminal without a display (ssh, a service) asks for the dialogs: Qt would end the process.
TEST_F(CommandLine, TheDialogCommandsSayThereIsNoDisplayInsteadOfEnding) {
  ASSERT_EQ(Cli("create-start-file " + file + " start.htm").status, 0);
  const std::string before = test::ReadBytes(file);
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"}) unsetenv(variable);
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const std::string kept = platform != nullptr ? platform : "";
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // No DISPLAY, and one that names a server nobody runs (a forwarding that is gone).
  for (const char* display : {"", ":97"}) {
    if (*display != '\0') setenv("DISPLAY", display, 1);
    for (const std::string& args : {"edit " + file, "setup " + dir.path().string() + " " + file, std::string("new")}) {
      const CliRun run = Cli(args, "", true);
      EXPECT_EQ(run.status, 1) << display << " " << args;
      EXPECT_NE(run.out.find("no display to show the dialog on"), std::string::npos) << args << ": " << run.out;
    }
  }
  unsetenv("DISPLAY");
  if (platform != nullptr) setenv("QT_QPA_PLATFORM", kept.c_str(), 1);
  else unsetenv("QT_QPA_PLATFORM");
  EXPECT_EQ(test::ReadBytes(file), before);
}
#endif

TEST_F(CommandLine, SaysWhatStandsInPlaceOfAConfigurationItCannotRead) {
  const std::string json = Cli("show --json " + std::string(KGH_START_FILE)).out;
  const std::string folder = dir.File("empty"), fifo = dir.File("fifo"), socket_path = dir.File("socket"),
                    null_device = dir.File("null"), large = dir.File("large.ini"), locked = dir.File("locked.ini");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  // apply must not write over a device either: a node of its own stands in for /dev/null.
  const bool have_device = mknod(null_device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  test::WriteBytes(large, "[Browser]\r\nHomepage=a\r\n");
  std::filesystem::resize_file(large, kMaxFileBytes + 1);
  test::WriteBytes(locked, "[Browser]\r\nHomepage=a\r\n");
  // A save by rename takes no lock; a file with a second link is rewritten in place, under its lock.
  std::filesystem::create_hard_link(locked, dir.File("locked-link.ini"));
  const int lock = open(locked.c_str(), O_RDONLY);  // another program's lock, held for the whole case
  ASSERT_EQ(flock(lock, LOCK_EX), 0);

  const struct {
    std::string target;
    std::vector<std::string> commands;
    std::string says;
  } cases[] = {
      {folder, {"show", "check"}, "the folder holds no Orvex.INI"},
      {folder, {"ini get"}, "is a folder, not a configuration file"},
      {fifo, {"show", "check", "ini get", "apply"}, "is a named pipe (FIFO), not a configuration file"},
      {"/dev/zero", {"show", "check", "ini get"}, "is a character device, not a configuration file"},
      {"/dev/null", {"show", "check", "ini get"}, "is a character device, not a configuration file"},
      {have_device ? null_device : "/dev/zero", {"apply"}, "is a character device, not a configuration file"},
      {socket_path, {"show", "check", "ini get", "apply"}, "is a socket, not a configuration file"},
      {large, {"show", "check", "ini get", "apply"}, "is larger than 16 MiB"},
      {locked, {"apply", "ini set"}, "another program holds it locked"},
  };
  for (const auto& c : cases) {
    for (const std::string& command : c.commands) {
      const std::string args = command == "apply"     ? "apply " + c.target + " -"
                               : command == "ini get" ? "ini " + c.target + " get Browser Homepage"
                               : command == "ini set" ? "ini " + c.target + " set Browser Homepage b"
                                                      : command + " " + c.target;
      const auto type = std::filesystem::symlink_status(c.target).type();
      const auto size = std::filesystem::is_regular_file(c.target) ? std::filesystem::file_size(c.target) : 0;
      const CliRun run = Cli(args, json, true);
      EXPECT_EQ(run.status, 1) << args;
      EXPECT_EQ(run.out.rfind("orvex-setup: " + c.target + ": ", 0), 0u) << args << ": " << run.out;
      EXPECT_NE(run.out.find(c.says), std::string::npos) << args << ": " << run.out;
      EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << args << ": " << run.out;
      EXPECT_EQ(std::filesystem::symlink_status(c.target).type(), type) << args;
      if (std::filesystem::is_regular_file(c.target)) {
        EXPECT_EQ(std::filesystem::file_size(c.target), size) << args;
      }
    }
  }
  EXPECT_EQ(test::ReadBytes(locked), "[Browser]\r\nHomepage=a\r\n");
  // The same for the JSON apply takes, which may well be a pipe: it is read, up to the limit.
  for (const auto& [source, says] : std::initializer_list<std::pair<std::string, std::string>>{
           {folder, "is a folder, not a JSON file"}, {"/dev/zero", "is larger than 16 MiB"}}) {
    const CliRun run = Cli("apply " + file + " " + source, "", true);
    EXPECT_EQ(run.status, 1) << source;
    EXPECT_EQ(run.out.rfind("orvex-setup: " + source + ": " + says, 0), 0u) << run.out;
    EXPECT_FALSE(std::filesystem::exists(file)) << source;
  }
  close(lock);
  close(listener);
}

TEST_F(CommandLine, CheckListsFindingsAndFailsOnlyForErrorsAndWarnings) {
  const std::string fixtures = KGH_DOCTOR_FIXTURES;
  EXPECT_EQ(Cli("check " + fixtures + "/clean.ini").status, 0);
  EXPECT_EQ(Cli("check " + fixtures + "/duplicate-entry.ini").status, 0) << "a hint alone";
  const CliRun text = Cli("check " + fixtures + "/host-without-slash.ini");
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out.rfind(fixtures + "/host-without-slash.ini:14: warning: [Domains] The entry \"http://intranet\"", 0), 0u)
      << text.out;
  const CliRun json = Cli("check --json " + fixtures + "/home-page-not-allowed.ini");
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find("\"severity\": \"error\",\n    \"code\": \"home-page-not-allowed\",\n    \"section\": "
                          "\"Browser\",\n    \"line\": 2"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(Cli("check " + dir.File("nothing.ini")).status, 1);
  // A file that is nothing, or no configuration at all, is a finding of its own, which fails.
  for (const auto& [fixture, says] : std::initializer_list<std::pair<std::string, std::string>>{
           {"empty-file", ":0: warning: The file is empty"},
           {"not-a-configuration", ":0: error: The file holds none of the sections"}}) {
    const CliRun run = Cli("check " + fixtures + "/" + fixture + ".ini");
    EXPECT_EQ(run.status, 1) << fixture;
    EXPECT_EQ(run.out.rfind(fixtures + "/" + fixture + ".ini" + says, 0), 0u) << run.out;
  }
  // A file beside the configuration that poses as this program's copy of it.
  test::WriteBytes(file, test::ReadBytes(fixtures + "/clean.ini"));
  test::WriteBytes(dir.File(".Orvex.INI.bak"), "[Browser]\r\nHomepage=http://elsewhere/\r\n");
  const CliRun posing = Cli("check " + dir.path().string());
  EXPECT_EQ(posing.status, 1);
  EXPECT_EQ(posing.out, file + ":0: warning: " + dir.File(".Orvex.INI.bak") +
                            " is not a copy this program made of this file: it is ignored; remove it. (untrusted-copy)\n");
  std::filesystem::remove(dir.File(".Orvex.INI.bak"));
  test::WriteBytes(file, "[Browser]\r\nHomepage=http://caf\xE9/\r\n");
  const CliRun latin1 = Cli("check --json " + file);
  EXPECT_EQ(latin1.status, 1);
  EXPECT_NE(latin1.out.find("home page \\\"http://caf\u00e9/\\\""), std::string::npos) << "8-bit text as Latin-1: " << latin1.out;
}

// show --json, apply, show --json: the same JSON; and the dialog's save order settles, so applying
// the same JSON again leaves the bytes alone. A file without [PrivateData] gains it at the end on
// the first save and has it moved up by the second, as with the dialog.
TEST_F(CommandLine, ApplyTakesBackWhatShowPrintsThroughTheDialogsSaver) {
  const std::string fixtures = KGH_DOCTOR_FIXTURES;
  const struct {
    std::string name;
    std::string bytes;
    int saves_to_settle;
  } configurations[] = {
      {"the template", test::ReadBytes(KGH_START_FILE), 2},
      {"user buttons and sub-entries", test::ReadBytes(fixtures + "/clean.ini"), 1},
      {"another tool's file", test::ReadBytes(fixtures + "/other-tools.ini"), 2},
      {"a file in an 8-bit code page",
       "[Toolbar]\r\nUser1=caf\xE9.htm\r\n[User1]\r\nCaption=Caf\xE9\r\n_Men\xFC=men\xFC.htm\r\n", 2},
  };
  for (const auto& configuration : configurations) {
    test::WriteBytes(file, configuration.bytes);
    const std::string json = Cli("show --json " + file).out;
    test::WriteBytes(dir.File("shown.json"), json);
    for (int save = 1; save <= configuration.saves_to_settle; ++save) {
      ASSERT_EQ(Cli("apply " + file + " " + dir.File("shown.json")).status, 0) << configuration.name;
      EXPECT_EQ(Cli("show --json " + file).out, json) << configuration.name << ", save " << save;
    }
    const std::string settled = test::ReadBytes(file);
    EXPECT_EQ(Cli("apply " + dir.path().string() + " -", json).status, 0) << "from standard input, onto the folder";
    EXPECT_EQ(test::ReadBytes(file), settled) << configuration.name;
  }
  EXPECT_NE(test::ReadBytes(file).find("Caption=Caf\xE9\r\nBitmap=\r\n_Men\xFC=men\xFC.htm\r\n"), std::string::npos)
      << "8-bit text keeps its bytes, and a sub-entry stays one";
  std::string json = Cli("show --json " + file).out;
  json.replace(json.find("Caf\u00e9"), 5, "Caf\u20ac");
  const CliRun euro = Cli("apply " + file + " -", json, true);
  EXPECT_EQ(euro.status, 1);
  EXPECT_NE(euro.out.find("toolbar[0].caption: holds a character beyond Latin-1"), std::string::npos) << euro.out;
}

TEST_F(CommandLine, ApplyRefusesWhatItCannotWriteAsGivenAndLeavesTheFileAlone) {
  test::WriteBytes(file, test::ReadBytes(std::string(KGH_DOCTOR_FIXTURES) + "/clean.ini"));
  const std::string before = test::ReadBytes(file);
  std::string json = Cli("show --json " + file).out;
  const auto with = [&json](const std::string& from, const std::string& to) {
    std::string edited = json;
    const auto at = edited.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return edited.replace(at, from.size(), to);
  };
  for (const auto& [edited, message] : std::initializer_list<std::pair<std::string, std::string>>{
           {json.substr(0, 40), "parse error at line 3, column"},
           {with("\"Homepage\"", "\"HomePage\""), "browser.Homepage: is missing"},
           {with("\"domains\": [", "\"colour\": 1, \"domains\": ["), "colour: is not a member this tool knows"},
           {with("\"type\": \"Back\",", "\"type\": 1,"),
            "toolbar[0].type: must be one of \"Back\", \"Fwd\", \"Stop\", \"Refresh\", \"Home\", \"Help\", \"Print\", "
            "\"Rendezvous\", \"Sep\", \"User\""},
           // Numbers beyond what any reading holds are refused like any other out of range.
           {with("\"StatusBar\": 1", "\"StatusBar\": 1e999"), "browser.StatusBar: the number 1e999 is out of range"},
           {with("\"BrowserEngine\": 3", "\"BrowserEngine\": -1e400"),
            "browser.BrowserEngine: the number -1e400 is out of range"},
           {with("\"StatusBar\": 1", "\"StatusBar\": 18446744073709551615"), "browser.StatusBar: must be from 0 to 1"},
           // A NUL byte is what it is, wherever it stands, even after the whole object.
           {with("\"StatusBar\": 1", std::string("\"StatusBar\": \0 1", 16)),
            "parse error at line 6, column 18: a NUL byte, which JSON does not allow"},
           {json + std::string(1, '\0') + "{}",
            "parse error at line " + std::to_string(std::count(json.begin(), json.end(), '\n') + 1) +
                ", column 1: a NUL byte"},
           {with("\"StatusBar\": 1", "\"StatusBar\": 5"), "browser.StatusBar: must be from 0 to 1"},
           {with("\"caption\": \"Back\"", "\"caption\": \"Zurück\""), "toolbar[0]: a standard button is chosen"},
           {with("\"res:\"", "\" res:\""), "domains[1]: A domain entry cannot begin or end with a blank"},
           {with("\"url\": \"http://kiosk.local/news.htm\"", "\"url\": \"a\\nb\""),
            "toolbar[1].url: A button's destination URL cannot contain a line break"},
           {with("\"Homepage\": \"http://kiosk.local/start.htm\"", "\"Homepage\": \"" + std::string(1100, 'a') + "\""),
            "browser.Homepage: is longer than the 1022 characters a read of the file gives back"},
           {with("\"type\": \"Back\",\n      \"caption\": \"Back\",\n      \"url\": \"<<Back button>>\"",
                 "\"type\": \"User\",\n      \"caption\": \"\u00b7\u00b7\u00b7Lost\",\n      \"url\": \"x.htm\""),
            "toolbar[0]: a sub-entry needs a user button above it"},
           {with("\"url\": \"http://kiosk.local/sports.htm\",\n      \"image\": \"\"\n    }",
                 "\"url\": \"http://kiosk.local/sports.htm\",\n      \"image\": \"\"\n    },\n    {\"type\": \"User\", "
                 "\"caption\": \"\u00b7\u00b7\u00b7SPORTS\", \"url\": \"r.htm\", \"image\": \"\"}"),
            "toolbar[3]: its caption differs from that of toolbar[2] only in letter case"},
       }) {
    test::WriteBytes(dir.File("edited.json"), edited);
    const CliRun run = Cli("apply " + file + " " + dir.File("edited.json"), "", true);
    EXPECT_EQ(run.status, 1) << message;
    EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("othing was written."), std::string::npos) << run.out;
    EXPECT_EQ(test::ReadBytes(file), before) << message;
  }
}

}  // namespace
}  // namespace kgh
