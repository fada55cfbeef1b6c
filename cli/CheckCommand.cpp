// check: the configuration doctor's findings, as lines a person reads or as JSON for scripts.
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/ConfigurationJson.h"
#include "config/ConfigDoctor.h"
#include "platform/FileStore.h"

namespace kgh::cli {

void RegisterCheckCommand(CLI::App& app, CommandResult& result) {
  auto config = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  CLI::App* check = app.add_subcommand(
      "check", "List what in a configuration will not work as meant (exit status 1 with errors or warnings)");
  check->add_option("CONFIG", *config, "Configuration file, or a folder holding Orvex.INI")->required();
  check->add_flag("--json", *json, "Print the findings as one JSON array");
  check->callback([config, json, &result] {
    const std::optional<std::string> file = ReadableConfiguration(*config, result);
    if (!file) return;
    std::vector<Finding> findings;
    if (int error = 0; !CheckConfigurationFile(*file, findings, error)) {
      result.exit_code = Fail(*file, Refusal(*file, error));
      return;
    }
    if (*json) {
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      // JSON takes UTF-8 only: a file's 8-bit text quoted in a finding goes as Latin-1.
      const auto text = [](const std::string& s) { return ToJsonText(s, FileTextOf(s)); };
      for (const Finding& f : findings)
        list.push_back({{"severity", SeverityName(f.severity)}, {"code", f.code}, {"section", text(f.section)},
                        {"line", f.line}, {"message", text(f.message)}});
      std::cout << list.dump(2) << '\n';
    } else {
      // As compilers print them, so that editors can jump to the line.
      // A finding about the file as a whole has no section to name.
      for (const Finding& f : findings)
        std::cout << *file << ':' << f.line << ": " << SeverityName(f.severity) << ": "
                  << (f.section.empty() ? "" : "[" + f.section + "] ") << f.message << " (" << f.code << ")\n";
    }
    result.exit_code = NeedsAttention(findings) ? kExitFailure : kExitOk;
  });
}

}  // namespace kgh::cli
