// The configuration doctor on small files, one per rule: each file is a clean configuration with
// one thing wrong, and the doctor must name that thing, on its line, and nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigDoctor.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

std::vector<Finding> Check(const std::string& fixture) {
  std::vector<Finding> findings;
  int error = 0;
  EXPECT_TRUE(CheckConfigurationFile(std::string(KGH_DOCTOR_FIXTURES) + "/" + fixture + ".ini", findings, error))
      << fixture;
  return findings;
}

std::string Describe(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings)
    text += std::string(SeverityName(f.severity)) + " " + f.code + " [" + f.section + "] line " +
            std::to_string(f.line) + ": " + f.message + "\n";
  return text;
}

TEST(ConfigDoctor, FindsNothingInACleanConfiguration) { EXPECT_EQ(Describe(Check("clean")), ""); }

// A byte order mark is no content: a file holding nothing else is empty, not some other file.
TEST(ConfigDoctor, AFileOfOnlyAByteOrderMarkIsEmpty) {
  const test::TempDir dir;
  test::WriteBytes(dir.File("bom.ini"), "\xEF\xBB\xBF\r\n");
  std::vector<Finding> findings;
  int error = 0;
  ASSERT_TRUE(CheckConfigurationFile(dir.File("bom.ini"), findings, error));
  ASSERT_EQ(findings.size(), 1u) << Describe(findings);
  EXPECT_EQ(findings[0].code, "empty-file");
}

TEST(ConfigDoctor, NamesEachRuleOnItsLineAndNothingElse) {
  const struct {
    const char* code;
    Severity severity;
    const char* section;
    int line;
  } cases[] = {
      {"home-page-not-allowed", Severity::Error, "Browser", 2},
      {"error-page-not-allowed", Severity::Warning, "Browser", 3},
      {"toolbar-url-not-allowed", Severity::Warning, "Toolbar", 6},
      {"blank-entry", Severity::Warning, "Domains", 14},
      {"duplicate-entry", Severity::Hint, "Domains", 14},
      {"port-placeholder", Severity::Warning, "Domains", 14},
      {"entry-with-at", Severity::Warning, "Domains", 14},
      {"entry-with-hash", Severity::Warning, "Domains", 14},
      {"host-without-slash", Severity::Warning, "Domains", 14},
      {"missing-user-section", Severity::Warning, "Toolbar", 7},
      {"unused-user-section", Severity::Hint, "User7", 17},
      {"sub-entry-case-clash", Severity::Warning, "User1", 11},
      {"sub-entry-caption-with-equals", Severity::Warning, "User1", 11},
      {"ignored-toolbar-line", Severity::Hint, "Toolbar", 6},
      {"value-with-blanks", Severity::Warning, "PrivateData", 15},
      {"quoted-value", Severity::Hint, "User1", 8},
      {"switch-not-0-or-1", Severity::Warning, "Browser", 4},
      {"engine-out-of-range", Severity::Warning, "Browser", 4},
      {"unknown-browser-key", Severity::Hint, "Browser", 4},
      {"duplicate-key", Severity::Hint, "Browser", 4},
      {"duplicate-section", Severity::Hint, "Domains", 17},
      {"toolbar-cut", Severity::Warning, "Toolbar", 487},
      {"empty-file", Severity::Warning, "", 0},
      {"not-a-configuration", Severity::Error, "", 0},
#ifndef _WIN32  // the Windows store keeps no copies beside a file
      {"untrusted-copy", Severity::Warning, "", 0},
#endif
  };
  for (const auto& expected : cases) {
    const std::vector<Finding> findings = Check(expected.code);
    ASSERT_EQ(findings.size(), 1u) << expected.code << ":\n" << Describe(findings);
    const Finding& f = findings.front();
    EXPECT_EQ(f.code, expected.code);
    EXPECT_EQ(f.severity, expected.severity) << expected.code;
    EXPECT_EQ(f.section, expected.section) << expected.code;
    EXPECT_EQ(f.line, expected.line) << expected.code;
    EXPECT_EQ(f.message.back(), '.') << "one sentence: " << f.message;
  }
}

