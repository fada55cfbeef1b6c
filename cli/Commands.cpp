#include "cli/Commands.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <iostream>

#include "config/ConfigFormat.h"
#include "platform/FileStore.h"

namespace kgh::cli {

void RegisterCommands(CLI::App& app, CommandResult& result) {
  RegisterComponentCommands(app, result);
  RegisterShowCommand(app, result);
  RegisterIniCommand(app, result);
  RegisterCheckCommand(app, result);
  RegisterApplyCommand(app, result);
#ifdef KGH_WITH_QT_DIALOGS
  RegisterDialogCommands(app, result);
#endif
}

namespace {

// What kind of thing other than a regular file or a folder stands at `file`.
std::string KindOf(const std::string& file) {
  struct stat st {};
  if (stat(file.c_str(), &st) != 0) return "not a regular file";
  if (S_ISFIFO(st.st_mode)) return "a named pipe (FIFO)";
  if (S_ISCHR(st.st_mode)) return "a character device";
  if (S_ISBLK(st.st_mode)) return "a block device";
  if (S_ISSOCK(st.st_mode)) return "a socket";
  return "not a regular file";
}

}  // namespace

std::string Refusal(const std::string& file, int error) {
  switch (error) {
    case EISDIR:
      return "is a folder, not a configuration file";
    case ENODEV:
      return "is " + KindOf(file) + ", not a configuration file";
    case EFBIG:
      return "is larger than " + std::to_string(kMaxFileBytes >> 20) +
             " MiB, which no configuration comes near (a real one is a few KB), so it is not read";
    case EWOULDBLOCK:
      return "another program holds it locked and has not let go of it within " + std::to_string(kLockWaitSeconds) +
             " seconds; try again once that program is done with it";
    default:
      return DescribeSystemError(error);
  }
}

std::string WhyUnreadable(const std::string& file, bool missing_ok) {
  std::string bytes;
  int error = 0;
  switch (SystemFileStore().Read(file, bytes, error)) {
    case ReadStatus::Ok:
      return "";
    case ReadStatus::Missing:
    case ReadStatus::Unreachable:
      return missing_ok ? "" : "no such file or folder";
    case ReadStatus::Failed:
      break;
  }
  return Refusal(file, error);
}

int Fail(const std::string& file, const std::string& reason) {
  std::cerr << "orvex-setup: " << file << ": " << reason << '\n';
  return kExitFailure;
}

std::optional<std::string> ReadableConfiguration(const std::string& target, CommandResult& result) {
  const std::string file = ConfigurationFileFor(target);
  std::string why = WhyUnreadable(file, false);
  if (why.empty()) return file;
  if (file != target) {
    std::error_code ec;
    if (!std::filesystem::is_directory(target, ec)) why = "no such file or folder";
    else if (why == "no such file or folder") why = std::string("the folder holds no ") + kDefaultConfigFileName;
    else why = file + " " + why;
  }
  result.exit_code = Fail(target, why);
  return std::nullopt;
}

}  // namespace kgh::cli
