// setup, edit and new: the options dialog and the wizard themselves, shown with the Qt
// front-end, for people who set up a kiosk from a terminal.
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

#include "cli/Commands.h"
#include "component/SetupOrvex.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtServices.h"

namespace kgh::cli {
namespace {

// Runs `operation` on a component with the Qt dialogs; its result is the exit status.
template <typename Operation>
void RunWithDialogs(const std::string& subject, CommandResult& result, Operation operation) {
  // Without a display Qt would abort the process; say why instead.
  if (!qt::DisplayAvailable()) {
    result.exit_code = Fail(subject, "no display to show the dialog on (set DISPLAY or QT_QPA_PLATFORM)");
    return;
  }
  qt::QtServices qt_services;
  SetupOrvex component(qt_services.Component());
  result.exit_code = operation(component);
}

}  // namespace

void RegisterDialogCommands(CLI::App& app, CommandResult& result) {
  auto root = std::make_shared<std::string>();
  auto target = std::make_shared<std::string>();
  auto server = std::make_shared<std::string>();
  CLI::App* setup = app.add_subcommand("setup", "Open the options dialog on a configuration file or folder");
  setup->add_option("ROOT", *root, "Root directory of the web application")->required();
  setup->add_option("TARGET", *target, "Configuration file, or a folder that holds (or will hold) Orvex.INI")
      ->required();
  setup->add_option("SERVER", *server, "Default server as server:port");
  setup->callback([root, target, server, &result] {
    RunWithDialogs(*target, result, [&](SetupOrvex& component) {
      component.SetupOrvexEx(nullptr, *root, *target, *server);
      return kExitOk;
    });
  });

  auto config = std::make_shared<std::string>();
  CLI::App* edit = app.add_subcommand("edit", "Open the options dialog on a configuration, with its remembered defaults");
  edit->add_option("CONFIG", *config, "Configuration file")->required();
  edit->callback([config, &result] {
    RunWithDialogs(*config, result, [&](SetupOrvex& component) {
      component.EditExistingProject(*config);
      return kExitOk;
    });
  });

  // A wizard left without building a configuration prints nothing and fails; so does one whose
  // file could not be written, since a script would go on with a path that names nothing.
  CLI::App* wizard = app.add_subcommand("new", "Create a configuration with the wizard and print its path");
  wizard->callback([&result] {
    RunWithDialogs("new", result, [](SetupOrvex& component) {
      const std::string path = component.CreateNew();
      if (path.empty()) return kExitFailure;
      std::error_code error;
      if (!std::filesystem::is_regular_file(path, error)) return Fail(path, "the configuration was not written");
      std::cout << path << '\n';
      return kExitOk;
    });
  });
}

}  // namespace kgh::cli
