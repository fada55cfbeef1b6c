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
  ForEachRawLine(bytes, [&doc](std::string_view text, std::string_view terminator) {
    doc.lines_.push_back({text, terminator});
  });
  doc.IndexHeaders(0, doc.lines_.size());
  return doc;
}

void IniDocument::IndexHeaders(std::size_t first, std::size_t end) {
  auto at = std::lower_bound(headers_.begin(), headers_.end(), first,
                             [](const Header& h, std::size_t line) { return h.line < line; });
  for (std::size_t i = first; i < end; ++i) {
    const IniLineView view = ReadIniLine(lines_[i].text, i == 0);
    if (view.kind != IniLineKind::Header) continue;
    at = headers_.insert(at, Header{i, ToUpperAsciiCopy(view.name)}) + 1;
  }
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
  for (std::size_t h = 0; h < headers_.size(); ++h) {
    if (!EqualsNoCase(headers_[h].folded_name, name)) continue;
    const std::size_t end = h + 1 < headers_.size() ? headers_[h + 1].line : lines_.size();
    return Span{headers_[h].line, end};
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
  for (Header& header : headers_)
    if (header.line >= at) header.line += texts.size();
  IndexHeaders(at, at + texts.size());
}

void IniDocument::EraseLines(std::size_t first, std::size_t end) {
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.begin() + static_cast<std::ptrdiff_t>(end));
  std::erase_if(headers_, [first, end](const Header& h) { return h.line >= first && h.line < end; });
  for (Header& header : headers_)
    if (header.line >= end) header.line -= end - first;
  // A line that moves to the top is read as the first line, byte order mark and all.
  if (first == 0 && !lines_.empty()) {
    if (!headers_.empty() && headers_.front().line == 0) headers_.erase(headers_.begin());
    IndexHeaders(0, 1);
  }
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
  EraseLines(first, end);
  InsertLines(first, texts);
  return true;
}

bool IniDocument::RemoveSection(std::string_view section) {
  // Every copy goes: removing only the first would bring a later duplicate's stale lines back
  // into view, and a caller that removes a section to write it anew would inherit them.
  bool removed = false;
  while (const auto span = FindSection(section)) {
    EraseLines(span->header, span->end);
    removed = true;
  }
  return removed;
}

}  // namespace kgh
