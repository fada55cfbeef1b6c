#include "ReliabilitySupport.h"

#include <filesystem>

#include "config/IniSyntax.h"
#include "config/PortableProfile.h"
#include "platform/TextCase.h"
#include "support/TempDir.h"

namespace kgh::test {

std::map<std::string, std::string> ReadAllSections(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  PortableProfile profile(SystemFileStore());
  std::map<std::string, std::string> sections;
  std::size_t pos = 0;
  bool first = true;
  while (pos <= bytes.size()) {
    auto brk = bytes.find_first_of("\r\n", pos);
    if (brk == std::string::npos) brk = bytes.size();
    const IniLineView view = ReadIniLine(std::string_view(bytes).substr(pos, brk - pos), first);
    if (view.kind == IniLineKind::Header) {
      std::string text;
      profile.GetSection(view.name, 1u << 24, path, text);
      sections[ToUpperAsciiCopy(view.name)] = text;
    }
    first = false;
    pos = brk + 1;
  }
  return sections;
}

std::vector<std::string> StrayTemporaryFiles(const std::string& target) {
  const std::filesystem::path file(target);
  const std::string prefix = "." + file.filename().string() + ".";
  std::vector<std::string> stray;
  for (const std::string& name : ListFiles(file.parent_path()))
    if (name.rfind(prefix, 0) == 0 && name.size() > 4 && name.substr(name.size() - 4) == ".tmp") stray.push_back(name);
  return stray;
}

}  // namespace kgh::test
