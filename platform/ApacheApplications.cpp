// Apache: one directive per line (a trailing "\" continues it), names without regard to case.
#include <string>
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

class ApacheReader {
 public:
  ApacheReader(std::string server_root, std::vector<VirtualDirEntry>& entries)
      : server_root_(std::move(server_root)), entries_(entries) {}

  void ReadFile(const std::string& path, int depth) {
    auto text = webserver::ReadConfigFile(path);
    if (!text || depth > webserver::kMaxIncludeDepth) return;
    for (const std::string& line : LogicalLines(*text)) Apply(SplitWords(line), depth);
  }

 private:
  void Apply(const std::vector<std::string>& words, int depth) {
    if (words.empty() || words[0][0] == '#' || words[0][0] == '<') return;
    const std::string& name = words[0];
    if (EqualsNoCase(name, "ServerRoot") && words.size() >= 2) {
      server_root_ = words[1];
    } else if ((EqualsNoCase(name, "Include") || EqualsNoCase(name, "IncludeOptional")) && words.size() >= 2) {
      for (const std::string& path : ExpandConfigPattern(words[1], server_root_)) ReadPath(path, depth + 1);
    } else if (EqualsNoCase(name, "Alias") && words.size() >= 3) {
      webserver::AddApplication(entries_, words[1], words[2]);
    } else if (EqualsNoCase(name, "DocumentRoot") && words.size() >= 2) {
      webserver::AddApplication(entries_, "/", words[1]);
    }
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
  std::vector<VirtualDirEntry>& entries_;
};

}  // namespace

bool ReadApacheApplications(const std::string& main_config, std::vector<VirtualDirEntry>& entries) {
  if (!webserver::ReadConfigFile(main_config)) return false;
  ApacheReader reader(webserver::FolderOfConfig(main_config), entries);
  reader.ReadFile(main_config, 0);
  return true;
}

}  // namespace kgh
