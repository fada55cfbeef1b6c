// The configuration file as the dialogs see it: the template, the [Browser] reading rules,
// [Toolbar] lines to rows and back, [Domains] and [PrivateData].
#include <gtest/gtest.h>

#include <filesystem>

#include "component/SetupOrvex.h"
#include "config/ConfigFormat.h"
#include "resources/Resources.h"
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
  CIniFile2 Ini() {
    CIniFile2 ini;
    ini.INIFile = file;
    return ini;
  }
  std::vector<ToolbarEntry> Rows(const std::string& bytes) {
    WriteBytes(file, bytes);
    CIniFile2 ini = Ini();
    return ReadToolbar(ini);
  }
  test::TempDir dir;
  std::string file = dir.File("Orvex.INI");
};

TEST(Template, IsTheTwentyFourLinesByteForByte) {
  EXPECT_EQ(resources::ConfigurationTemplate(), kTemplate);
  EXPECT_EQ(resources::ConfigurationTemplate().size(), 276U);
}

TEST(ButtonCatalogue, MapsIdsToKeysAndNames) {
  const CButtons b;
  EXPECT_EQ(CButtons::MaxButtonTypes, 10);
  EXPECT_EQ(b.ButtonTypeKey(9), "Sep");
  EXPECT_EQ(b.ButtonTypeName(9), "Separator");
  EXPECT_EQ(b.ButtonTypeKey(2), "Fwd");
  EXPECT_EQ(b.ButtonTypeName(2), "Forward button");
  EXPECT_EQ(b.ButtonTypeKey(7), "Print");
  EXPECT_EQ(b.ButtonTypeKey(8), "Rendezvous");
  EXPECT_EQ(b.ButtonTypeName(10), "User (URL) button");
  for (int id : {0, -1, 11, 10}) EXPECT_EQ(b.ButtonTypeKey(id), "") << id;
  for (int id : {0, -1, 11}) EXPECT_EQ(b.ButtonTypeName(id), "") << id;
}

TEST_F(ConfigFile, CreateStartFileWritesTheTemplateThenTheHomePage) {
  WriteBytes(file, "[Old]\r\nstuff=1\r\n");
  EXPECT_TRUE(SetupOrvex().CreateStartFile(file, "default.asp"));
  std::string expected = kTemplate;
  expected.insert(expected.find("[Toolbar]"), "Homepage=default.asp\r\n");
  EXPECT_EQ(ReadBytes(file), expected);

  EXPECT_TRUE(SetupOrvex().CreateStartFile(file, ""));
  EXPECT_NE(ReadBytes(file).find("BrowserEngine=2\r\nHomepage=\r\n[Toolbar]"), std::string::npos);
}

TEST_F(ConfigFile, CreateStartFileIntoAMissingFolderFailsAndCreatesNothing) {
  EXPECT_FALSE(SetupOrvex().CreateStartFile(dir.File("missing/Orvex.INI"), "a.htm"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
  EXPECT_TRUE(SetupOrvex().Compile("", "", ""));
}

TEST_F(ConfigFile, BrowserSettingsDefaultWhereKeysAreMissingOrOdd) {
  WriteBytes(file, "[Other]\r\nx=1\r\n");
  CIniFile2 ini = Ini();
  const BrowserSettings d = ReadBrowserSettings(ini);
  EXPECT_EQ(d.home_page, "");
  EXPECT_EQ(d.error_page, "res://error.htm");
  EXPECT_EQ(std::vector<int>({d.disable_context_menu, d.status_bar, d.avoid_modem, d.full_screen, d.small_toolbar,
                              d.close_kelmar, d.browser_engine}),
            std::vector<int>({1, 1, 1, 1, 0, 0, 3}));

  WriteBytes(file, "[Browser]\r\nBrowserEngine=7\r\nStatusBar=5\r\nFullScreen=-2\r\nSmallToolbar=0\r\n");
  BrowserSettings s = ReadBrowserSettings(ini);
  EXPECT_EQ(s.browser_engine, 3);
  EXPECT_EQ(s.status_bar, 1);
  EXPECT_EQ(s.full_screen, 1);
  WriteBrowserSettings(ini, s);
  EXPECT_EQ(ReadBytes(file),
            "[Browser]\r\nBrowserEngine=3\r\nStatusBar=1\r\nFullScreen=1\r\nSmallToolbar=0\r\nHomepage=\r\n"
            "ErrorPage=res://error.htm\r\nDisableContextMenu=1\r\nAvoidModem=1\r\nCloseKelmar=0\r\n");
}

TEST_F(ConfigFile, TemplateToolbarReadsAsElevenRows) {
  const std::vector<ToolbarEntry> rows = Rows(kTemplate);
  std::vector<std::string> captions;
  for (const ToolbarEntry& row : rows) captions.push_back(row.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Back", "Fwd", "Stop", "-", "Refresh", "-", "Home", "Print", "-",
                                                "Rendezvous", "Help"}));
  EXPECT_EQ(rows[0], (ToolbarEntry{1, "Back", "<<Back button>>", ""}));
  EXPECT_EQ(rows[3], (ToolbarEntry{9, "-", "<<Separator>>", ""}));
}

