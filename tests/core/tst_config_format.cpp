// The configuration file as the dialogs see it: the template, the [Browser] reading rules,
// [Toolbar] lines to rows and back, [Domains] and [PrivateData].
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "component/SetupOrvex.h"
#include "config/ConfigFormat.h"
#include "config/Configuration.h"
#include "config/PortableProfile.h"
#include "config/IniSyntax.h"
#include "resources/Resources.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const std::string kTemplate =
    "[Browser]\r\nErrorPage=res://error.htm\r\nDisableContextMenu=1\r\nStatusBar=1\r\nAvoidModem=1\r\n"
    "BrowserEngine=2\r\n[Toolbar]\r\nBack=1\r\nFwd=1\r\nStop=1\r\nSep\r\nRefresh=1\r\nSep\r\nHome=1\r\n"
    "Print=1\r\nSep\r\nRendezvous=1\r\nHelp=1\r\n[Domains]\r\nhttp://localhost:{PORT}/\r\njavascript:\r\n"
    "mailto:\r\nabout:\r\nres:\r\n";

class ConfigFile : public ::testing::Test {
 protected:
  // A reader of the file holding `bytes`.
  CIniFile2 Ini(const std::string& bytes) {
    WriteBytes(file, bytes);
    CIniFile2 ini;
    ini.INIFile = file;
    return ini;
  }
  // Writes `text` where the saver puts that kind of text, between neighbours, and reads it back as
  // the dialog does; nullopt when the reader finds no such text at all.
  std::optional<std::string> WriteAndReadBack(TypedText kind, const std::string& text) {
    using enum TypedText;
    CIniFile2 ini = Ini("");
    if (kind == PageAddress) {
      WriteBrowserSettings(ini, {.home_page = {}, .error_page = text});
      return ReadBrowserSettings(ini).error_page;
    }
    if (kind == DefaultServer || kind == RootDirectory) {
      const bool server = kind == DefaultServer;
      WritePrivateData(ini, {server ? text : "s", server ? "r" : text});
      return server ? ReadPrivateData(ini).default_server : ReadPrivateData(ini).default_root;
    }
    if (kind == DomainEntry) {
      WriteDomains(ini, {"before", text, "after"});
      const std::vector<std::string> read = ReadDomains(ini);
      EXPECT_TRUE(read.size() >= 2 && read.front() == "before" && read.back() == "after") << "neighbours lost";
      return read.size() == 3 ? std::optional(read[1]) : std::nullopt;
    }
    std::vector<ToolbarEntry> rows = {StandardButtonRow(1),
                                      UserButtonRow(kind == ButtonCaption ? text : "c", kind == ButtonUrl ? text : "u",
                                                    kind == BitmapAddress ? text : "b"),
                                      StandardButtonRow(2)};
    if (kind == SubEntryCaption) rows.insert(rows.begin() + 2, SubEntryRow(text, "s"));
    WriteToolbar(ini, rows);
    const std::vector<ToolbarEntry> read = ReadToolbar(ini);
    EXPECT_TRUE(read.size() >= 2 && read.front() == rows.front() && read.back() == rows.back()) << "neighbours lost";
    if (read.size() != rows.size()) return std::nullopt;
    const ToolbarEntry& back = read[rows.size() - 2];
    if (kind == ButtonUrl) return back.url;
    if (kind == BitmapAddress) return back.image;
    if (kind == SubEntryCaption)
      return back.IsSubEntry() ? std::optional(WithoutSubEntryMark(back.caption)) : std::nullopt;
    return back.caption;
  }
  test::TempDir dir;
  std::string file = dir.File("Orvex.INI");
};

