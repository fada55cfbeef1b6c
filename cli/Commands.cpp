#include "cli/Commands.h"

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

std::string WhyUnreadable(const std::string& file, bool missing_ok) {
  std::string bytes;
  int error = 0;
  switch (SystemFileStore().Read(file, bytes, error)) {
    case ReadStatus::Ok:
      return "";
    case ReadStatus::Missing:
    case ReadStatus::Unreachable:
      return missing_ok ? "" : "no configuration there";
    case ReadStatus::Failed:
      break;
  }
  return DescribeSystemError(error);
}

int Fail(const std::string& file, const std::string& reason) {
  std::cerr << "orvex-setup: " << file << ": " << reason << '\n';
  return kExitFailure;
}

std::optional<std::string> ReadableConfiguration(const std::string& target, CommandResult& result) {
  const std::string file = ConfigurationFileFor(target);
  const std::string why = WhyUnreadable(file, false);
  if (why.empty()) return file;
  result.exit_code = Fail(target, file == target ? why : why + "; looked for " + file);
  return std::nullopt;
}

}  // namespace kgh::cli
