#include "config/Configuration.h"

#include "config/ProfileTransaction.h"

namespace kgh {

Configuration ReadConfiguration(CIniFile2& ini) {
  const ProfileTransaction reading(ini.Profile(), ini.INIFile);  // one reading of the file serves every value
  Configuration configuration;
  configuration.browser = ReadBrowserSettings(ini);
  configuration.toolbar = ReadToolbar(ini);
  configuration.domains = ReadDomains(ini);
  configuration.private_data = ReadPrivateData(ini);
  return configuration;
}

void WriteConfiguration(CIniFile2& ini, const Configuration& configuration) {
  WriteBrowserSettings(ini, configuration.browser);
  WriteToolbar(ini, configuration.toolbar);
  WriteDomains(ini, configuration.domains);
  WritePrivateData(ini, configuration.private_data);
}

}  // namespace kgh
