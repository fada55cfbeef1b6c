#include "config/IniScan.h"

#include "config/IniSyntax.h"
#include "platform/TextCase.h"

namespace kgh {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// One line without its line end, and where the next one begins. Lines end where the document
// ends them: at CR LF, a lone CR or a lone LF.
struct ScannedLine {
  std::string_view text;
  std::size_t next;
};

ScannedLine LineAt(std::string_view bytes, std::size_t start) {
  std::size_t end = start;
  while (end < bytes.size() && !IsLineBreak(bytes[end])) ++end;
  std::size_t next = end;
  if (next < bytes.size()) next += bytes.substr(next, 2) == "\r\n" ? 2U : 1U;
  return {bytes.substr(start, end - start), next};
}

// Where the line of the "[" at `at` begins, when only blanks (and, on the first line, the byte
// order mark) stand before it: a header's text starts with its "[", so any other "[" is skipped
// without reading its line.
std::optional<std::size_t> LineStartBeforeBracket(std::string_view bytes, std::size_t at) {
  std::size_t first = at;
  while (first > 0 && IsIniBlank(bytes[first - 1])) --first;
  if (first == 0 || IsLineBreak(bytes[first - 1])) return first;
  if (first == kByteOrderMark.size() && bytes.starts_with(kByteOrderMark)) return 0;
  return std::nullopt;
}

// Where the lines of the first section named `name` begin: just after its header line. Only the
// "[" bytes are visited on the way, found by the library's fast byte search.
std::optional<std::size_t> FindSectionBody(std::string_view bytes, std::string_view name) {
  name = TrimIniBlanks(name);
  for (std::size_t at = bytes.find('['); at != std::string_view::npos; at = bytes.find('[', at + 1)) {
    const auto start = LineStartBeforeBracket(bytes, at);
    if (!start) continue;
    const ScannedLine line = LineAt(bytes, *start);
    const IniLineView view = ReadIniLine(line.text, *start == 0);
    if (view.kind == IniLineKind::Header && EqualsNoCase(view.name, name)) return line.next;
  }
  return std::nullopt;
}

// Calls `visit` with each line of the section whose lines begin at `body`, up to the next header
// or the end of the file, until `visit` answers true.
template <typename Visit>
void ForEachSectionLine(std::string_view bytes, std::size_t body, Visit visit) {
  for (std::size_t pos = body; pos < bytes.size();) {
    const ScannedLine line = LineAt(bytes, pos);
    const IniLineView view = ReadIniLine(line.text, false);  // the header stands before it
    if (view.kind == IniLineKind::Header || visit(view)) return;
    pos = line.next;
  }
}

}  // namespace

std::optional<std::string_view> ScanValue(std::string_view bytes, std::string_view section, std::string_view key) {
  const auto body = FindSectionBody(bytes, section);
  if (!body) return std::nullopt;
  key = TrimIniBlanks(key);
  std::optional<std::string_view> value;
  ForEachSectionLine(bytes, *body, [&](const IniLineView& line) {
    if (line.kind != IniLineKind::Entry || !EqualsNoCase(line.name, key)) return false;
    value = line.value;
    return true;
  });
  return value;
}

void ScanSectionText(std::string_view bytes, std::string_view section, std::string& out) {
  const auto body = FindSectionBody(bytes, section);
  if (!body) return;
  // Written in place rather than through SectionReadOf, which makes a string for every line.
  ForEachSectionLine(bytes, *body, [&out](const IniLineView& line) {
    if (line.kind == IniLineKind::Entry) {
      out += line.name;
      out += '=';
      out += line.value;
      out += '\0';
    } else if (line.kind == IniLineKind::Bare) {
      out += line.name;
      out += '\0';
    }
    return false;
  });
}

}  // namespace kgh
