#pragma once
// The browser configuration file around [Browser] (declared in BrowserSettings.h): how [Toolbar]
// lines become rows of the options dialog's toolbar list and back, and the [Domains] and
// [PrivateData] sections. The options dialog's loader and saver, the command-line tool and the
// wizard all go through these functions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/BrowserSettings.h"
#include "config/CButtons.h"
#include "config/CIniFile2.h"
#include "platform/PathFlavour.h"

namespace kgh {

inline constexpr const char* kDefaultConfigFileName = "Orvex.INI";

// The sections beside [Browser], in the order a new file holds them.
inline constexpr std::string_view kToolbarSection = "Toolbar";
inline constexpr std::string_view kDomainsSection = "Domains";
inline constexpr std::string_view kPrivateDataSection = "PrivateData";

// Marks a sub-entry row: three U+00B7 MIDDLE DOT characters in front of its caption.
inline constexpr std::string_view kSubEntryMark = "\xC2\xB7\xC2\xB7\xC2\xB7";

// The configuration file a target names, given the target's directory-entry attributes (-1
// when nothing matches it): the target itself when it is a file, otherwise "Orvex.INI" in it.
std::string ConfigurationPathFor(const std::string& target, int32_t attributes, PathFlavour flavour);
// The same for a target on this system, as it stands now.
std::string ConfigurationFileFor(const std::string& target);

// ---- [Toolbar] and the user sections ----

// One row of the toolbar list: "Caption", "URL" and "Image" columns and the kind as tag.
struct ToolbarEntry {
  ButtonTypeId tag = kUserButton;
  std::string caption;
  std::string url;
  std::string image;

  bool IsUserKind() const { return tag == kUserButton; }
  bool IsSubEntry() const;  // a user-kind row whose caption starts with the mark
  bool operator==(const ToolbarEntry&) const = default;
};

bool HasSubEntryMark(std::string_view caption);
std::string WithoutSubEntryMark(std::string_view caption);

// A catalogue kind as a row: its key as caption and "<<" name ">>" as URL ("Sep=1" reads so).
ToolbarEntry CatalogueButtonRow(ButtonTypeId id);
// The row a dialog makes for a kind: as above, but the separator shows "-" and "<<Separator>>".
ToolbarEntry StandardButtonRow(ButtonTypeId id);
ToolbarEntry UserButtonRow(std::string caption, std::string url, std::string image);
ToolbarEntry SubEntryRow(std::string_view caption, std::string url);

// Reads [Toolbar] and the user sections it names; leaves `ini.Section` at the last section read.
std::vector<ToolbarEntry> ReadToolbar(CIniFile2& ini);
// Which catalogue kind a [Toolbar] line names, as ReadToolbar takes it: "Key=..." names that kind,
// "Sep" alone a separator, and "=..." the user kind without a section. Nothing for other lines.
std::optional<ButtonTypeId> CatalogueKindOfLine(std::string_view line);
// Whether a [Toolbar] line is a button of the toolbar list: a catalogue kind, a separator, or a
// user button ("=" in it). ReadToolbar ignores every other line.
bool IsToolbarButtonLine(std::string_view line);
// How many [Toolbar] buttons lie beyond what a read of the section through the class's buffer
// delivers (ReadToolbar shows none of them as written, and a save of what it shows removes
// them), reading the whole section of the file `ini` is bound to. 0 when the section fits.
std::size_t ToolbarButtonsBeyondRead(CIniFile2& ini);
// Rewrites every user section, then replaces [Toolbar]. A sub-entry with no user button above
// it is stored as a user button of its own, so that nothing the user entered is lost. Captions,
// bitmaps and sub-entry URLs are written as StoredValue makes them. A [Toolbar] line that a
// section write refuses (a line break, or text read as a header) is left out on its own, so one
// bad row cannot cost the whole section.
void WriteToolbar(CIniFile2& ini, const std::vector<ToolbarEntry>& rows);

// ---- [Domains] ----

std::vector<std::string> ReadDomains(CIniFile2& ini);
// Removes [Domains] and writes it anew at the end of the file, leaving out on their own the
// entries that a section write refuses and empty ones.
void WriteDomains(CIniFile2& ini, const std::vector<std::string>& domains);

// ---- [PrivateData] ----

struct PrivateData {
  std::string default_server;
  std::string default_root;
};

// ---- What a user may type ----

// The texts a user types into the dialogs, by where the saver puts them. Values (pages, server,
// root, captions, bitmaps) are quoted where needed; the others land in section text as typed.
enum class TypedText {
  PageAddress,      // home page, error page
  DefaultServer,
  RootDirectory,
  ButtonCaption,    // a user button's caption
  SubEntryCaption,  // a sub-entry's caption without its mark: the key after "_"
  ButtonUrl,        // the text after "User<n>=" in [Toolbar]
  BitmapAddress,
  DomainEntry,      // a bare line of [Domains]
};

// "" when a reader (the browser included) gets `text` back exactly as typed from what the saver
// writes for it; otherwise a short reason for the user, in plain words.
std::string WhyNotStoredAsTyped(TypedText kind, std::string_view text);

// ---- [PrivateData], declared once ----

// A value of [PrivateData]: its key, where PrivateData holds it, and what a user may type for it.
// Reading, writing, the command-line tool's listing and JSON all go through these declarations.
struct PrivateDataSetting {
  std::string_view key;
  std::string PrivateData::*value;
  TypedText typed;
};
inline constexpr PrivateDataSetting kPrivateDataSettings[] = {
    {"DefaultServer", &PrivateData::default_server, TypedText::DefaultServer},
    {"DefaultRoot", &PrivateData::default_root, TypedText::RootDirectory},
};

PrivateData ReadPrivateData(CIniFile2& ini);
void WritePrivateData(CIniFile2& ini, const PrivateData& data);

// ---- Section text ----

// The lines of section text (each followed by one NUL); empty pieces are dropped.
std::vector<std::string> SplitSectionText(std::string_view text);
// Of a section whose lines are `lines` (as a section read gives them), how many at its start a
// read through the class's section buffer delivers whole: the next one, if any, comes cut, and
// those after it not at all.
std::size_t LinesReadWhole(const std::vector<std::string>& lines);
std::string JoinSectionText(const std::vector<std::string>& lines);

}  // namespace kgh
