#pragma once
#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace kgh::cli {

// The project's version, given by the build.
inline constexpr const char* kVersion = KGH_VERSION_TEXT;
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct CommandResult {
  int exit_code = kExitOk;
};

// Adds every subcommand to `app`; the one that runs stores its exit status in `result`.
void RegisterCommands(CLI::App& app, CommandResult& result);

// Subcommand groups, one file each.
void RegisterComponentCommands(CLI::App& app, CommandResult& result);
void RegisterShowCommand(CLI::App& app, CommandResult& result);
void RegisterIniCommand(CLI::App& app, CommandResult& result);
void RegisterCheckCommand(CLI::App& app, CommandResult& result);
void RegisterApplyCommand(CLI::App& app, CommandResult& result);
// setup, edit and new: only in builds with the Qt front-end.
void RegisterDialogCommands(CLI::App& app, CommandResult& result);

// "" when `file` can be read; otherwise why not, as words that follow the file's name. A missing
// file is fine when `missing_ok`.
std::string WhyUnreadable(const std::string& file, bool missing_ok);

// What the file store refuses to read or write as no configuration file, in words that follow
// the file's name ("is a named pipe (FIFO), not a configuration file"); otherwise the system's
// words for `error`.
std::string Refusal(const std::string& file, int error);

// Prints "orvex-setup: <file>: <reason>" on stderr and returns kExitFailure.
int Fail(const std::string& file, const std::string& reason);

// The configuration file for `target` when it can be read; otherwise nothing, after telling the
// user why, leading with the path they typed: that it does not exist, that the folder holds no
// configuration, or what stands in the configuration's place.
std::optional<std::string> ReadableConfiguration(const std::string& target, CommandResult& result);

}  // namespace kgh::cli
