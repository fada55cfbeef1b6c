// orvex-setup: the component's operations from the command line, for scripts and for people
// setting up kiosks. Exit status: 0 success (or a true result), 1 failure, 2 bad usage.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/Commands.h"

namespace {

// The first word where a command belongs that names none; "" when there is none.
std::string UnknownCommand(const CLI::App& app, int argc, char** argv) {
  if (!app.get_subcommands().empty()) return "";
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (word.empty() || word.front() == '-') continue;
    return word;
  }
  return "";
}

int ExplainUnknownCommand(CLI::App& app, const std::string& word) {
  std::cerr << "orvex-setup: \"" << word << "\" is not a command. The commands are:";
  for (const CLI::App* command : app.get_subcommands([](CLI::App*) { return true; }))
    std::cerr << ' ' << command->get_name();
  std::cerr << ".\n\"orvex-setup --help\" says what each does.\n";
  return kgh::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Create and edit the configuration file of the Orvex kiosk browser.", "orvex-setup"};
  app.set_version_flag("--version", std::string("orvex-setup ") + kgh::cli::kVersion);
  app.require_subcommand(1);
  kgh::cli::CommandResult result;
  kgh::cli::RegisterCommands(app, result);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (const std::string word = UnknownCommand(app, argc, argv); !word.empty() && e.get_exit_code() != 0)
      return ExplainUnknownCommand(app, word);
    const int code = app.exit(e);
    return code == 0 ? 0 : kgh::cli::kExitUsage;
  }
  return result.exit_code;
}
