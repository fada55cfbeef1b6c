// The public class's file operations.
#include <memory>

#include "cli/Commands.h"
#include "cli/Recorders.h"
#include "component/SetupOrvex.h"

namespace kgh::cli {

void RegisterComponentCommands(CLI::App& app, CommandResult& result) {
  auto dest = std::make_shared<std::string>();
  auto start = std::make_shared<std::string>();
  CLI::App* create = app.add_subcommand("create-start-file", "Write a configuration from the built-in template");
  create->add_option("DEST", *dest, "Configuration file to create (an existing one is replaced)")->required();
  create->add_option("START", *start, "Home page to set")->required();
  create->callback([dest, start, &result] {
    RecordingProfile profile;
    ComponentServices services;
    services.options.profile = &profile;
    if (!SetupOrvex(services).CreateStartFile(*dest, *start))
      result.exit_code = Fail(*dest, profile.Reason(*dest));
    else if (profile.failed)  // the component answers true all the same; a script should know
      result.exit_code = Fail(*dest, "the template was written, but the home page was not: " + profile.Reason(*dest));
  });

  auto src = std::make_shared<std::string>();
  auto project = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  CLI::App* compile = app.add_subcommand("compile", "Compile a project (answers true; there is nothing to do)");
  compile->add_option("SRC", *src, "Source directory")->required();
  compile->add_option("PROJECT", *project, "Project file")->required();
  compile->add_option("DEST", *out, "Destination directory")->required();
  compile->callback([src, project, out, &result] {
    result.exit_code = SetupOrvex().Compile(*src, *project, *out) ? kExitOk : kExitFailure;
  });
}

}  // namespace kgh::cli
