// CIniFile2 on real files: what comes back from reads, and the exact bytes that writes leave.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "component/SetupOrvex.h"
#include "config/CIniFile2.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class IniAccessor : public ::testing::Test {
 protected:
  CIniFile2 Open(const std::string& section, MessageBoxService* messages = nullptr) {
    CIniFile2 ini(SystemProfileApi(), messages);
    ini.INIFile = file;
    ini.Section = section;
    return ini;
  }
  void Given(const std::string& bytes) { WriteBytes(file, bytes); }
  std::string Bytes() const { return ReadBytes(file); }

  test::TempDir dir;
  std::string file = dir.File("Orvex.INI");
};

TEST_F(IniAccessor, ReadsStringsWithThePlatformsTrimmingQuotingAndLimits) {
  Given("[S]\r\nplain=value\r\n  spaced  =  a b  \r\nquoted=\" in \"\r\nsingle='x'\r\nodd=\"a\"b\"\r\n"
        "unmatched=\"abc\r\nempty=\r\nlong=" + std::string(1500, 'x') + "\r\n");
  CIniFile2 ini = Open("s");
  EXPECT_EQ(ini.GetString("PLAIN"), "value");
  EXPECT_EQ(ini.GetString("spaced"), "a b");
  EXPECT_EQ(ini.GetString("quoted"), " in ");
  EXPECT_EQ(ini.GetString("single"), "x");
  EXPECT_EQ(ini.GetString("odd"), "a\"b");
  EXPECT_EQ(ini.GetString("unmatched"), "\"abc");
  EXPECT_EQ(ini.GetString("empty", "default"), "");
  EXPECT_EQ(ini.GetString("long"), std::string(1022, 'x'));
  EXPECT_EQ(ini.GetString("missing", "fallback  "), "fallback");
  ini.Section = "Nowhere";
  EXPECT_EQ(ini.GetString("plain", "d"), "d");
}

TEST_F(IniAccessor, ReadsIntegersAsSignAndLeadingDigits) {
  Given("[S]\r\na=12abc\r\nb=abc\r\nc=-1\r\nd= 7\r\ne=+5\r\nf=\r\ng=\"42\"\r\n");
  CIniFile2 ini = Open("S");
  EXPECT_EQ(ini.GetInt("a", 9), 12);
  EXPECT_EQ(ini.GetInt("b", 9), 0);
  EXPECT_EQ(ini.GetInt("c", 9), -1);
  EXPECT_EQ(ini.GetInt("d", 9), 7);
  EXPECT_EQ(ini.GetInt("e", 9), 5);
  EXPECT_EQ(ini.GetInt("f", 9), 0);
  EXPECT_EQ(ini.GetInt("g", 9), 42);
  EXPECT_EQ(ini.GetInt("missing", 9), 9);
}

TEST_F(IniAccessor, SectionTextListsEntriesAndBareLinesInFileOrder) {
  Given("[Toolbar]\r\nBack=1\r\n\r\n; a comment\r\n  Sep  \r\n Home = 1 \r\n[Next]\r\nx=1\r\n");
  EXPECT_EQ(Open("toolbar").GetSection(), std::string("Back=1\0Sep\0Home=1\0", 18));
  EXPECT_EQ(Open("Missing").GetSection(), "");
}

TEST_F(IniAccessor, SectionTextThatDoesNotFitIsCutAt16381) {
  std::string body;
  for (int i = 0; i < 2000; ++i) body += "key" + std::to_string(i) + "=value\r\n";
  Given("[Big]\r\n" + body);
  EXPECT_EQ(Open("Big").GetSection().size(), 16381U);
}

TEST_F(IniAccessor, ToleratesWhatOtherToolsWrite) {
  const std::string cases[] = {
      "[S]\nk=v\n",                       // LF only
      "[S]\rk=v\r",                       // CR only
      "\xEF\xBB\xBF[S]\r\nk=v\r\n",       // byte order mark
      "[S]\r\nk=v",                       // no final line end
      std::string("[S]\r\nk=v\0tail\r\n", 15),  // NUL ends the line's text
      "; comment\r\n[ S ]\r\n  k  =  v  \r\n",
  };
  for (const std::string& bytes : cases) {
    Given(bytes);
    EXPECT_EQ(Open("S").GetString("k"), "v") << "file: " << ::testing::PrintToString(bytes);
  }
}

TEST_F(IniAccessor, WritesAppendSectionsAndEntriesWhereThePlatformPutsThem) {
  Given("[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2");
  CIniFile2 ini = Open("A");
  ini.WriteString("new", "n");
  ini.Section = "B";
  ini.WriteString("z", "3");
  ini.Section = "C";
  ini.WriteString("c", "4");
  EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\n; note\r\nnew=n\r\n\r\n[B]\r\ny=2\r\nz=3\r\n[C]\r\nc=4\r\n");
}

TEST_F(IniAccessor, ReplacingAValueKeepsTheKeysSpellingAndEverythingElse) {
  Given("; header comment\r\n[Browser]\r\nMyKey=old\r\nOther = keep \r\n");
  EXPECT_TRUE(Open("BROWSER").WriteString("MYKEY", "new"));
  EXPECT_EQ(Bytes(), "; header comment\r\n[Browser]\r\nMyKey=new\r\nOther = keep \r\n");
}

