#include "cli/Commands.h"

#include <iostream>

namespace kgh::cli {

void RegisterCommands(CLI::App& app, CommandResult& result) {
  RegisterComponentCommands(app, result);
  RegisterShowCommand(app, result);
  RegisterIniCommand(app, result);
#ifdef KGH_WITH_QT_DIALOGS
  RegisterDialogCommands(app, result);
#endif
}

int Fail(const std::string& file, const std::string& reason) {
  std::cerr << "orvex-setup: " << file << ": " << reason << '\n';
  return kExitFailure;
}

}  // namespace kgh::cli
