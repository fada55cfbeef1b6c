// Glob expansion for the include directives of web server configuration files.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/WebServerVirtualDirs.h"

namespace kgh {
namespace {

namespace fs = std::filesystem;

bool HasWildcard(const std::string& component) { return component.find_first_of("*?[") != std::string::npos; }

// Matches one bracket expression at the start of `pattern`; `length` receives its size.
bool MatchBracket(std::string_view pattern, char c, std::size_t& length, bool& matched) {
  std::size_t i = 1;
  bool negate = i < pattern.size() && (pattern[i] == '!' || pattern[i] == '^');
  if (negate) ++i;
  bool found = false;
  bool first = true;
  for (; i < pattern.size() && (first || pattern[i] != ']'); ++i, first = false) {
    if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
      found = found || (c >= pattern[i] && c <= pattern[i + 2]);
      i += 2;
    } else {
      found = found || c == pattern[i];
    }
  }
  if (i >= pattern.size()) return false;  // no closing "]": not a bracket expression
  length = i + 1;
  matched = found != negate;
  return true;
}

std::vector<std::string> SortedChildren(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error); !error && it != fs::directory_iterator();
       it.increment(error))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

bool GlobMatch(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip)
      if (GlobMatch(pattern.substr(1), name.substr(skip))) return true;
    return false;
  }
  if (name.empty()) return false;
  if (pattern[0] == '[') {
    std::size_t length = 0;
    bool matched = false;
    if (MatchBracket(pattern, name[0], length, matched))
      return matched && GlobMatch(pattern.substr(length), name.substr(1));
  }
  if (pattern[0] != '?' && pattern[0] != name[0]) return false;
  return GlobMatch(pattern.substr(1), name.substr(1));
}

std::vector<std::string> ExpandConfigPattern(const std::string& pattern, const std::string& base) {
  fs::path full = fs::path(pattern).is_absolute() ? fs::path(pattern) : fs::path(base) / pattern;
  std::vector<std::string> candidates{full.root_path().string()};
  for (const fs::path& part : full.relative_path()) {
    std::string component = part.string();
    if (component.empty()) continue;
    std::vector<std::string> next;
    for (const std::string& folder : candidates) {
      if (!HasWildcard(component)) {
        next.push_back((fs::path(folder) / component).string());
        continue;
      }
      for (const std::string& name : SortedChildren(folder))
        if ((name[0] != '.' || component[0] == '.') && GlobMatch(component, name))
          next.push_back((fs::path(folder) / name).string());
    }
    candidates = std::move(next);
  }
  std::error_code error;
  candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                  [&error](const std::string& path) { return !fs::exists(path, error); }),
                   candidates.end());
  return candidates;
}

}  // namespace kgh
