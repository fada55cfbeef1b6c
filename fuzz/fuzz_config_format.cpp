// The configuration format on arbitrary files: reading [Browser], the toolbar and the domains
// never fails, and writing back what was read reads back the same, except where the format
// itself cannot carry it (listed at each comparison). The configuration doctor reads every such
// file too, and each of its findings points at a line the file has.
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <string>
#include <vector>

#include "config/ConfigDoctor.h"
#include "config/ConfigFormat.h"
#include "config/IniSyntax.h"
#include "config/PortableProfile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFileStore.h"

namespace kgh::fuzz {
namespace {

const std::string kFile = "Orvex.INI";

// How a row reads back after a save: separators in the dialog's form ("Sep=1" reads as the
// catalogue row); every text as it was, since values that a plain read would change are quoted.
ToolbarEntry AsSaved(const ToolbarEntry& row) {
  return row.tag == kSeparatorButton ? StandardButtonRow(kSeparatorButton) : row;
}

// Sub-entries whose captions are equal ignoring case share one key: only the last URL stays,
// at the first one's place; a save cannot carry them apart.
bool HasSharedSubEntryKeys(const std::vector<ToolbarEntry>& rows) {
  std::vector<std::string> keys;
  for (const ToolbarEntry& row : rows) {
    if (!row.IsSubEntry()) {
      if (row.IsUserKind()) keys.clear();
      continue;
    }
    const std::string key = SectionKey(WithoutSubEntryMark(row.caption));
    for (const std::string& seen : keys)
      if (seen == key) return true;
    keys.push_back(key);
  }
  return false;
}

// A user button whose caption itself starts with the sub-entry mark cannot be told from a
// sub-entry once it is a row of the list, so a save stores it as one.
bool HasUserButtonCaptionedAsSubEntry(CIniFile2& ini) {
  ini.Section = "Toolbar";
  for (const std::string& line : SplitSectionText(ini.GetSection())) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    CIniFile2 user = ini;
    user.Section = line.substr(0, eq);
    if (HasSubEntryMark(user.GetString("Caption", line.substr(eq + 1)))) return true;
  }
  return false;
}

// A section cut at the class's buffer size loses lines; a save then changes where it is cut.
bool NearBufferLimit(CIniFile2& ini, const char* section) {
  ini.Section = section;
  return ini.GetSection().size() + 2 >= CIniFile2::kSectionBufferSize;
}

// Shows both sides of a failed comparison next to the finding.
void DumpRows(const char* title, const std::vector<ToolbarEntry>& rows) {
  std::fprintf(stderr, "%s:\n", title);
  for (const ToolbarEntry& row : rows)
    std::fprintf(stderr, "  %d [%s] [%s] [%s]\n", row.tag, row.caption.c_str(), row.url.c_str(), row.image.c_str());
}

void CheckDoctor(CIniFile2& ini, const std::string& bytes) {
  int lines = 0;
  ForEachRawLine(bytes, [&lines](std::string_view, std::string_view) { ++lines; });
  for (const Finding& finding : CheckConfiguration(bytes, ReadConfiguration(ini))) {
    Require(finding.line >= 0 && finding.line <= lines, "a finding's line is in the file");
    Require(!finding.message.empty() && finding.message.back() == '.', "a finding says one sentence");
  }
}

void CheckBrowser(CIniFile2& ini) {
  const BrowserSettings read = ReadBrowserSettings(ini);
  Require(read.browser_engine >= 1 && read.browser_engine <= 3, "engine 1 to 3");
  WriteBrowserSettings(ini, read);
  const BrowserSettings again = ReadBrowserSettings(ini);
  Require(again == read, "every setting reads back");
}

void CheckToolbarAndDomains(CIniFile2& ini) {
  const std::vector<ToolbarEntry> rows = ReadToolbar(ini);
  const std::vector<std::string> domains = ReadDomains(ini);
  for (const std::string& domain : domains) Require(!domain.empty(), "no empty domain");
  const bool toolbar_cut = NearBufferLimit(ini, "Toolbar");
  const bool domains_cut = NearBufferLimit(ini, "Domains");
  const bool ambiguous = HasUserButtonCaptionedAsSubEntry(ini);

  WriteToolbar(ini, rows);
  WriteDomains(ini, domains);
  const std::vector<ToolbarEntry> rows_again = ReadToolbar(ini);
  const std::vector<std::string> domains_again = ReadDomains(ini);

  if (!domains_cut) Require(domains_again == domains, "domains read back");
  if (toolbar_cut || ambiguous || HasSharedSubEntryKeys(rows)) return;
  std::vector<ToolbarEntry> expected;
  for (const ToolbarEntry& row : rows) expected.push_back(AsSaved(row));
  if (rows_again != expected) {
    DumpRows("expected", expected);
    DumpRows("read back", rows_again);
  }
  Require(rows_again == expected, "toolbar rows read back");
}

}  // namespace
}  // namespace kgh::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kgh;
  using namespace kgh::fuzz;
  MemoryFileStore store;
  store.Put(kFile, std::string(reinterpret_cast<const char*>(data), size));
  PortableProfile profile(store);
  SilentMessageBoxes messages;
  CIniFile2 ini(profile, &messages);
  ini.INIFile = kFile;
  CheckDoctor(ini, std::string(reinterpret_cast<const char*>(data), size));
  CheckBrowser(ini);
  CheckToolbarAndDomains(ini);
  return 0;
}