TEST(ButtonCatalogue, MapsIdsToKeysAndNames) {
  const CButtons b;
  EXPECT_EQ(CButtons::MaxButtonTypes, 10);
  for (const auto& [id, key] : std::map<int, std::string>{
           {9, "Sep"}, {2, "Fwd"}, {7, "Print"}, {8, "Rendezvous"}, {0, ""}, {-1, ""}, {11, ""}, {10, ""}})
    EXPECT_EQ(b.ButtonTypeKey(id), key) << id;
  for (const auto& [id, name] : std::map<int, std::string>{
           {9, "Separator"}, {2, "Forward button"}, {10, "User (URL) button"}, {0, ""}, {-1, ""}, {11, ""}})
    EXPECT_EQ(b.ButtonTypeName(id), name) << id;
}

TEST_F(ConfigFile, CreateStartFileWritesTheTwentyFourLineTemplateThenTheHomePageOrFailsCreatingNothing) {
  EXPECT_EQ(resources::ConfigurationTemplate(), kTemplate);
  EXPECT_EQ(resources::ConfigurationTemplate().size(), 276U);
  WriteBytes(file, "[Old]\r\nstuff=1\r\n");
  EXPECT_TRUE(SetupOrvex().CreateStartFile(file, "default.asp"));
  std::string expected = kTemplate;
  expected.insert(expected.find("[Toolbar]"), "Homepage=default.asp\r\n");
  EXPECT_EQ(ReadBytes(file), expected);
  EXPECT_TRUE(SetupOrvex().CreateStartFile(file, ""));
  EXPECT_NE(ReadBytes(file).find("BrowserEngine=2\r\nHomepage=\r\n[Toolbar]"), std::string::npos);
  // into a missing folder it fails and creates nothing
  EXPECT_FALSE(SetupOrvex().CreateStartFile(dir.File("missing/Orvex.INI"), "a.htm"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
  EXPECT_TRUE(SetupOrvex().Compile("", "", ""));
}

TEST_F(ConfigFile, TemplateToolbarReadsAsElevenRowsAndOtherLinesByTheCatalogueRules) {
  CIniFile2 ini = Ini(kTemplate);
  const std::vector<ToolbarEntry> rows = ReadToolbar(ini);
  std::vector<std::string> captions;
  for (const ToolbarEntry& row : rows) captions.push_back(row.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Back", "Fwd", "Stop", "-", "Refresh", "-", "Home", "Print", "-",
                                                "Rendezvous", "Help"}));
  EXPECT_EQ(rows[0], (ToolbarEntry{1, "Back", "<<Back button>>", ""}));
  EXPECT_EQ(rows[3], (ToolbarEntry{9, "-", "<<Separator>>", ""}));
  // other lines read by the catalogue rules
  CIniFile2 other = Ini(
      "[Toolbar]\r\nback=0\r\nsep\r\nSep=1\r\n=x\r\nMyLink=http://a/b.htm\r\nUser1=u.htm\r\njunk\r\n"
      "[User1]\r\nCaption=Docs\r\nBitmap=img/d.bmp\r\n_A=B=C\r\nnot_sub=1\r\n_noequals\r\n");
  const std::vector<ToolbarEntry> others = ReadToolbar(other);
  EXPECT_EQ(others, (std::vector<ToolbarEntry>{
                      {1, "Back", "<<Back button>>", ""}, {9, "-", "<<Separator>>", ""},
                      {9, "Sep", "<<Separator>>", ""}, {10, "", "<<User (URL) button>>", ""},
                      {10, "http://a/b.htm", "http://a/b.htm", ""}, {10, "Docs", "u.htm", "img/d.bmp"},
                      {10, std::string(kSubEntryMark) + "A", "B=C", ""}}));
  EXPECT_TRUE(others[6].IsSubEntry());
  EXPECT_FALSE(others[5].IsSubEntry());
}

