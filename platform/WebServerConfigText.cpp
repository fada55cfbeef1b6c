#include "platform/WebServerConfigText.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kgh::webserver {

std::optional<std::string> ReadConfigFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string FolderOfConfig(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

void AddApplication(std::vector<VirtualDirEntry>& entries, std::string url, std::string folder) {
  if (url.empty() || url[0] != '/' || folder.empty()) return;
  entries.push_back({std::move(url), std::move(folder)});
}

}  // namespace kgh::webserver
