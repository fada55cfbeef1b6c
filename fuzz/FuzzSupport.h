#pragma once
// Helpers shared by the INI fuzzers: which sections a file names, and a whole-file snapshot of
// what a reader sees, so that a write can be checked against everything it must not touch.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "config/IniSyntax.h"
#include "config/PortableProfile.h"
#include "platform/TextCase.h"

namespace kgh::fuzz {

// Aborts with a message, so that libFuzzer records the input as a finding.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant violated: %s\n", what);
  std::abort();
}

// Section names as a reader matches them: ASCII case folded, blanks trimmed.
inline std::string SectionKey(std::string_view name) {
  std::string key;
  for (const char c : TrimIniBlanks(name)) key += ToLowerAscii(c);
  return key;
}

// Every section header in the file, one name per section as a reader matches it.
inline std::vector<std::string> SectionNames(std::string_view bytes) {
  std::map<std::string, std::string> names;
  std::size_t pos = 0;
  bool first = true;
  while (pos <= bytes.size()) {
    auto brk = bytes.find_first_of("\r\n", pos);
    if (brk == std::string_view::npos) brk = bytes.size();
    const IniLineView view = ReadIniLine(bytes.substr(pos, brk - pos), first);
    if (view.kind == IniLineKind::Header) names.emplace(SectionKey(view.name), std::string(view.name));
    first = false;
    pos = brk + 1;
  }
  std::vector<std::string> out;
  for (const auto& [key, name] : names) out.push_back(name);
  return out;
}

// The text a section read returns for every section of the file, keyed as a reader matches.
inline std::map<std::string, std::string> ReadAllSections(PortableProfile& profile, const std::string& file,
                                                           std::string_view bytes) {
  std::map<std::string, std::string> sections;
  for (const std::string& name : SectionNames(bytes)) {
    std::string text;
    profile.GetSection(name, 1u << 24, file, text);
    sections[SectionKey(name)] = text;
  }
  return sections;
}

// Section text split at its NULs.
inline std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto nul = text.find('\0', pos);
    lines.emplace_back(text.substr(pos, nul - pos));
    if (nul == std::string_view::npos) break;
    pos = nul + 1;
  }
  return lines;
}

}  // namespace kgh::fuzz
