#include "config/BrowserSettings.h"

#include "config/IniSyntax.h"

namespace kgh {
namespace {

struct Reader {
  CIniFile2& ini;
  void operator()(const PageAddressSetting& setting, std::string& value) const {
    value = ini.GetString(setting.key, setting.when_missing);
  }
  void operator()(const SwitchSetting& setting, int32_t& value) const {
    value = ini.GetInt(setting.key, setting.when_missing) != 0 ? 1 : 0;
  }
  void operator()(const EngineSetting& setting, int32_t& value) const {
    value = EngineFromStored(ini.GetInt(setting.key, setting.when_missing));
  }
};

struct Writer {
  CIniFile2& ini;
  void operator()(const PageAddressSetting& setting, const std::string& value) const {
    ini.WriteString(setting.key, StoredValue(value));
  }
  template <typename Numbered>
  void operator()(const Numbered& setting, int32_t value) const {
    ini.WriteString(setting.key, std::to_string(value));
  }
};

}  // namespace

int32_t EngineFromStored(int32_t stored) { return (stored == 1 || stored == 2) ? stored : 3; }

BrowserSettings ReadBrowserSettings(CIniFile2& ini) {
  ini.Section = kBrowserSection;
  BrowserSettings settings;
  ForEachBrowserSetting(settings, Reader{ini});
  return settings;
}

void WriteBrowserSettings(CIniFile2& ini, const BrowserSettings& settings) {
  ini.Section = kBrowserSection;
  ForEachBrowserSetting(settings, Writer{ini});
}

}  // namespace kgh
