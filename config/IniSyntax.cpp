#include "config/IniSyntax.h"

namespace kgh {

bool IsIniBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

std::string_view TrimIniBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string StoredValue(std::string_view typed) {
  if (Unquote(TrimIniBlanks(typed)) == typed) return std::string(typed);
  return '"' + std::string(typed) + '"';
}

std::optional<std::string> SectionReadOf(const IniLineView& line) {
  switch (line.kind) {
    case IniLineKind::Entry:
      return std::string(line.name) + "=" + std::string(line.value);
    case IniLineKind::Bare:
      return std::string(line.name);
    case IniLineKind::Blank:
    case IniLineKind::Comment:
    case IniLineKind::Header:
      break;
  }
  return std::nullopt;
}

IniLineView ReadIniLine(std::string_view text, bool first_line) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (first_line && text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  text = text.substr(0, text.find('\0'));
  const std::string_view trimmed = TrimIniBlanks(text);
  if (trimmed.empty()) return {};
  if (trimmed.front() == '[') {
    const auto close = trimmed.rfind(']');
    if (close != std::string_view::npos && close > 0)
      return {IniLineKind::Header, TrimIniBlanks(trimmed.substr(1, close - 1)), {}};
  }
  if (trimmed.front() == ';') return {IniLineKind::Comment, trimmed, {}};
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return {IniLineKind::Bare, trimmed, {}};
  return {IniLineKind::Entry, TrimIniBlanks(trimmed.substr(0, eq)), TrimIniBlanks(trimmed.substr(eq + 1))};
}

}  // namespace kgh
