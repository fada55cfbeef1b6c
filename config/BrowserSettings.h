#pragma once
// The [Browser] section, declared once. Each setting's declaration holds its key, the value a
// reader assumes when the key is missing, and where the options dialog shows it. Reading,
// writing, the dialog's controls and every listing of the settings derive from these
// declarations, so a new switch is one more line in kSwitchSettings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/CIniFile2.h"

namespace kgh {

inline constexpr std::string_view kBrowserSection = "Browser";

// The options dialog's pages, by tab position.
enum class DialogPage { General = 0, AllowedDomains = 1, ToolbarButtons = 2, Other = 3 };

// Where the options dialog shows a setting: the control's name, the caption that names it
// ("&" before the access key) and the page.
struct ShownAs {
  std::string_view control;
  std::string_view caption;
  DialogPage page;
};

// A page address or path, stored quoted where a reader would otherwise change it.
struct PageAddressSetting {
  std::string_view key;
  std::string_view when_missing;
  ShownAs shown;
};

// "0" or "1"; a reader takes any value but 0 as on. Shown as a check box.
struct SwitchSetting {
  std::string_view key;
  int32_t when_missing;
  ShownAs shown;
};

// Which engine the browser uses; a reader maps every value but 1 and 2 to 3.
struct EngineSetting {
  std::string_view key;
  int32_t when_missing;
  ShownAs shown;
};

inline constexpr PageAddressSetting kHomePageSetting{"Homepage", "", {"txtHome", "&Home page", DialogPage::General}};
inline constexpr PageAddressSetting kErrorPageSetting{
    "ErrorPage", "res://error.htm", {"txtError", "&Error page", DialogPage::General}};

inline constexpr std::array kSwitchSettings{
    SwitchSetting{"DisableContextMenu", 1, {"cbContentMenu", "&Disable content menus", DialogPage::Other}},
    SwitchSetting{"StatusBar", 1, {"cbStatusBar", "&Visible status bar", DialogPage::Other}},
    SwitchSetting{"AvoidModem", 1, {"cbModem", "&Skip modem connection", DialogPage::Other}},
    SwitchSetting{"FullScreen", 1, {"cbMaximized", "S&tart maximized", DialogPage::Other}},
    SwitchSetting{"SmallToolbar", 0, {"cbSmall", "&Use small toolbar buttons", DialogPage::Other}},
    SwitchSetting{"CloseKelmar", 0, {"cbCloseKelmar", "&Close Kelmar compiler", DialogPage::Other}},
};
inline constexpr std::size_t kSwitchCount = kSwitchSettings.size();

inline constexpr EngineSetting kEngineSetting{
    "BrowserEngine", 3, {"cmbBrowserType", "&Use browser engine:", DialogPage::Other}};

struct EngineChoice {
  std::string_view text;
  int32_t engine;
};
inline constexpr std::array kEngineChoices{
    EngineChoice{"1 - Use Mozilla engine", 1},
    EngineChoice{"2 - Use IE engine", 2},
    EngineChoice{"3 - Use engine that is installed", 3},
};

// The engine a stored number stands for: 1 and 2 as they are, anything else 3.
int32_t EngineFromStored(int32_t stored);

using SwitchValues = std::array<int32_t, kSwitchCount>;  // 0 or 1, in kSwitchSettings' order

constexpr SwitchValues DefaultSwitches() {
  SwitchValues values{};
  for (std::size_t i = 0; i < kSwitchCount; ++i) values[i] = kSwitchSettings[i].when_missing;
  return values;
}

// The values of [Browser] as the options dialog holds them.
struct BrowserSettings {
  std::string home_page{kHomePageSetting.when_missing};
  std::string error_page{kErrorPageSetting.when_missing};
  SwitchValues switches = DefaultSwitches();
  int32_t browser_engine = kEngineSetting.when_missing;

  bool operator==(const BrowserSettings&) const = default;
};

// Calls visit(declaration, value) for every setting, in the order a save writes them. Const or
// not, as `settings` is; the declaration's type tells the kinds apart.
template <typename Settings, typename Visit>
void ForEachBrowserSetting(Settings& settings, Visit&& visit) {
  visit(kHomePageSetting, settings.home_page);
  visit(kErrorPageSetting, settings.error_page);
  for (std::size_t i = 0; i < kSwitchCount; ++i) visit(kSwitchSettings[i], settings.switches[i]);
  visit(kEngineSetting, settings.browser_engine);
}

// The index of the switch a control shows, or kSwitchCount when no switch has that control.
constexpr std::size_t SwitchIndex(std::string_view control) {
  std::size_t i = 0;
  while (i < kSwitchCount && kSwitchSettings[i].shown.control != control) ++i;
  return i;
}

BrowserSettings ReadBrowserSettings(CIniFile2& ini);
// Writes every key one by one, in the declarations' order; the pages as StoredValue makes them.
void WriteBrowserSettings(CIniFile2& ini, const BrowserSettings& settings);

}  // namespace kgh
