#include "component/SetupOrvex.h"

#include "config/CIniFile2.h"
#include "resources/Resources.h"

namespace kgh {

bool SetupOrvex::CreateStartFile(const std::string& Dest, const std::string& StartFile) {
  int error = 0;
  if (!services_.files->Replace(Dest, resources::ConfigurationTemplate(), error)) return false;
  CIniFile2 ini(*services_.profile, services_.messages);
  ini.INIFile = Dest;
  ini.Section = "Browser";
  ini.WriteString("Homepage", StartFile);
  return true;
}

bool SetupOrvex::Compile(const std::string&, const std::string&, const std::string&) { return true; }

}  // namespace kgh