TEST(ConfigDoctor, SaysWhatEachValueReadsAsAndThatTheBrowserDecidesWhatItAllows) {
  EXPECT_NE(Check("switch-not-0-or-1").front().message.find("\"StatusBar=5\" reads as on"), std::string::npos);
  EXPECT_NE(Check("engine-out-of-range").front().message.find("reads as \"3 - Use engine that is installed\""),
            std::string::npos);
  EXPECT_NE(Check("value-with-blanks").front().message.find("reads as \"kiosk.local\""), std::string::npos);
  EXPECT_NE(Check("sub-entry-caption-with-equals").front().message.find("the caption \"Q\" with the address \"A=http"),
            std::string::npos);
  EXPECT_NE(Check("host-without-slash").front().message.find("\"http://intranet.example.org\""), std::string::npos);
  for (const char* fixture : {"home-page-not-allowed", "error-page-not-allowed", "toolbar-url-not-allowed"})
    EXPECT_NE(Check(fixture).front().message.find("the browser has the last word"), std::string::npos) << fixture;
  // 500 buttons of 33 characters after "Back=1": the dialog reads 481 of them whole and one cut.
  EXPECT_EQ(Check("toolbar-cut").front().message,
            "The section is longer than the 16381 characters the options dialog reads of a section, so the dialog "
            "does not show its last 19 buttons, from this line on, and OK in it would remove them; shorten the "
            "section (fewer buttons, shorter addresses) to keep them.");
  EXPECT_NE(Check("empty-file").front().message.find("The file is empty"), std::string::npos);
  EXPECT_NE(Check("not-a-configuration").front().message.find("none of the sections"), std::string::npos);
#ifndef _WIN32
  EXPECT_EQ(Check("untrusted-copy").front().message,
            std::string(KGH_DOCTOR_FIXTURES) +
                "/.untrusted-copy.ini.bak is not a copy this program made of this file: it is ignored; remove it.");
#endif
  EXPECT_TRUE(NeedsAttention(Check("port-placeholder")));
  EXPECT_FALSE(NeedsAttention(Check("duplicate-entry")));
}

TEST(ConfigDoctor, AnEntryAllowsWhatBeginsWithItCaseAsideWithStarsWithinOnePathPiece) {
  EXPECT_TRUE(EntryAllows("http://kiosk.local/", "HTTP://Kiosk.Local/news.htm"));
  EXPECT_FALSE(EntryAllows("http://kiosk.local/news", "http://kiosk.local/"));
  EXPECT_TRUE(EntryAllows("http://192.168.*.*", "http://192.168.1.20/start.htm"));
  EXPECT_TRUE(EntryAllows("http://*/", "http://anyhost/"));
  EXPECT_TRUE(EntryAllows("http://a*b/", "http://ab/"));           // "*" may stand for nothing
  EXPECT_FALSE(EntryAllows("http://*/shop/", "http://a/b/shop/"));  // but never for a "/"
  EXPECT_TRUE(EntryAllows("http://intranet", "http://intranet.example.org/"));
  EXPECT_TRUE(EntryAllows("", "anything"));
  // Many stars cost one pass each, however long the address.
  EXPECT_FALSE(EntryAllows("*a*a*a*a*a*a*a*a*a*a*b", std::string(1000, 'a')));
}

// What looks wrong but is not: a drive letter, "=" in a fragment, a section named twice, comments,
// a button that names no section.
TEST(ConfigDoctor, LeavesAloneWhatOnlyLooksWrong) {
  test::TempDir dir;
  const std::string file = dir.File("Orvex.INI");
  test::WriteBytes(file,
                   "[Browser]\r\n; the start page\r\n; (on every kiosk)\r\n\r\nHomepage=C:\\kiosk\\start.htm\r\n[Toolbar]\r\nUser1=http://kiosk.local/a.htm\r\n"
                   "=http://kiosk.local/nameless.htm\r\n"
                   "User1=http://kiosk.local/b.htm\r\n[User1]\r\nCaption=A\r\n_Faq=http://kiosk.local/faq#q=1\r\n"
                   "_Q=\"http://kiosk.local/q.htm?a=1\"\r\n[Domains]\r\nhttp://kiosk.local/\r\n");
  std::vector<Finding> findings;
  int error = 0;
  ASSERT_TRUE(CheckConfigurationFile(file, findings, error));
  ASSERT_EQ(findings.size(), 1u) << Describe(findings);  // the quotes, once, though two lines name the section
  EXPECT_EQ(findings.front().code, "quoted-value");
}

TEST(ConfigDoctor, TheAddressOfAButtonWithoutItsSectionIsCheckedToo) {
  test::TempDir dir;
  const std::string file = dir.File("Orvex.INI");
  test::WriteBytes(file, "[Browser]\r\nHomepage=http://kiosk.local/\r\n[Toolbar]\r\nUser1=http://elsewhere.example/\r\n"
                         "[Domains]\r\nhttp://kiosk.local/\r\n");
  std::vector<Finding> findings;
  int error = 0;
  ASSERT_TRUE(CheckConfigurationFile(file, findings, error));
  ASSERT_EQ(findings.size(), 2u) << Describe(findings);
  EXPECT_EQ(findings[0].code, "missing-user-section");
  EXPECT_EQ(findings[1].code, "toolbar-url-not-allowed");
}

TEST(ConfigDoctor, TheTemplateOnlyLacksItsPort) {
  std::vector<Finding> findings;
  int error = 0;
  ASSERT_TRUE(CheckConfigurationFile(KGH_TEMPLATE_FILE, findings, error));
  ASSERT_EQ(findings.size(), 1u) << Describe(findings);
  EXPECT_EQ(findings.front().code, "port-placeholder");
  EXPECT_EQ(findings.front().message,
            "The entry \"http://localhost:{PORT}/\" still holds the placeholder \"{PORT}\" and allows no real address; "
            "put the web server's port in its place.");
  EXPECT_FALSE(CheckConfigurationFile(std::string(KGH_DOCTOR_FIXTURES) + "/missing.ini", findings, error));
}

}  // namespace
}  // namespace kgh
