#pragma once
// Reads answered straight from a file's bytes in one pass, without building the document's
// lines: each read goes to the file anew (the browser may change it between two calls) and
// wants one value or one section, so building every line of the file would cost most of the
// call. The answers are those of IniDocument::FindValue and IniDocument::SectionLines, by the
// same line rules (IniSyntax).
#include <optional>
#include <string>
#include <string_view>

namespace kgh {

// The value of `key` in the first section named `section`, as it stands in the file (trimmed,
// quotes kept); a view into `bytes`.
std::optional<std::string_view> ScanValue(std::string_view bytes, std::string_view section, std::string_view key);

// Appends the lines of the first section named `section` as a section read returns them, each
// followed by one NUL; appends nothing when the section is missing.
void ScanSectionText(std::string_view bytes, std::string_view section, std::string& out);

}  // namespace kgh
