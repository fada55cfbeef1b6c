#include "wizard/StringTable.h"

#include <charconv>
#include <limits>

#include "resources/Resources.h"

namespace kgh {
namespace {

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default: out += '\\'; out += text[i]; break;  // not an escape: both characters stay
    }
  }
  return out;
}

std::optional<int16_t> ParseId(std::string_view digits) {
  int value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return static_cast<int16_t>(value);
}

}  // namespace

StringTable StringTable::Parse(std::string_view resource) {
  StringTable table;
  while (!resource.empty()) {
    std::size_t end = resource.find('\n');
    std::string_view line = resource.substr(0, end);
    resource = end == std::string_view::npos ? std::string_view{} : resource.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    if (auto id = ParseId(line.substr(0, tab))) table.texts_.emplace(*id, Unescape(line.substr(tab + 1)));
  }
  return table;
}

std::optional<std::string> StringTable::Text(int32_t id) const {
  if (id < std::numeric_limits<int16_t>::min() || id > std::numeric_limits<int16_t>::max()) return std::nullopt;
  auto found = texts_.find(static_cast<int16_t>(id));
  if (found == texts_.end()) return std::nullopt;
  return found->second;
}

const StringTable& WizardStringTable() {
  static const StringTable table = StringTable::Parse(resources::WizardStrings());
  return table;
}

}  // namespace kgh