TEST_F(ConfigFile, ToolbarRowsWriteWithUserSectionNumberingAndOrphansBecomeButtons) {
  const std::vector<ToolbarEntry> rows = {
      StandardButtonRow(1),       StandardButtonRow(9),           UserButtonRow("A", "a.htm", "a.bmp"),
      SubEntryRow("a1", "a1.htm"), SubEntryRow("a2", "a2.htm"),    UserButtonRow("B", "b.htm", ""),
      {9, "Sep", "<<Separator>>", ""}};
  CIniFile2 ini = Ini("");
  WriteToolbar(ini, rows);
  EXPECT_EQ(ReadBytes(file),
            "[User1]\r\nCaption=A\r\nBitmap=a.bmp\r\n_a1=a1.htm\r\n_a2=a2.htm\r\n"
            "[User4]\r\nCaption=B\r\nBitmap=\r\n"
            "[Toolbar]\r\nBack=1\r\nSep\r\nUser1=a.htm\r\nUser4=b.htm\r\nSep\r\n");
  EXPECT_EQ(ReadToolbar(ini), (std::vector<ToolbarEntry>{rows[0], rows[1], rows[2], rows[3], rows[4], rows[5],
                                                         StandardButtonRow(9)}));
  // removed sub-entries do not come back and orphans become buttons
  WriteBytes(file, "[Toolbar]\r\nUser1=a.htm\r\n[User1]\r\nCaption=A\r\nBitmap=\r\n_old=o.htm\r\n");
  WriteToolbar(ini, {SubEntryRow("lost", "l.htm"), UserButtonRow("A", "a.htm", "")});
  EXPECT_EQ(ReadToolbar(ini), (std::vector<ToolbarEntry>{UserButtonRow("lost", "l.htm", ""),
                                                         UserButtonRow("A", "a.htm", "")}));
  ini.Section = "Browser";
  EXPECT_EQ(ini.GetSection(), "");
}

TEST_F(ConfigFile, DomainsAndPrivateDataRoundTrip) {
  CIniFile2 ini = Ini("[Domains]\r\nold\r\n[PrivateData]\r\nDefaultServer=s:1\r\n");
  EXPECT_EQ(ReadDomains(ini), std::vector<std::string>{"old"});
  EXPECT_EQ(ReadPrivateData(ini).default_root, "");
  WriteDomains(ini, {"http://192.168.*.*", "mailto:"});
  WritePrivateData(ini, {"srv:80", "/var/www"});
  EXPECT_EQ(ReadBytes(file),
            "[PrivateData]\r\nDefaultServer=srv:80\r\nDefaultRoot=/var/www\r\n[Domains]\r\nhttp://192.168.*.*\r\nmailto:\r\n");
  WriteDomains(ini, {});
  EXPECT_TRUE(ReadDomains(ini).empty());
}

// ---- texts as typed ----

TEST_F(ConfigFile, ValuesAreQuotedExactlyWhenABareReadWouldChangeThem) {
  const std::pair<std::string, std::string> cases[] = {  // typed, stored
      {"http://a/b.htm", "http://a/b.htm"}, {" lead", "\" lead\""}, {"trail\t", "\"trail\t\""},
      {"\"quoted\"", "\"\"quoted\"\""}, {"'single'", "\"'single'\""}, {"\"open", "\"open"}, {"\"'", "\"'"}};
  for (const auto& [typed, stored] : cases) {
    CIniFile2 ini = Ini("");
    WriteBrowserSettings(ini, {.home_page = typed});
    EXPECT_NE(ReadBytes(file).find("\r\nHomepage=" + stored + "\r\n"), std::string::npos) << typed;
    EXPECT_EQ(ReadBrowserSettings(ini).home_page, typed);
  }
}

using TypedTextInTheFile = ConfigFile;

