// CIniFile2 on real files: what comes back from reads, and the exact bytes that writes leave.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <set>

#include "component/SetupOrvex.h"
#include "config/CIniFile2.h"
#include "config/ForwardingProfile.h"
#include "platform/FileStore.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using namespace std::string_literals;

class IniAccessor : public ::testing::Test {
 protected:
  // A reader of `section`, after the file was given `bytes` unless they are nullptr.
  CIniFile2 Open(const std::string& section, const char* bytes = nullptr, MessageBoxService* messages = nullptr) {
    if (bytes != nullptr) Given(bytes);
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

TEST_F(IniAccessor, ReadsStringsWithThePlatformsTrimmingQuotingAndLimitsAndIntegersAsSignAndDigits) {
  Given("[S]\r\nplain=value\r\n  spaced  =  a b  \r\nquoted=\" in \"\r\nsingle='x'\r\nodd=\"a\"b\"\r\n"
        "unmatched=\"abc\r\nempty=\r\nlong=" + std::string(1500, 'x') + "\r\n");
  CIniFile2 ini = Open("s");
  for (const auto& [key, value] : std::initializer_list<std::pair<const char*, std::string>>{
           {"PLAIN", "value"}, {"spaced", "a b"}, {"quoted", " in "}, {"single", "x"}, {"odd", "a\"b"},
           {"unmatched", "\"abc"}, {"long", std::string(1022, 'x')}})
    EXPECT_EQ(ini.GetString(key), value) << key;
  EXPECT_EQ(ini.GetString("empty", "default"), "");
  EXPECT_EQ(ini.GetString("missing", "fallback  "), "fallback");
  ini.Section = "Nowhere";
  EXPECT_EQ(ini.GetString("plain", "d"), "d");
  std::string out = "stale";  // no room at all: nothing, as the platform delivers
  EXPECT_EQ(SystemProfileApi().GetString("S", "plain", "", 0, file, out), 0u);
  EXPECT_EQ(out, "");
  // integers: sign and leading digits
  CIniFile2 ints = Open("S", "[S]\r\na=12abc\r\nb=abc\r\nc=-1\r\nd= 7\r\ne=+5\r\nf=\r\ng=\"42\"\r\n");
  for (const auto& [key, value] : std::initializer_list<std::pair<const char*, int>>{
           {"a", 12}, {"b", 0}, {"c", -1}, {"d", 7}, {"e", 5}, {"f", 0}, {"g", 42}, {"missing", 9}})
    EXPECT_EQ(ints.GetInt(key, 9), value) << key;
}

TEST_F(IniAccessor, WritesGoWhereThePlatformPutsThemAndChangeNothingElse) {
  CIniFile2 ini = Open("A", "[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2");
  for (const auto& [section, key, value] : {std::array{"A", "new", "n"}, {"B", "z", "3"}, {"C", "c", "4"}}) {
    ini.Section = section;
    ini.WriteString(key, value);
  }
  EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\n; note\r\nnew=n\r\n\r\n[B]\r\ny=2\r\nz=3\r\n[C]\r\nc=4\r\n");
  // replacing a value keeps the key's spelling and everything else
  Given("; header comment\r\n[Browser]\r\nMyKey=old\r\nOther = keep \r\n");
  EXPECT_TRUE(Open("BROWSER").WriteString("MYKEY", "new"));
  EXPECT_EQ(Bytes(), "; header comment\r\n[Browser]\r\nMyKey=new\r\nOther = keep \r\n");
  // writing the same value leaves the file untouched
  Given("[S]\r\nk=v\r\n");
  struct stat before {}, after {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);
  EXPECT_TRUE(Open("S").WriteString("k", "v"));
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // a rewrite would have renamed a new file in
  // the first of duplicate sections and keys is read and written
  CIniFile2 dup = Open("S", "[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n");
  EXPECT_EQ(dup.GetString("k"), "1");
  dup.WriteString("k", "9");
  EXPECT_EQ(Bytes(), "[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n");
}

TEST_F(IniAccessor, SectionTextReadsInFileOrderIsCutAt16381AndIsReplacedAndRemoved) {
  Given("[Toolbar]\r\nBack=1\r\n\r\n; a comment\r\n  Sep  \r\n Home = 1 \r\n[Next]\r\nx=1\r\n");
  EXPECT_EQ(Open("toolbar").GetSection(), std::string("Back=1\0Sep\0Home=1\0", 18));
  EXPECT_EQ(Open("Missing").GetSection(), "");
  std::string body = "[Big]\r\n";  // section text that does not fit
  for (int i = 0; i < 2000; ++i) body += "key" + std::to_string(i) + "=value\r\n";
  EXPECT_EQ(Open("Big", body.c_str()).GetSection().size(), 16381U);
  // replacement and removal
  CIniFile2 ini = Open("Toolbar", "[Toolbar]\r\nBack=1\r\nSep\r\n\r\n[Domains]\r\na\r\n");
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

TEST_F(IniAccessor, WritesThatWouldCreateOtherLinesAreRefusedWhole) {
  const char* original = "[Browser]\r\nHomepage=a\r\n";
  const std::string nul("a\0b", 3);
  const std::string cases[][3] = {  // section, key, value
      {"Browser", "Homepage", "x\r\n[Evil]\r\nk=v"}, {"Browser", "Homepage", "x\ny"}, {"Browser", "Homepage", "x\ry"},
      {"Browser", "Homepage", std::string("x\0y", 3)}, {"Browser", "[Key]", "1"}, {"Browser", "  [Key", "1"},
      {"Browser", "a\r\nb", "1"}, {"Browser", nul, "1"}, {"Browser", "", "1"}, {"Evil]", "k", "v"},
      {"a\r\n[b", "k", "v"}, {nul, "k", "v"}, {"", "k", "v"}};
  for (const auto& [section, key, value] : cases) {
    EXPECT_FALSE(Open(section, original).WriteString(key, value)) << ::testing::PrintToString(key + "|" + value);
    EXPECT_EQ(Bytes(), original);
  }
  const std::pair<std::string, std::string> sections[] = {  // section, content
      {"Domains", std::string("ok\0[Evil]\0", 10)}, {"Domains", std::string("a\r\nb\0", 5)},
      {"Domains", std::string("  [x]\0", 6)}, {"Evil]", std::string("a\0", 2)}, {"a\r\n[b", std::string("a\0", 2)},
      {nul, std::string("a\0", 2)}, {" ", std::string("a\0", 2)}};
  for (const auto& [section, content] : sections) {
    Open(section, original).WriteSection(content);
    EXPECT_EQ(Bytes(), original) << ::testing::PrintToString(section + "|" + content);
  }
}

TEST_F(IniAccessor, FailedRemovalShowsTheSystemsReasonAndFailedWritesStaySilent) {
  WriteBytes(dir.File("plain"), "not a folder");
  file = dir.File("plain") + "/Orvex.INI";
  test::ScriptedMessageBoxes messages;
  CIniFile2 ini = Open("Toolbar", nullptr, &messages);
  EXPECT_FALSE(ini.WriteString("k", "v"));
  ini.WriteSection(std::string("a\0", 2));
  EXPECT_TRUE(messages.shown.empty());
  ini.DeleteSection();
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_EQ(messages.shown[0].title, "Pallix Setup");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
  std::string bytes;
  int below_a_file = 0;
  SystemFileStore().Read(file, bytes, below_a_file);
  EXPECT_EQ(messages.shown[0].text, DescribeSystemError(below_a_file)) << "the system's own words";
  file = dir.File("Orvex.INI");  // removing from a file that does not exist is no failure
  Open("Toolbar", nullptr, &messages).DeleteSection();
  EXPECT_EQ(messages.shown.size(), 1U);
  EXPECT_FALSE(std::filesystem::exists(file));
}

// A platform that caches profile writes, as Windows does: a write reaches the disk, where the
// browser reads it, only once the cache for its file, or for every file, is flushed. Its section
// write reads the lines up to an empty one, however long the text handed to it.
class CachingProfile final : public ForwardingProfile {
 public:
  CachingProfile() : ForwardingProfile(SystemProfileApi()) {}
  bool WriteSection(std::string_view s, std::string_view c, const std::string& f) override {
    sections_ended = sections_ended && c.ends_with(std::string_view("\0\0", 2));
    return Cached(f, ForwardingProfile::WriteSection(s, c, f));
  }
  bool WriteString(std::string_view s, std::string_view k, std::string_view v, const std::string& f) override {
    return Cached(f, ForwardingProfile::WriteString(s, k, v, f));
  }
  bool DeleteSection(std::string_view s, const std::string& f) override {
    return Cached(f, ForwardingProfile::DeleteSection(s, f));
  }
  void Flush(const std::string& f) override { f.empty() ? unflushed_.clear() : (void)unflushed_.erase(f); }
  bool Unflushed(const std::string& f) const { return unflushed_.contains(f); }
  bool sections_ended = true;  // every section text ended with an empty line

 private:
  bool Cached(const std::string& f, bool ok) {
    unflushed_.insert(f);
    return ok;
  }
  std::set<std::string> unflushed_;
};

TEST_F(IniAccessor, EveryWriteIsFlushedSoTheBrowserSeesItAtOnceAndASectionTextEndsWithAnEmptyLine) {
  CachingProfile profile;
  CIniFile2 ini(profile, nullptr);
  ini.INIFile = file;
  ini.Section = "Toolbar";
  const std::pair<const char*, std::function<void()>> writes[] = {
      {"WriteString", [&] { ini.WriteString("Back", "1"); }},
      {"WriteSection", [&] { ini.WriteSection(std::string("Home=1\0", 7)); }},
      {"DeleteSection", [&] { ini.DeleteSection(); }},
  };
  for (const auto& [what, write] : writes) {
    write();
    EXPECT_FALSE(profile.Unflushed(file)) << what;
  }
  EXPECT_TRUE(profile.sections_ended);
}

TEST_F(IniAccessor, AReadOnlyFileIsNotWrittenEvenByRootAndWritesKeepPermissionsAndLinks) {
  using std::filesystem::perms;
  Given("[S]\r\nk=1\r\n");
  std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
  EXPECT_FALSE(Open("S").WriteString("k", "2"));
  EXPECT_FALSE(SetupOrvex().CreateStartFile(file, "a.htm"));
  EXPECT_EQ(Bytes(), "[S]\r\nk=1\r\n");
  EXPECT_EQ(test::ListFiles(dir.path()), std::vector<std::string>{"Orvex.INI"});
  std::filesystem::permissions(file, perms::owner_write, std::filesystem::perm_options::add);
  std::filesystem::remove(file);  // writes keep permissions and symbolic links
  const std::string target = dir.File("real.ini");
  WriteBytes(target, "[S]\r\nk=1\r\n");
  std::error_code no_links;
  std::filesystem::create_symlink("real.ini", file, no_links);
  if (no_links) GTEST_SKIP() << "no symbolic links on this system: " << no_links.message();
  const perms kept = perms::owner_read | perms::owner_write | perms::group_read;
  std::filesystem::permissions(target, kept);
  EXPECT_TRUE(Open("S").WriteString("k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_EQ(ReadBytes(target), "[S]\r\nk=2\r\n");
  EXPECT_EQ(std::filesystem::status(target).permissions(), kept);
  EXPECT_EQ(test::ListFiles(dir.path()), (std::vector<std::string>{"Orvex.INI", "real.ini"}));
}

}  // namespace
}  // namespace kgh
