#include "config/IniDocument.h"

#include <algorithm>
#include <utility>

#include "config/IniSyntax.h"
#include "platform/TextCase.h"

namespace kgh {
namespace {

constexpr std::string_view kCrLf = "\r\n";

}  // namespace

IniDocument IniDocument::Parse(std::string owned) {
  IniDocument doc;
  const std::string_view bytes = doc.Keep(std::move(owned));
  doc.lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto brk = bytes.find_first_of("\r\n", pos);
    if (brk == std::string_view::npos) {
      doc.lines_.push_back({bytes.substr(pos), {}});
      break;
    }
    const std::size_t term_len = (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n') ? 2 : 1;
    doc.lines_.push_back({bytes.substr(pos, brk - pos), bytes.substr(brk, term_len)});
    pos = brk + term_len;
  }
  return doc;
}

std::string IniDocument::Serialize() const {
  std::size_t size = 0;
  for (const Line& line : lines_) size += line.text.size() + line.terminator.size();
  std::string out;
  out.reserve(size);
  for (const Line& line : lines_) {
    out += line.text;
    out += line.terminator;
  }
  return out;
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::string_view name) const {
  name = TrimIniBlanks(name);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const IniLineView view = ReadIniLine(lines_[i].text, i == 0);
    if (view.kind != IniLineKind::Header || !EqualsNoCase(view.name, name)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && ReadIniLine(lines_[end].text, false).kind != IniLineKind::Header) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Span& span, std::string_view key) const {
  key = TrimIniBlanks(key);
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const IniLineView view = ReadIniLine(lines_[i].text, false);
    if (view.kind == IniLineKind::Entry && EqualsNoCase(view.name, key)) return i;
  }
  return std::nullopt;
}

std::size_t IniDocument::EndOfContent(const Span& span) const {
  std::size_t end = span.end;
  while (end > span.header + 1 && ReadIniLine(lines_[end - 1].text, false).kind == IniLineKind::Blank) --end;
  return end;
}

std::optional<std::string> IniDocument::FindValue(std::string_view section, std::string_view key) const {
  const auto span = FindSection(section);
  if (!span) return std::nullopt;
  const auto at = FindKey(*span, key);
  if (!at) return std::nullopt;
  return std::string(ReadIniLine(lines_[*at].text, false).value);
}

std::vector<std::string> IniDocument::SectionLines(std::string_view section) const {
  std::vector<std::string> out;
  const auto span = FindSection(section);
  if (!span) return out;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (auto read = SectionReadOf(ReadIniLine(lines_[i].text, false))) out.push_back(std::move(*read));
  }
  return out;
}

std::string_view IniDocument::Keep(std::string text) { return storage_.emplace_back(std::move(text)); }

void IniDocument::InsertLines(std::size_t at, const std::vector<std::string>& texts) {
  // The line before the insertion point may be a last line without a line end.
  if (at > 0 && lines_[at - 1].terminator.empty()) lines_[at - 1].terminator = kCrLf;
  std::vector<Line> added;
  added.reserve(texts.size());
  for (const std::string& text : texts) added.push_back({Keep(text), kCrLf});
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
}

void IniDocument::AppendSection(std::string_view section, const std::vector<std::string>& texts) {
  std::vector<std::string> block;
  block.reserve(texts.size() + 1);
  block.push_back("[" + std::string(section) + "]");
  block.insert(block.end(), texts.begin(), texts.end());
  InsertLines(lines_.size(), block);
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto span = FindSection(section);
  if (!span) {
    AppendSection(section, {std::string(key) + "=" + std::string(value)});
    return true;
  }
  if (const auto at = FindKey(*span, key)) {
    const IniLineView view = ReadIniLine(lines_[*at].text, false);
    if (view.value == value) return false;
    Line& line = lines_[*at];
    line.text = Keep(std::string(view.name) + "=" + std::string(value));
    if (line.terminator.empty()) line.terminator = kCrLf;
    return true;
  }
  InsertLines(EndOfContent(*span), {std::string(key) + "=" + std::string(value)});
  return true;
}

bool IniDocument::ReplaceSection(std::string_view section, const std::vector<std::string>& texts) {
  const auto span = FindSection(section);
  if (!span) {
    AppendSection(section, texts);
    return true;
  }
  const std::size_t first = span->header + 1;
  const std::size_t end = EndOfContent(*span);
  bool same = end - first == texts.size() && !lines_[span->header].terminator.empty();
  for (std::size_t i = 0; same && i < texts.size(); ++i)
    same = lines_[first + i].text == texts[i] && lines_[first + i].terminator == kCrLf;
  if (same) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.begin() + static_cast<std::ptrdiff_t>(end));
  InsertLines(first, texts);
  return true;
}

bool IniDocument::RemoveSection(std::string_view section) {
  // Every copy goes: removing only the first would bring a later duplicate's stale lines back
  // into view, and a caller that removes a section to write it anew would inherit them.
  bool removed = false;
  while (const auto span = FindSection(section)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    removed = true;
  }
  return removed;
}

}  // namespace kgh
