#include "config/ConfigFormat.h"

#include "platform/Module1.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "config/IniSyntax.h"
#include "config/PortableProfile.h"
#include "platform/TextCase.h"

namespace kgh {
namespace {

// A sub-entry's key in its user section; the reader takes the caption back from after the "_".
std::string SubEntryKey(std::string_view caption) { return "_" + std::string(caption); }

void ReadUserButton(CIniFile2& ini, std::string_view line, std::size_t eq, std::vector<ToolbarEntry>& rows) {
  const std::string url(line.substr(eq + 1));
  ini.Section = std::string(line.substr(0, eq));
  std::string caption = ini.GetString("Caption", url);
  std::string bitmap = ini.GetString("Bitmap", "");
  rows.push_back(UserButtonRow(std::move(caption), url, std::move(bitmap)));
  for (const std::string& entry : SplitSectionText(ini.GetSection())) {
    const auto q = entry.find('=');
    if (entry.empty() || entry[0] != '_' || q == std::string::npos) continue;
    // A section read keeps the quotes that a string read would remove; the value was written
    // for a string read, as the browser reads it.
    rows.push_back(SubEntryRow(std::string_view(entry).substr(1, q - 1), std::string(Unquote(entry.substr(q + 1)))));
  }
}

// A line that a section write would refuse takes the whole section with it, and an empty one
// ends the list early; leaving out only such a line keeps every other entry in the file.
std::string WritableSectionText(const std::vector<std::string>& lines) {
  std::vector<std::string> writable;
  for (const std::string& line : lines)
    if (!line.empty() && IsWritableSectionLine(line)) writable.push_back(line);
  return JoinSectionText(writable);
}

const char* Subject(TypedText kind) {
  switch (kind) {
    case TypedText::PageAddress: return "A page address";
    case TypedText::DefaultServer: return "The default server";
    case TypedText::RootDirectory: return "The root directory";
    case TypedText::ButtonCaption: return "A button caption";
    case TypedText::SubEntryCaption: return "A sub-entry caption";
    case TypedText::ButtonUrl: return "A button's destination URL";
    case TypedText::BitmapAddress: return "A bitmap URL";
    case TypedText::DomainEntry: return "A domain entry";
  }
  return "This text";
}

// The line the saver writes for `text`, read back by the rules a reader applies to it: how the
// line reads and the text the reader takes from it.
struct ReadBack {
  IniLineKind line_kind;
  std::optional<std::string> text;
};

ReadBack ReadBackOf(TypedText kind, std::string_view text) {
  switch (kind) {
    case TypedText::DomainEntry: {
      const IniLineView line = ReadIniLine(text, false);
      return {line.kind, SectionReadOf(line)};
    }
    case TypedText::ButtonUrl: {
      const std::string written = "User1=" + std::string(text);  // every user key reads alike
      const IniLineView line = ReadIniLine(written, false);
      return {line.kind, std::string(line.value)};
    }
    case TypedText::SubEntryCaption: {
      const std::string written = SubEntryKey(text) + "=url";
      const IniLineView line = ReadIniLine(written, false);
      return {line.kind, std::string(line.name.substr(1))};
    }
    case TypedText::PageAddress:
    case TypedText::DefaultServer:
    case TypedText::RootDirectory:
    case TypedText::ButtonCaption:
    case TypedText::BitmapAddress:
      break;
  }
  const std::string written = "Value=" + StoredValue(text);
  const IniLineView line = ReadIniLine(written, false);
  return {line.kind, std::string(Unquote(line.value))};
}

}  // namespace

std::string WhyNotStoredAsTyped(TypedText kind, std::string_view text) {
  const std::string subject = Subject(kind);
  // A line break cannot be predicted line by line: the rest would be a line of its own.
  if (!IsWritableValue(text))
    return subject + " cannot contain a line break or a NUL character: the browser would read the rest as "
                     "another line of its configuration.";
  const ReadBack read = ReadBackOf(kind, text);
  if (read.text == text) return "";
  switch (read.line_kind) {
    case IniLineKind::Header:
      return subject + " cannot begin with \"[\" and contain \"]\": the browser would read it as a section header.";
    case IniLineKind::Comment:
      return subject + " cannot begin with \";\": the browser would read it as a comment.";
    case IniLineKind::Blank:
      return subject + " cannot be made only of blanks: the browser would read it as an empty line and skip it.";
    case IniLineKind::Entry:
    case IniLineKind::Bare:
      break;
  }
  // The key ends at the first "=", whatever blanks the caption has.
  if (kind == TypedText::SubEntryCaption && text.find('=') != std::string_view::npos)
    return subject + " cannot contain \"=\": the browser would end the caption at the first \"=\".";
  if (TrimIniBlanks(text) != text)
    return subject + " cannot begin or end with a blank: the browser would drop the blank.";
  return subject + " cannot have blanks around \"=\": the browser would drop them.";
}

std::string ConfigurationPathFor(const std::string& target, int32_t attributes, PathFlavour flavour) {
  constexpr int32_t kDirectory = 0x10;
  const bool names_folder = attributes == -1 || (attributes & kDirectory) != 0;
  return names_folder ? target + PathSeparator(flavour) + kDefaultConfigFileName : target;
}

std::string ConfigurationFileFor(const std::string& target) {
  return ConfigurationPathFor(target, FileAttributes(target), NativePathFlavour());
}

bool HasSubEntryMark(std::string_view caption) { return caption.substr(0, kSubEntryMark.size()) == kSubEntryMark; }

std::string WithoutSubEntryMark(std::string_view caption) {
  return std::string(HasSubEntryMark(caption) ? caption.substr(kSubEntryMark.size()) : caption);
}

bool ToolbarEntry::IsSubEntry() const { return IsUserKind() && HasSubEntryMark(caption); }

ToolbarEntry CatalogueButtonRow(ButtonTypeId id) {
  const CButtons buttons;
  return {id, buttons.ButtonTypeKey(id), "<<" + buttons.ButtonTypeName(id) + ">>", ""};
}

ToolbarEntry StandardButtonRow(ButtonTypeId id) {
  if (id == kSeparatorButton) return {kSeparatorButton, "-", "<<Separator>>", ""};
  return CatalogueButtonRow(id);
}

ToolbarEntry UserButtonRow(std::string caption, std::string url, std::string image) {
  return {kUserButton, std::move(caption), std::move(url), std::move(image)};
}

ToolbarEntry SubEntryRow(std::string_view caption, std::string url) {
  return {kUserButton, std::string(kSubEntryMark) + std::string(caption), std::move(url), ""};
}

std::vector<ToolbarEntry> ReadToolbar(CIniFile2& ini) {
  std::vector<ToolbarEntry> rows;
  ini.Section = kToolbarSection;
  for (const std::string& line : SplitSectionText(ini.GetSection())) {
    if (const auto kind = CatalogueKindOfLine(line)) {
      // "Sep=..." is read as the separator's catalogue row, "Sep" alone as the list's separator.
      rows.push_back(EqualsNoCase(line, CButtons().ButtonTypeKey(kSeparatorButton)) ? StandardButtonRow(kSeparatorButton)
                                                                                     : CatalogueButtonRow(*kind));
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      ReadUserButton(ini, line, eq, rows);
    }
  }
  return rows;
}

std::optional<ButtonTypeId> CatalogueKindOfLine(std::string_view line) {
  const CButtons buttons;
  // The user kind matches a line that starts with "=" because its key is empty.
  for (ButtonTypeId id = 1; id <= CButtons::MaxButtonTypes; ++id) {
    const std::string key = buttons.ButtonTypeKey(id);
    if (StartsWithNoCase(line, key + "=") || (id == kSeparatorButton && EqualsNoCase(line, key))) return id;
  }
  return std::nullopt;
}

bool IsToolbarButtonLine(std::string_view line) {
  return CatalogueKindOfLine(line).has_value() || line.find('=') != std::string_view::npos;
}

std::size_t ToolbarButtonsBeyondRead(CIniFile2& ini) {
  std::string whole;  // however long it is
  ini.Profile().GetSection(kToolbarSection, std::numeric_limits<std::size_t>::max(), ini.INIFile, whole);
  const std::vector<std::string> lines = SplitSectionText(whole);
  return static_cast<std::size_t>(std::count_if(lines.begin() + static_cast<std::ptrdiff_t>(LinesReadWhole(lines)),
                                                lines.end(), [](const std::string& line) { return IsToolbarButtonLine(line); }));
}

void WriteToolbar(CIniFile2& ini, const std::vector<ToolbarEntry>& rows) {
  const CButtons buttons;
  std::vector<std::string> lines;
  int32_t counter = 1;
  bool have_user_section = false;
  for (const ToolbarEntry& row : rows) {
    if (row.tag == kSeparatorButton) {
      lines.emplace_back("Sep");
    } else if (row.IsSubEntry() && have_user_section) {
      ini.WriteString(SubEntryKey(WithoutSubEntryMark(row.caption)), StoredValue(row.url));
      ++counter;
    } else if (row.IsUserKind()) {
      const std::string key = "User" + std::to_string(counter);
      lines.push_back(key + "=" + row.url);
      ini.Section = key;
      ini.DeleteSection();
      ini.WriteString("Caption", StoredValue(WithoutSubEntryMark(row.caption)));
      ini.WriteString("Bitmap", StoredValue(row.image));
      have_user_section = true;
      ++counter;
    } else {
      lines.push_back(buttons.ButtonTypeKey(row.tag) + "=1");
    }
  }
  ini.Section = kToolbarSection;
  ini.DeleteSection();
  ini.WriteSection(WritableSectionText(lines));
}

std::vector<std::string> ReadDomains(CIniFile2& ini) {
  ini.Section = kDomainsSection;
  return SplitSectionText(ini.GetSection());
}

void WriteDomains(CIniFile2& ini, const std::vector<std::string>& domains) {
  ini.Section = kDomainsSection;
  ini.DeleteSection();
  ini.WriteSection(WritableSectionText(domains));
}

PrivateData ReadPrivateData(CIniFile2& ini) {
  ini.Section = kPrivateDataSection;
  PrivateData data;
  for (const PrivateDataSetting& setting : kPrivateDataSettings) data.*setting.value = ini.GetString(setting.key, "");
  return data;
}

void WritePrivateData(CIniFile2& ini, const PrivateData& data) {
  ini.Section = kPrivateDataSection;
  for (const PrivateDataSetting& setting : kPrivateDataSettings)
    ini.WriteString(setting.key, StoredValue(data.*setting.value));
}

std::vector<std::string> SplitSectionText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto nul = text.find('\0', pos);
    if (nul == std::string_view::npos) nul = text.size();
    if (nul > pos) lines.emplace_back(text.substr(pos, nul - pos));
    pos = nul + 1;
  }
  return lines;
}

std::size_t LinesReadWhole(const std::vector<std::string>& lines) {
  std::size_t text = 0;
  for (const std::string& line : lines) text += line.size() + 1;
  // The buffer holds the text and the NUL that closes the list; text that does not fit is cut
  // two characters short of the buffer's end.
  if (text + 1 <= CIniFile2::kSectionBufferSize) return lines.size();
  const std::size_t delivered = CIniFile2::kSectionBufferSize - 2;
  std::size_t position = 0, whole = 0;
  for (const std::string& line : lines) {
    if (position + line.size() > delivered) break;
    position += line.size() + 1;
    ++whole;
  }
  return whole;
}

std::string JoinSectionText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\0';
  }
  return text;
}

}  // namespace kgh