// The check the dialogs rely on says "" exactly for the texts that come back as typed, and no
// text ever adds a section or costs its neighbours their place. The texts are hostile ones for
// every place a user types into; NUL and line breaks included.
TEST_F(TypedTextInTheFile, TheReasonIsEmptyExactlyWhenTheTextReadsBackAsTyped) {
  const std::set<std::string> sections = {"Browser", "PrivateData", "Toolbar", "Domains", "User1"};
  using enum TypedText;
  for (TypedText kind : {PageAddress, DefaultServer, RootDirectory, ButtonCaption, SubEntryCaption, ButtonUrl,
                         BitmapAddress, DomainEntry}) {
    for (const std::string& text : std::initializer_list<std::string>{
             "http://plain/", "", " lead", "trail ", "\tboth\t", "   ", "\"quoted\"", "'single'", "\"", "\"open", "a=b",
             "a = b", "a =b", "=x", ";semi", " ;semi", "[Evil]", "  [Evil]", "[open", "close]", "a\rb", "a\nb",
             "a\r\n[Evil]", std::string("a\0[Evil]", 8), "\r\n[Evil]\r\nk=v"}) {
      SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(kind) << " text [" << text << "]");
      const std::string why = WhyNotStoredAsTyped(kind, text);
      EXPECT_EQ(why.empty(), WriteAndReadBack(kind, text) == text) << why;
      const std::string bytes = ReadBytes(file);  // every section header, as a reader sees them
      for (std::size_t pos = 0, end = 0; pos < bytes.size(); pos = end + 2) {
        end = std::min(bytes.find("\r\n", pos), bytes.size());
        const IniLineView line = ReadIniLine(std::string_view(bytes).substr(pos, end - pos), pos == 0);
        EXPECT_TRUE(line.kind != IniLineKind::Header || sections.count(std::string(line.name))) << line.name;
      }
    }
  }
}

// Which texts are refused is settled by the property above; these pin the wording users read.
TEST(TypedText, ReasonsSayWhatTheBrowserWouldMakeOfTheText) {
  EXPECT_EQ(WhyNotStoredAsTyped(TypedText::DomainEntry, ";x"),
            "A domain entry cannot begin with \";\": the browser would read it as a comment.");
  EXPECT_EQ(WhyNotStoredAsTyped(TypedText::SubEntryCaption, " a=b"),
            "A sub-entry caption cannot contain \"=\": the browser would end the caption at the first \"=\".");
  EXPECT_EQ(WhyNotStoredAsTyped(TypedText::DomainEntry, "   "),
            "A domain entry cannot be made only of blanks: the browser would read it as an empty line and skip it.");
  EXPECT_EQ(WhyNotStoredAsTyped(TypedText::DomainEntry, " kiosk.local"),
            "A domain entry cannot begin or end with a blank: the browser would drop the blank.");
  EXPECT_EQ(WhyNotStoredAsTyped(TypedText::DomainEntry, "a = b"),
            "A domain entry cannot have blanks around \"=\": the browser would drop them.");
  EXPECT_EQ(WhyNotStoredAsTyped(TypedText::PageAddress, "x\r\n[Evil]"),
            "A page address cannot contain a line break or a NUL character: the browser would read the rest as "
            "another line of its configuration.");
}

// A program writing the file between two readings would give a configuration that is neither.
TEST(Configuration, IsReadFromOneReadingOfTheFile) {
  test::MemoryFileStore store;
  store.files["C:\\Orvex.INI"] = kTemplate;
  PortableProfile profile(store);
  CIniFile2 ini(profile, nullptr);
  ini.INIFile = "C:\\Orvex.INI";
  const Configuration configuration = ReadConfiguration(ini);
  EXPECT_EQ(store.reads, 1);
  EXPECT_EQ(configuration.domains.size(), 5u);
}

TEST_F(ConfigFile, ALineTheFileRefusesIsLeftOutAloneNotWithItsSection) {
  CIniFile2 ini = Ini("[Domains]\r\nold\r\n");
  WriteDomains(ini, {"a", "x\r\n[Evil]", "", "[Evil]", "b"});
  WriteToolbar(ini, {UserButtonRow("A", "a\r\n[Evil]", ""), StandardButtonRow(1)});
  EXPECT_EQ(ReadBytes(file), "[Domains]\r\na\r\nb\r\n[User1]\r\nCaption=A\r\nBitmap=\r\n[Toolbar]\r\nBack=1\r\n");
}

}  // namespace
}  // namespace kgh
