// nginx: the configuration is a tree of directives ("name args;" or "name args { ... }").
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WebServerConfigText.h"
#include "platform/WebServerVirtualDirs.h"

namespace kgh {
namespace {

using webserver::AddApplication;
using webserver::ResolvePath;

struct Directive {
  std::vector<std::string> words;  // the name, then the arguments
  std::vector<Directive> block;
  bool has_block = false;
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string> Tokenize(const std::string& text) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (IsSpace(c)) { ++i; continue; }
    if (c == '#') { while (i < text.size() && text[i] != '\n') ++i; continue; }
    if (c == ';' || c == '{' || c == '}') { tokens.emplace_back(1, c); ++i; continue; }
    std::string word;
    if (c == '"' || c == '\'') {
      for (++i; i < text.size() && text[i] != c; ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) ++i;
        word += text[i];
      }
      ++i;
    } else {
      for (; i < text.size() && !IsSpace(text[i]) && text[i] != ';' && text[i] != '{' && text[i] != '}'; ++i)
        word += text[i];
    }
    tokens.push_back(std::move(word));
  }
  return tokens;
}

class Parser {
 public:
  explicit Parser(std::string config_folder) : config_folder_(std::move(config_folder)) {}

  std::vector<Directive> ParseFile(const std::string& path, int depth) {
    std::vector<Directive> directives;
    auto text = webserver::ReadConfigFile(path);
    if (!text || depth > webserver::kMaxIncludeDepth) return directives;
    std::vector<std::string> tokens = Tokenize(*text);
    std::size_t position = 0;
    ParseBlock(tokens, position, directives, depth);
    return directives;
  }

 private:
  void ParseBlock(const std::vector<std::string>& tokens, std::size_t& position, std::vector<Directive>& out,
                  int depth) {
    Directive current;
    while (position < tokens.size()) {
      const std::string& token = tokens[position++];
      if (token == "}") return;
      if (token == ";") {
        Finish(std::move(current), out, depth);
        current = {};
      } else if (token == "{") {
        current.has_block = true;
        ParseBlock(tokens, position, current.block, depth);
        out.push_back(std::move(current));
        current = {};
      } else {
        current.words.push_back(token);
      }
    }
  }

  // An include is replaced by the directives of the files it names, in their place.
  void Finish(Directive directive, std::vector<Directive>& out, int depth) {
    if (directive.words.size() == 2 && directive.words[0] == "include") {
      for (const std::string& file : ExpandConfigPattern(directive.words[1], config_folder_)) {
        std::vector<Directive> included = ParseFile(file, depth + 1);
        for (Directive& d : included) out.push_back(std::move(d));
      }
      return;
    }
    if (!directive.words.empty()) out.push_back(std::move(directive));
  }

  std::string config_folder_;
};

bool IsBlock(const Directive& d, const char* name) { return d.has_block && !d.words.empty() && d.words[0] == name; }

const std::string* Argument(const std::vector<Directive>& block, const char* name) {
  for (const Directive& d : block)
    if (!d.has_block && d.words.size() >= 2 && d.words[0] == name) return &d.words[1];
  return nullptr;
}

// A server block and the `root` it inherits from its `http` block.
struct Server {
  const Directive* directive;
  const std::string* inherited_root;
};

// The TCP ports a server listens on, in order, and those it is the default server for.
struct Ports {
  std::vector<int> all;
  std::vector<int> defaults;
};

Ports PortsOf(const Directive& server) {
  Ports ports;
  bool listens = false;
  for (const Directive& d : server.block) {
    if (d.has_block || d.words.size() < 2 || d.words[0] != "listen") continue;
    listens = true;
    std::string_view port_text = webserver::PortPart(d.words[1]);
    std::optional<int> port = port_text.empty() ? webserver::kHttpPort : webserver::ParsePort(port_text);
    if (!port) continue;
    ports.all.push_back(*port);
    // "default" is the older spelling nginx still accepts.
    if (std::any_of(d.words.begin() + 2, d.words.end(),
                    [](const std::string& w) { return w == "default_server" || w == "default"; }))
      ports.defaults.push_back(*port);
  }
  if (!listens) ports.all.push_back(webserver::kHttpPort);
  return ports;
}

bool Contains(const std::vector<int>& ports, int port) {
  return std::find(ports.begin(), ports.end(), port) != ports.end();
}

// The server a browser reaches on the first port listened on, and that port; nullptr when no
// server listens on a port.
const Server* FirstSite(const std::vector<Server>& servers, int& port) {
  std::vector<Ports> ports;
  ports.reserve(servers.size());
  for (const Server& server : servers) ports.push_back(PortsOf(*server.directive));
  auto first = std::find_if(ports.begin(), ports.end(), [](const Ports& p) { return !p.all.empty(); });
  if (first == ports.end()) return nullptr;
  port = first->all.front();
  for (std::size_t i = 0; i < servers.size(); ++i)
    if (Contains(ports[i].defaults, port)) return &servers[i];
  // No earlier server listens at all, so the one that named the port first is the first on it.
  return &servers[static_cast<std::size_t>(first - ports.begin())];
}

std::string JoinUrl(std::string root, const std::string& url) {
  if (!root.empty() && root.back() == '/') root.pop_back();
  return root + url;
}

// The fixed URL path of a location, or "" for regular-expression and named locations.
std::string LocationPath(const Directive& location) {
  const auto& words = location.words;
  if (words.size() == 2) return words[1];
  if (words.size() == 3 && (words[1] == "=" || words[1] == "^~")) return words[2];
  return "";
}

void CollectLocations(const std::vector<Directive>& block, const std::string& prefix,
                      std::vector<VirtualDirEntry>& entries) {
  for (const Directive& d : block) {
    if (!IsBlock(d, "location")) continue;
    std::string url = LocationPath(d);
    if (const std::string* alias = Argument(d.block, "alias")) {
      AddApplication(entries, url, ResolvePath(prefix, *alias));
    } else if (const std::string* root = Argument(d.block, "root")) {
      AddApplication(entries, url, JoinUrl(ResolvePath(prefix, *root), url));
    }
    CollectLocations(d.block, prefix, entries);
  }
}

std::vector<VirtualDirEntry> ApplicationsOf(const Server& server, const std::string& prefix) {
  std::vector<VirtualDirEntry> locations;
  CollectLocations(server.directive->block, prefix, locations);
  const std::string* root = Argument(server.directive->block, "root");
  if (root == nullptr) root = server.inherited_root;
  return webserver::RootFirst(root != nullptr ? ResolvePath(prefix, *root) : "", locations);
}

}  // namespace

bool ReadNginxFirstSite(const std::string& main_config, const std::string& prefix, std::optional<WebSite>& site) {
  if (!webserver::ReadConfigFile(main_config)) return false;
  Parser parser(webserver::FolderOfConfig(main_config));
  std::vector<Directive> top = parser.ParseFile(main_config, 0);
  std::vector<Server> servers;
  for (const Directive& http : top) {
    if (!IsBlock(http, "http")) continue;
    const std::string* http_root = Argument(http.block, "root");
    for (const Directive& d : http.block)
      if (IsBlock(d, "server")) servers.push_back({&d, http_root});
  }
  int port = webserver::kHttpPort;
  if (const Server* first = FirstSite(servers, port)) site = WebSite{port, ApplicationsOf(*first, prefix)};
  return true;
}

}  // namespace kgh