TEST_F(IniAccessor, WritingTheSameValueLeavesTheFileUntouched) {
  Given("[S]\r\nk=v\r\n");
  struct stat before {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);
  EXPECT_TRUE(Open("S").WriteString("k", "v"));
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // a rewrite would have renamed a new file in
}

TEST_F(IniAccessor, SectionReplacementAndRemoval) {
  Given("[Toolbar]\r\nBack=1\r\nSep\r\n\r\n[Domains]\r\na\r\n");
  CIniFile2 ini = Open("Toolbar");
  ini.WriteSection(std::string("Home=1\0Sep\0", 11));
  EXPECT_EQ(Bytes(), "[Toolbar]\r\nHome=1\r\nSep\r\n\r\n[Domains]\r\na\r\n");
  ini.WriteSection("");
  EXPECT_EQ(Bytes(), "[Toolbar]\r\n\r\n[Domains]\r\na\r\n");
  ini.DeleteSection();
  ini.WriteSection(std::string("Back=1\0", 7));
  EXPECT_EQ(Bytes(), "[Domains]\r\na\r\n[Toolbar]\r\nBack=1\r\n");
  ini.Section = "Absent";
  ini.DeleteSection();
  EXPECT_EQ(Bytes(), "[Domains]\r\na\r\n[Toolbar]\r\nBack=1\r\n");
}

TEST_F(IniAccessor, FirstOfDuplicateSectionsAndKeysIsReadAndWritten) {
  Given("[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n");
  CIniFile2 ini = Open("S");
  EXPECT_EQ(ini.GetString("k"), "1");
  ini.WriteString("k", "9");
  EXPECT_EQ(Bytes(), "[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n");
}

TEST_F(IniAccessor, WritesThatWouldCreateOtherLinesAreRefusedWhole) {
  const std::string original = "[Browser]\r\nHomepage=a\r\n";
  struct Case {
    std::string section, key, value;
  };
  const Case cases[] = {
      {"Browser", "Homepage", "x\r\n[Evil]\r\nk=v"},
      {"Browser", "Homepage", "x\ny"},
      {"Browser", "Homepage", "x\ry"},
      {"Browser", "Homepage", std::string("x\0y", 3)},
      {"Browser", "[Key]", "1"},
      {"Browser", "  [Key", "1"},
      {"Browser", "a\r\nb", "1"},
      {"Browser", std::string("a\0b", 3), "1"},
      {"Browser", "", "1"},
      {"Evil]", "k", "v"},
      {"a\r\n[b", "k", "v"},
      {std::string("a\0b", 3), "k", "v"},
      {"", "k", "v"},
  };
  for (const Case& c : cases) {
    Given(original);
    CIniFile2 ini = Open(c.section);
    EXPECT_FALSE(ini.WriteString(c.key, c.value)) << ::testing::PrintToString(c.key + "|" + c.value);
    EXPECT_EQ(Bytes(), original);
  }
  const std::string bad_sections[] = {std::string("ok\0[Evil]\0", 10), std::string("a\r\nb\0", 5),
                                      std::string("  [x]\0", 6)};
  for (const std::string& content : bad_sections) {
    Given(original);
    Open("Domains").WriteSection(content);
    EXPECT_EQ(Bytes(), original) << ::testing::PrintToString(content);
  }
}

TEST_F(IniAccessor, FailedRemovalShowsTheSystemsReasonAndFailedWritesStaySilent) {
  WriteBytes(dir.File("plain"), "not a folder");
  file = dir.File("plain") + "/Orvex.INI";
  test::ScriptedMessageBoxes messages;
  CIniFile2 ini = Open("Toolbar", &messages);
  EXPECT_FALSE(ini.WriteString("k", "v"));
  ini.WriteSection(std::string("a\0", 2));
  EXPECT_TRUE(messages.shown.empty());
  ini.DeleteSection();
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_EQ(messages.shown[0].title, "Pallix Setup");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(messages.shown[0].text, "Not a directory");

  file = dir.File("Orvex.INI");  // removing from a file that does not exist is no failure
  Open("Toolbar", &messages).DeleteSection();
  EXPECT_EQ(messages.shown.size(), 1U);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(IniAccessor, AReadOnlyFileIsNotWrittenEvenByRoot) {
  Given("[S]\r\nk=1\r\n");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  EXPECT_FALSE(Open("S").WriteString("k", "2"));
  EXPECT_FALSE(SetupOrvex().CreateStartFile(file, "a.htm"));
  EXPECT_EQ(Bytes(), "[S]\r\nk=1\r\n");
  EXPECT_EQ(test::ListFiles(dir.path()), std::vector<std::string>{"Orvex.INI"});
}

TEST_F(IniAccessor, WritesKeepPermissionsAndSymbolicLinks) {
  const std::string target = dir.File("real.ini");
  WriteBytes(target, "[S]\r\nk=1\r\n");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  std::filesystem::create_symlink("real.ini", file);
  EXPECT_TRUE(Open("S").WriteString("k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_EQ(ReadBytes(target), "[S]\r\nk=2\r\n");
  struct stat st {};
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640U);
  EXPECT_EQ(test::ListFiles(dir.path()), (std::vector<std::string>{"Orvex.INI", "real.ini"}));
}

}  // namespace
}  // namespace kgh
