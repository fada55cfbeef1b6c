#include "platform/WebServerConfigText.h"

#include <algorithm>
#include <charconv>
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

std::string ResolvePath(const std::string& base, const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  return (std::filesystem::path(base) / path).string();
}

std::string NormaliseUrlPath(std::string url) {
  while (url.size() > 1 && url.back() == '/') url.pop_back();
  return url;
}

std::string_view PortPart(std::string_view address) {
  if (!address.empty() && std::all_of(address.begin(), address.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return address;
  // An IPv6 address is bracketed, so only a colon after the closing bracket starts a port.
  std::size_t host_end = address.empty() || address[0] != '[' ? 0 : address.find(']');
  if (host_end == std::string_view::npos) return {};
  std::size_t colon = address.find(':', host_end);
  return colon == std::string_view::npos ? std::string_view{} : address.substr(colon + 1);
}

std::optional<int> ParsePort(std::string_view text) {
  int port = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || port < 1 || port > 65535)
    return std::nullopt;
  return port;
}

void AddApplication(std::vector<VirtualDirEntry>& entries, std::string url, std::string folder) {
  if (url.empty() || url[0] != '/' || folder.empty()) return;
  url = NormaliseUrlPath(std::move(url));
  bool known = std::any_of(entries.begin(), entries.end(), [&url](const VirtualDirEntry& e) { return e.Name == url; });
  if (!known) entries.push_back({std::move(url), std::move(folder)});
}

std::vector<VirtualDirEntry> RootFirst(const std::string& root_folder, const std::vector<VirtualDirEntry>& others) {
  std::vector<VirtualDirEntry> applications;
  auto own_root = std::find_if(others.begin(), others.end(), [](const VirtualDirEntry& e) { return e.Name == "/"; });
  AddApplication(applications, "/", own_root != others.end() ? own_root->Path : root_folder);
  for (const VirtualDirEntry& other : others) AddApplication(applications, other.Name, other.Path);
  return applications;
}

}  // namespace kgh::webserver
