// show: what the options dialog will show for a configuration, as text or JSON.
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "config/ConfigFormat.h"
#include "platform/Module1.h"

namespace kgh::cli {
namespace {

struct Shown {
  BrowserSettings browser;
  std::vector<ToolbarEntry> toolbar;
  std::vector<std::string> domains;
  PrivateData private_data;
};

Shown Load(const std::string& file) {
  CIniFile2 ini;
  ini.INIFile = file;
  Shown shown;
  shown.browser = ReadBrowserSettings(ini);
  shown.toolbar = ReadToolbar(ini);
  shown.domains = ReadDomains(ini);
  shown.private_data = ReadPrivateData(ini);
  return shown;
}

nlohmann::ordered_json ToJson(const Shown& s) {
  nlohmann::ordered_json browser = {
      {"Homepage", s.browser.home_page},
      {"ErrorPage", s.browser.error_page},
      {"DisableContextMenu", s.browser.disable_context_menu},
      {"StatusBar", s.browser.status_bar},
      {"AvoidModem", s.browser.avoid_modem},
      {"FullScreen", s.browser.full_screen},
      {"SmallToolbar", s.browser.small_toolbar},
      {"CloseKelmar", s.browser.close_kelmar},
      {"BrowserEngine", s.browser.browser_engine},
  };
  nlohmann::ordered_json toolbar = nlohmann::ordered_json::array();
  for (const ToolbarEntry& row : s.toolbar)
    toolbar.push_back({{"type", row.tag}, {"caption", row.caption}, {"url", row.url}, {"image", row.image}});
  return {{"browser", browser},
          {"toolbar", toolbar},
          {"domains", s.domains},
          {"private", {{"DefaultServer", s.private_data.default_server}, {"DefaultRoot", s.private_data.default_root}}}};
}

void PrintText(const Shown& s) {
  const BrowserSettings& b = s.browser;
  std::cout << "[Browser]\n"
            << "Homepage=" << b.home_page << "\nErrorPage=" << b.error_page
            << "\nDisableContextMenu=" << b.disable_context_menu << "\nStatusBar=" << b.status_bar
            << "\nAvoidModem=" << b.avoid_modem << "\nFullScreen=" << b.full_screen
            << "\nSmallToolbar=" << b.small_toolbar << "\nCloseKelmar=" << b.close_kelmar
            << "\nBrowserEngine=" << b.browser_engine << "\n[Toolbar]\n";
  for (const ToolbarEntry& row : s.toolbar)
    std::cout << row.tag << '\t' << row.caption << '\t' << row.url << '\t' << row.image << '\n';
  std::cout << "[Domains]\n";
  for (const std::string& domain : s.domains) std::cout << domain << '\n';
  std::cout << "[PrivateData]\nDefaultServer=" << s.private_data.default_server
            << "\nDefaultRoot=" << s.private_data.default_root << '\n';
}

}  // namespace

void RegisterShowCommand(CLI::App& app, CommandResult& result) {
  auto config = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  CLI::App* show = app.add_subcommand("show", "Print what the options dialog shows for a configuration");
  show->add_option("CONFIG", *config, "Configuration file, or a folder holding Orvex.INI")->required();
  show->add_flag("--json", *json, "Print one JSON object");
  show->callback([config, json, &result] {
    std::string file = *config;
    const int32_t attributes = FileAttributes(file);
    if (attributes >= 0 && (attributes & kDirectoryAttribute) != 0)
      file += PathSeparator(NativePathFlavour()) + std::string(kDefaultConfigFileName);
    const int32_t file_attributes = FileAttributes(file);
    if (file_attributes < 0 || (file_attributes & kDirectoryAttribute) != 0) {
      result.exit_code = Fail(file, "no configuration file there");
      return;
    }
    const Shown shown = Load(file);
    if (*json) std::cout << ToJson(shown).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    else PrintText(shown);
  });
}

}  // namespace kgh::cli
