// nginx: the configuration is a tree of directives ("name args;" or "name args { ... }").
#include <string>
#include <vector>

#include "platform/WebServerConfigText.h"
#include "platform/WebServerVirtualDirs.h"

namespace kgh {
namespace {

using webserver::AddApplication;

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
  explicit Parser(std::string prefix) : prefix_(std::move(prefix)) {}

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
      for (const std::string& file : ExpandConfigPattern(directive.words[1], prefix_)) {
        std::vector<Directive> included = ParseFile(file, depth + 1);
        for (Directive& d : included) out.push_back(std::move(d));
      }
      return;
    }
    if (!directive.words.empty()) out.push_back(std::move(directive));
  }

  std::string prefix_;
};

const std::string* Argument(const std::vector<Directive>& block, const char* name) {
  for (const Directive& d : block)
    if (!d.has_block && d.words.size() >= 2 && d.words[0] == name) return &d.words[1];
  return nullptr;
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

void CollectLocations(const std::vector<Directive>& block, std::vector<VirtualDirEntry>& entries) {
  for (const Directive& d : block) {
    if (!d.has_block || d.words.empty() || d.words[0] != "location") continue;
    std::string url = LocationPath(d);
    if (const std::string* alias = Argument(d.block, "alias")) {
      AddApplication(entries, url, *alias);
    } else if (const std::string* root = Argument(d.block, "root")) {
      AddApplication(entries, url, JoinUrl(*root, url));
    }
    CollectLocations(d.block, entries);
  }
}

void CollectServers(const std::vector<Directive>& http, std::vector<VirtualDirEntry>& entries) {
  const std::string* http_root = Argument(http, "root");
  for (const Directive& d : http) {
    if (!d.has_block || d.words.empty() || d.words[0] != "server") continue;
    const std::string* root = Argument(d.block, "root");
    if (root == nullptr) root = http_root;
    if (root != nullptr) AddApplication(entries, "/", *root);
    CollectLocations(d.block, entries);
  }
}

}  // namespace

bool ReadNginxApplications(const std::string& main_config, std::vector<VirtualDirEntry>& entries) {
  if (!webserver::ReadConfigFile(main_config)) return false;
  Parser parser(webserver::FolderOfConfig(main_config));
  for (const Directive& d : parser.ParseFile(main_config, 0))
    if (d.has_block && !d.words.empty() && d.words[0] == "http") CollectServers(d.block, entries);
  return true;
}

}  // namespace kgh
