#pragma once
// Texts addressed by a whole-number id, loaded from the component's string-table resource.
//
// Resource format (resources/WizardStrings.txt): one entry per line, the decimal id, one TAB,
// then the text. Blank lines and lines starting with "#" are ignored. In the text, "\r", "\n",
// "\t" and "\\" stand for CR, LF, TAB and a backslash; every other character is taken as it is.
// Line ends of the resource file itself (LF or CR LF) are not part of any text.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace kgh {

class StringTable {
 public:
  StringTable() = default;
  // Parses the format above. A line that is not "id<TAB>text" with an id in the 16-bit range
  // is ignored; a repeated id keeps its first text.
  static StringTable Parse(std::string_view resource);

  // The text of `id`; nothing when the table lacks it.
  std::optional<std::string> Text(int32_t id) const;
  void Set(int16_t id, std::string text) { texts_[id] = std::move(text); }

 private:
  std::map<int16_t, std::string> texts_;
};

// The component's own table, parsed once from its resource.
const StringTable& WizardStringTable();

}  // namespace kgh
