// show: what the options dialog will show for a configuration, as text or JSON.
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <type_traits>

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

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
    i += length;
  }
  return true;
}

// JSON carries UTF-8 only. A configuration written in another 8-bit code page is shown as
// Latin-1, so that every byte still comes out as a character instead of a replacement mark.
std::string Text(const std::string& bytes) {
  if (IsUtf8(bytes)) return bytes;
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

nlohmann::ordered_json ToJson(const Shown& s) {
  nlohmann::ordered_json browser = nlohmann::ordered_json::object();
  ForEachBrowserSetting(s.browser, [&browser](const auto& setting, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) browser[std::string(setting.key)] = Text(value);
    else browser[std::string(setting.key)] = value;
  });
  nlohmann::ordered_json toolbar = nlohmann::ordered_json::array();
  for (const ToolbarEntry& row : s.toolbar)
    toolbar.push_back({{"type", row.tag}, {"caption", Text(row.caption)}, {"url", Text(row.url)}, {"image", Text(row.image)}});
  nlohmann::ordered_json domains = nlohmann::ordered_json::array();
  for (const std::string& domain : s.domains) domains.push_back(Text(domain));
  return {{"browser", browser},
          {"toolbar", toolbar},
          {"domains", domains},
          {"private", {{"DefaultServer", Text(s.private_data.default_server)}, {"DefaultRoot", Text(s.private_data.default_root)}}}};
}

void PrintText(const Shown& s) {
  std::cout << '[' << kBrowserSection << "]\n";
  ForEachBrowserSetting(s.browser, [](const auto& setting, const auto& value) { std::cout << setting.key << '=' << value << '\n'; });
  std::cout << "[Toolbar]\n";
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
    // The file the options dialog would open for this target.
    const std::string file = ConfigurationPathFor(*config, FileAttributes(*config), NativePathFlavour());
    if (const std::string why = WhyUnreadable(file, false); !why.empty()) {
      result.exit_code = Fail(file, why);
      return;
    }
    const Shown shown = Load(file);
    if (*json) std::cout << ToJson(shown).dump(2) << '\n';
    else PrintText(shown);
  });
}

}  // namespace kgh::cli
