#pragma once
// How one line of an INI file reads: a section header, an entry, a bare line, a comment or a
// blank line. Shared by the document model and anything that must predict how a written line
// will be read back.
#include <optional>
#include <string>
#include <string_view>

namespace kgh {

// Calls visit(text, terminator) for each line of `bytes`: a line ends at CR LF, LF or CR, and
// a last line without an end has the terminator "".
template <typename Visit>
void ForEachRawLine(std::string_view bytes, Visit&& visit) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto brk = bytes.find_first_of("\r\n", pos);
    if (brk == std::string_view::npos) {
      visit(bytes.substr(pos), std::string_view());
      return;
    }
    const std::size_t term_len = (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n') ? 2 : 1;
    visit(bytes.substr(pos, brk - pos), bytes.substr(brk, term_len));
    pos = brk + term_len;
  }
}

enum class IniLineKind { Blank, Comment, Header, Entry, Bare };

struct IniLineView {
  IniLineKind kind = IniLineKind::Blank;
  std::string_view name;   // Header: the section name; Entry: the key; Bare: the line (all trimmed)
  std::string_view value;  // Entry: the value, trimmed
};

// `text` is one line without its line end. A NUL ends the line's text, as for the platform's
// string functions; a UTF-8 byte order mark in front of the first line is not part of it.
IniLineView ReadIniLine(std::string_view text, bool first_line);

// The blanks that the platform trims around names and values.
bool IsIniBlank(char c);
std::string_view TrimIniBlanks(std::string_view text);

// A value as a string read returns it: one pair of matching outer quotes removed.
std::string_view Unquote(std::string_view value);

// The text to write as a value so that a string read returns exactly `typed`. Only a value that
// a bare read would change (outer blanks, a matching pair of outer quotes) is wrapped in double
// quotes, so every other value is stored byte for byte as typed.
std::string StoredValue(std::string_view typed);

// A line as a section read returns it: an entry as key=value without blanks around "=", a bare
// line trimmed; nothing for blank, comment and header lines.
std::optional<std::string> SectionReadOf(const IniLineView& line);

}  // namespace kgh
