#pragma once
// An INI file held as its lines, so that every line the component does not touch keeps its
// bytes. Reads follow the platform's private-profile rules: names compared ignoring case with
// blanks trimmed, values trimmed, the first of duplicate sections and keys wins.
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kgh {

class IniDocument {
 public:
  static IniDocument Parse(std::string bytes);
  std::string Serialize() const;

  IniDocument() = default;
  // Lines point into the document's own storage, which moves with it but must not be copied.
  IniDocument(IniDocument&&) = default;
  IniDocument& operator=(IniDocument&&) = default;
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // The value of `key` in `section` as it stands in the file (trimmed, quotes kept).
  std::optional<std::string> FindValue(std::string_view section, std::string_view key) const;

  // The section's lines as a section read returns them: entries as key=value, bare lines
  // trimmed, blank and ";" comment lines left out. Empty when the section is missing.
  std::vector<std::string> SectionLines(std::string_view section) const;

  // The mutators return whether the document changed.
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);
  bool ReplaceSection(std::string_view section, const std::vector<std::string>& lines);
  bool RemoveSection(std::string_view section);  // every section of that name

 private:
  // Views into `storage_`: the bytes as read and the lines the component wrote, so that reading
  // a large file costs no allocation per line.
  struct Line {
    std::string_view text;        // without its line end
    std::string_view terminator;  // "\r\n", "\n", "\r" or "" for a last line without one
  };
  struct Span {
    std::size_t header;  // index of the "[name]" line
    std::size_t end;     // one past the section's last line (the next header or the end)
  };
  // A header line and its section name folded for comparison: finding a section looks at each
  // header once instead of reading every line, which keeps large toolbars fast to load and save.
  struct Header {
    std::size_t line;
    std::string folded_name;
  };

  std::optional<Span> FindSection(std::string_view name) const;
  std::optional<std::size_t> FindKey(const Span& span, std::string_view key) const;
  // One past the last line of the section that is not blank (the header when all are).
  std::size_t EndOfContent(const Span& span) const;
  void InsertLines(std::size_t at, const std::vector<std::string>& texts);
  void EraseLines(std::size_t first, std::size_t end);
  void AppendSection(std::string_view section, const std::vector<std::string>& texts);
  // Records the headers among lines [first, end) that were just added to `lines_`.
  void IndexHeaders(std::size_t first, std::size_t end);

  std::string_view Keep(std::string text);

  // A deque keeps its elements in place when it grows and when it is moved, so the views into
  // its strings (short ones included) stay valid.
  std::deque<std::string> storage_;
  std::vector<Line> lines_;
  std::vector<Header> headers_;  // in line order
};

}  // namespace kgh
