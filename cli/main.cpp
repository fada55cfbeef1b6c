// orvex-setup: the component's operations from the command line, for scripts and for people
// setting up kiosks. Exit status: 0 success (or a true result), 1 failure, 2 bad usage.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/Commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Create and edit the configuration file of the Orvex kiosk browser.", "orvex-setup"};
  app.set_version_flag("--version", std::string("orvex-setup ") + kgh::cli::kVersion);
  app.require_subcommand(1);
  kgh::cli::CommandResult result;
  kgh::cli::RegisterCommands(app, result);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : kgh::cli::kExitUsage;
  }
  return result.exit_code;
}