TEST_F(ConfigFile, ToolbarLinesReadByTheCatalogueRules) {
  const auto rows = Rows(
      "[Toolbar]\r\nback=0\r\nsep\r\nSep=1\r\n=x\r\nMyLink=http://a/b.htm\r\nUser1=u.htm\r\njunk\r\n"
      "[User1]\r\nCaption=Docs\r\nBitmap=img/d.bmp\r\n_A=B=C\r\nnot_sub=1\r\n_noequals\r\n");
  const std::string mark(kSubEntryMark);
  const std::vector<ToolbarEntry> expected = {
      {1, "Back", "<<Back button>>", ""},
      {9, "-", "<<Separator>>", ""},
      {9, "Sep", "<<Separator>>", ""},
      {10, "", "<<User (URL) button>>", ""},
      {10, "http://a/b.htm", "http://a/b.htm", ""},
      {10, "Docs", "u.htm", "img/d.bmp"},
      {10, mark + "A", "B=C", ""},
  };
  EXPECT_EQ(rows, expected);
  EXPECT_TRUE(rows[6].IsSubEntry());
  EXPECT_FALSE(rows[5].IsSubEntry());
}

TEST_F(ConfigFile, ToolbarRowsWriteWithUserSectionNumbering) {
  WriteBytes(file, "");
  const std::string mark(kSubEntryMark);
  const std::vector<ToolbarEntry> rows = {
      StandardButtonRow(1),       StandardButtonRow(9),           UserButtonRow("A", "a.htm", "a.bmp"),
      SubEntryRow("a1", "a1.htm"), SubEntryRow("a2", "a2.htm"),    UserButtonRow("B", "b.htm", ""),
      {9, "Sep", "<<Separator>>", ""}};
  CIniFile2 ini = Ini();
  WriteToolbar(ini, rows);
  EXPECT_EQ(ReadBytes(file),
            "[User1]\r\nCaption=A\r\nBitmap=a.bmp\r\n_a1=a1.htm\r\n_a2=a2.htm\r\n"
            "[User4]\r\nCaption=B\r\nBitmap=\r\n"
            "[Toolbar]\r\nBack=1\r\nSep\r\nUser1=a.htm\r\nUser4=b.htm\r\nSep\r\n");
  EXPECT_EQ(ReadToolbar(ini), (std::vector<ToolbarEntry>{rows[0], rows[1], rows[2], rows[3], rows[4], rows[5],
                                                         StandardButtonRow(9)}));
}

TEST_F(ConfigFile, RemovedSubEntriesDoNotComeBackAndOrphansBecomeButtons) {
  WriteBytes(file, "[Toolbar]\r\nUser1=a.htm\r\n[User1]\r\nCaption=A\r\nBitmap=\r\n_old=o.htm\r\n");
  CIniFile2 ini = Ini();
  WriteToolbar(ini, {SubEntryRow("lost", "l.htm"), UserButtonRow("A", "a.htm", "")});
  EXPECT_EQ(ReadToolbar(ini), (std::vector<ToolbarEntry>{UserButtonRow("lost", "l.htm", ""),
                                                         UserButtonRow("A", "a.htm", "")}));
  ini.Section = "Browser";
  EXPECT_EQ(ini.GetSection(), "");
}

TEST_F(ConfigFile, DomainsAndPrivateDataRoundTrip) {
  WriteBytes(file, "[Domains]\r\nold\r\n[PrivateData]\r\nDefaultServer=s:1\r\n");
  CIniFile2 ini = Ini();
  EXPECT_EQ(ReadDomains(ini), std::vector<std::string>{"old"});
  EXPECT_EQ(ReadPrivateData(ini).default_root, "");
  WriteDomains(ini, {"http://192.168.*.*", "mailto:"});
  WritePrivateData(ini, {"srv:80", "/var/www"});
  EXPECT_EQ(ReadBytes(file),
            "[PrivateData]\r\nDefaultServer=srv:80\r\nDefaultRoot=/var/www\r\n[Domains]\r\nhttp://192.168.*.*\r\nmailto:\r\n");
  WriteDomains(ini, {});
  EXPECT_TRUE(ReadDomains(ini).empty());
}

}  // namespace
}  // namespace kgh
