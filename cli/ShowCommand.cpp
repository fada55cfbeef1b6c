// show: what the options dialog will show for a configuration, as text or JSON.
#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/ConfigurationJson.h"
#include "config/Configuration.h"
#include "platform/FileStore.h"

namespace kgh::cli {
namespace {

void PrintText(const Configuration& c) {
  std::cout << '[' << kBrowserSection << "]\n";
  ForEachBrowserSetting(c.browser, [](const auto& setting, const auto& value) { std::cout << setting.key << '=' << value << '\n'; });
  std::cout << '[' << kToolbarSection << "]\n";
  for (const ToolbarEntry& row : c.toolbar)
    std::cout << ButtonKindWord(row.tag) << '\t' << row.caption << '\t' << row.url << '\t' << row.image << '\n';
  std::cout << '[' << kDomainsSection << "]\n";
  for (const std::string& domain : c.domains) std::cout << domain << '\n';
  std::cout << '[' << kPrivateDataSection << "]\n";
  for (const PrivateDataSetting& setting : kPrivateDataSettings)
    std::cout << setting.key << '=' << c.private_data.*setting.value << '\n';
}

}  // namespace

void RegisterShowCommand(CLI::App& app, CommandResult& result) {
  auto config = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  CLI::App* show = app.add_subcommand("show", "Print what the options dialog shows for a configuration");
  show->add_option("CONFIG", *config, "Configuration file, or a folder holding Orvex.INI")->required();
  show->add_flag("--json", *json, "Print one JSON object, which apply takes back");
  show->callback([config, json, &result] {
    const std::optional<std::string> file = ReadableConfiguration(*config, result);
    if (!file) return;
    CIniFile2 ini;
    ini.INIFile = *file;
    const Configuration read = ReadConfiguration(ini);
    // What is printed is what the dialog shows; where that is not the whole file, a script that
    // applies it back should know what it would lose.
    if (const std::size_t beyond = ToolbarButtonsBeyondRead(ini); beyond > 0)
      std::cerr << "orvex-setup: " << *file << ": note: [Toolbar] is longer than the "
                << CIniFile2::kSectionBufferSize - 2 << " characters the options dialog reads, so this shows "
                << beyond << (beyond == 1 ? " button" : " buttons")
                << " fewer than it holds; saving what is shown would remove " << (beyond == 1 ? "it" : "them") << '\n';
    if (!*json) return PrintText(read);
    std::string bytes;
    int error = 0;
    SystemFileStore().Read(*file, bytes, error);
    std::cout << ConfigurationToJson(read, FileTextOf(bytes)).dump(2) << '\n';
  });
}

}  // namespace kgh::cli
