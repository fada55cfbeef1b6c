// Apache: one directive per line (a trailing "\" continues it), names without regard to case.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextCase.h"
#include "platform/WebServerConfigText.h"
#include "platform/WebServerVirtualDirs.h"

namespace kgh {
namespace {

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') { ++i; continue; }
    std::string word;
    if (line[i] == '"') {
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        word += line[i];
      }
      ++i;
    } else {
      for (; i < line.size() && line[i] != ' ' && line[i] != '\t'; ++i) word += line[i];
    }
    words.push_back(std::move(word));
  }
  return words;
}

// The file's logical lines: continuations joined, line ends and outer blanks removed.
std::vector<std::string> LogicalLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string pending;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.back() == '\\') {
      line.pop_back();
      pending += line;
    } else {
      lines.push_back(pending + line);
      pending.clear();
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// The main server or one <VirtualHost>: where it serves the root from and its aliases.
struct ServerContext {
  std::vector<int> ports;  // a virtual host's address ports
  bool any_port = false;   // an address without a port, or with "*", answers every port
  std::string document_root;
  std::vector<VirtualDirEntry> aliases;
};

class ApacheReader {
 public:
  explicit ApacheReader(std::string server_root) : server_root_(std::move(server_root)) {}

  void ReadFile(const std::string& path, int depth) {
    auto text = webserver::ReadConfigFile(path);
    if (!text || depth > webserver::kMaxIncludeDepth) return;
    for (const std::string& line : LogicalLines(*text)) Apply(SplitWords(line), depth);
  }

  WebSite FirstSite() const {
    WebSite site{listen_ports_.empty() ? webserver::kHttpPort : listen_ports_.front(), {}};
    auto on_port = [&site](const ServerContext& v) {
      return v.any_port || std::find(v.ports.begin(), v.ports.end(), site.port) != v.ports.end();
    };
    auto vhost = std::find_if(virtual_hosts_.begin(), virtual_hosts_.end(), on_port);
    // A virtual host inherits the main server's document root and, after its own, its aliases.
    std::vector<VirtualDirEntry> aliases;
    std::string document_root = main_.document_root;
    if (vhost != virtual_hosts_.end()) {
      aliases = vhost->aliases;
      if (!vhost->document_root.empty()) document_root = vhost->document_root;
    }
    for (const VirtualDirEntry& alias : main_.aliases) webserver::AddApplication(aliases, alias.Name, alias.Path);
    site.applications = webserver::RootFirst(document_root, aliases);
    return site;
  }

 private:
  void Apply(std::vector<std::string> words, int depth) {
    if (words.empty() || words[0][0] == '#') return;
    const std::string& name = words[0];
    if (name[0] == '<') {
      std::string_view tag = name;
      if (tag.back() == '>') tag.remove_suffix(1);
      if (EqualsNoCase(tag, "</VirtualHost")) in_virtual_host_ = false;
      if (EqualsNoCase(tag, "<VirtualHost")) OpenVirtualHost(std::move(words));
      return;
    }
    ServerContext& here = in_virtual_host_ ? virtual_hosts_.back() : main_;
    if (EqualsNoCase(name, "ServerRoot") && words.size() >= 2) {
      server_root_ = words[1];
    } else if ((EqualsNoCase(name, "Include") || EqualsNoCase(name, "IncludeOptional")) && words.size() >= 2) {
      for (const std::string& path : ExpandConfigPattern(words[1], server_root_)) ReadPath(path, depth + 1);
    } else if (EqualsNoCase(name, "Listen") && words.size() >= 2) {
      if (auto port = webserver::ParsePort(webserver::PortPart(words[1]))) listen_ports_.push_back(*port);
    } else if (EqualsNoCase(name, "Alias") && words.size() >= 3) {
      webserver::AddApplication(here.aliases, words[1], webserver::ResolvePath(server_root_, words[2]));
    } else if (EqualsNoCase(name, "DocumentRoot") && words.size() >= 2) {
      // The last one of a server counts, as for every single-valued directive.
      here.document_root = webserver::ResolvePath(server_root_, words[1]);
    }
  }

  // "<VirtualHost *:80 [::1]:8089>": the ">" may stand alone or end the last address.
  void OpenVirtualHost(std::vector<std::string> words) {
    if (!words.back().empty() && words.back().back() == '>') words.back().pop_back();
    ServerContext& vhost = virtual_hosts_.emplace_back();
    for (std::size_t i = 1; i < words.size(); ++i) {
      if (words[i].empty()) continue;
      std::string_view port_text = webserver::PortPart(words[i]);
      if (port_text.empty() || port_text == "*") {
        vhost.any_port = true;
      } else if (auto port = webserver::ParsePort(port_text)) {
        vhost.ports.push_back(*port);
      }
    }
    in_virtual_host_ = true;
  }

  // An included folder stands for every file below it, in name order.
  void ReadPath(const std::string& path, int depth) {
    if (depth > webserver::kMaxIncludeDepth) return;
    if (webserver::ReadConfigFile(path)) {
      ReadFile(path, depth);
      return;
    }
    for (const std::string& child : ExpandConfigPattern("*", path)) ReadPath(child, depth + 1);
  }

  std::string server_root_;
  std::vector<int> listen_ports_;
  ServerContext main_;
  std::vector<ServerContext> virtual_hosts_;
  bool in_virtual_host_ = false;
};

}  // namespace

bool ReadApacheFirstSite(const std::string& main_config, std::optional<WebSite>& site) {
  if (!webserver::ReadConfigFile(main_config)) return false;
  ApacheReader reader(webserver::FolderOfConfig(main_config));
  reader.ReadFile(main_config, 0);
  site = reader.FirstSite();
  return true;
}

}  // namespace kgh
