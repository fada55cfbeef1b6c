// Values a user or another tool may hand over: line breaks, NULs and brackets never make a
// write create another line or section; blanks and quotes read back as the browser reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>

#include "ReliabilitySupport.h"
#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"
#include "config/IniSyntax.h"
#include "platform/TextCase.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

using namespace std::string_literals;

const std::string kConfiguration =
    "[Browser]\r\nHomepage=http://localhost/a.htm\r\nErrorPage=res://error.htm\r\nStatusBar=1\r\n"
    "[Toolbar]\r\nBack=1\r\nSep\r\nUser1=http://localhost/shop/\r\n"
    "[User1]\r\nCaption=Shop\r\nBitmap=shop.bmp\r\n_Orders=http://localhost/orders.asp\r\n"
    "[Domains]\r\nabout:\r\nres:\r\n[PrivateData]\r\nDefaultServer=localhost:80\r\nDefaultRoot=C:\\Web\r\n";

// Texts that would open a line or a section of their own if written as they stand.
const std::vector<std::string> kHostileTexts = {
    "a\r\n[Evil]\r\nx=1"s, "a\r[Evil]"s,   "a\n[Evil]"s,    "a\0[Evil]"s, "\r\n"s, "\n[Evil]"s,
    "a\r\nHomepage=http://evil/"s, "[Evil]"s, " [Evil]"s, "]"s, "a]b"s, "[Evil"s, "x\0"s};

class HostileValues : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(path_, kConfiguration); }

  CIniFile2 Ini() {
    CIniFile2 ini(SystemProfileApi(), &messages_);
    ini.INIFile = path_;
    return ini;
  }

  // Runs `write` with `hostile`. Sections not in `touched` read exactly as before; a touched
  // section may lose lines (a refused write after a removal) but gains at most `growth` lines;
  // no section appears, except one named `new_section` when given.
  void ExpectContained(const std::string& hostile, const std::vector<std::string>& touched, std::size_t growth,
                       const std::function<void(CIniFile2&)>& write, const std::string& new_section = "") {
    SCOPED_TRACE("hostile text: " + ::testing::PrintToString(hostile));
    WriteBytes(path_, kConfiguration);
    const auto before = ReadAllSections(path_);
    CIniFile2 ini = Ini();
    write(ini);
    const auto after = ReadAllSections(path_);
    for (const auto& [name, text] : after)
      EXPECT_TRUE(before.count(name) != 0 || (!new_section.empty() && name == new_section))
          << "new section " << name << " in\n" << ReadBytes(path_);
    for (const auto& [name, text] : before) {
      const bool may_change = std::find(touched.begin(), touched.end(), name) != touched.end();
      if (!may_change) {
        EXPECT_EQ(after.count(name) ? after.at(name) : "(gone)", text) << name;
      } else if (after.count(name) != 0) {
        EXPECT_LE(SplitSectionText(after.at(name)).size(), SplitSectionText(text).size() + growth) << name;
      }
    }
    ++tried_;
  }

  TempDir dir_;
  std::string path_ = dir_.File("Orvex.INI");
  RecordingMessageBoxes messages_;
  int tried_ = 0;
};

TEST_F(HostileValues, ThroughTheIniAccessor) {
  for (const std::string& text : kHostileTexts) {
    ExpectContained(text, {"BROWSER"}, 0, [&](CIniFile2& ini) {
      ini.Section = "Browser";
      ini.WriteString("Homepage", text);
    });
    ExpectContained(text, {"BROWSER"}, 1, [&](CIniFile2& ini) {
      ini.Section = "Browser";
      ini.WriteString(text, "1");
    });
    // A name that is one line and holds no "]" is a name like any other.
    const std::string as_name = ToUpperAsciiCopy(TrimIniBlanks(text));
    ExpectContained(
        text, {}, 0,
        [&](CIniFile2& ini) {
          ini.Section = text;
          ini.WriteString("Key", "1");
          ini.WriteSection("Key=1\0"s);
        },
        as_name);
    ExpectContained(text, {"DOMAINS"}, 0, [&](CIniFile2& ini) {
      ini.Section = "Domains";
      ini.WriteSection("about:\0"s + text + '\0');
    });
  }
  std::cout << "[ reliability ] hostile writes through CIniFile2: " << tried_ << "\n";
}

TEST_F(HostileValues, ThroughTheConfigurationWriters) {
  for (const std::string& text : kHostileTexts) {
    ExpectContained(text, {"BROWSER"}, 6, [&](CIniFile2& ini) {
      BrowserSettings settings;
      settings.home_page = text;
      settings.error_page = text;
      WriteBrowserSettings(ini, settings);
    });
    ExpectContained(text, {"PRIVATEDATA"}, 0, [&](CIniFile2& ini) { WritePrivateData(ini, {text, text}); });
    ExpectContained(text, {"TOOLBAR", "USER1"}, 0, [&](CIniFile2& ini) {
      WriteToolbar(ini, {StandardButtonRow(1), UserButtonRow(text, text, text), SubEntryRow(text, text)});
    });
    ExpectContained(text, {"DOMAINS"}, 1, [&](CIniFile2& ini) { WriteDomains(ini, {"about:", text, "res:"}); });
  }
  std::cout << "[ reliability ] hostile writes through the configuration writers: " << tried_ << "\n";
}

// What a value written by WriteString reads back as. The reader trims blanks and tabs and takes
// off one pair of matching outer quotes, as the platform (and so the browser) does.
struct RoundTrip {
  std::string written;
  std::string read_back;
};

TEST_F(HostileValues, BlanksAndQuotesReadBackAsThePlatformReadsThem) {
  const std::vector<RoundTrip> rows = {
      {"plain", "plain"},
      {"inner blanks kept", "inner blanks kept"},
      {"  leading", "leading"},          // does not round-trip
      {"trailing  ", "trailing"},        // does not round-trip
      {"\ttabbed\t", "tabbed"},          // does not round-trip
      {"\"quoted\"", "quoted"},          // does not round-trip
      {"'single'", "single"},            // does not round-trip
      {"\" kept blanks \"", " kept blanks "},
      {"\"\"", ""},                      // does not round-trip
      {"\"a\"b\"", "a\"b"},              // does not round-trip
      {"\"unmatched", "\"unmatched"},
      {"unmatched'", "unmatched'"},
      {"\"mixed'", "\"mixed'"},
      {"a=b=c", "a=b=c"},
      {"; not a comment", "; not a comment"},
      {"[not a section]", "[not a section]"},
  };
  CIniFile2 ini = Ini();
  ini.Section = "Browser";
  for (const RoundTrip& row : rows) {
    SCOPED_TRACE(row.written);
    ASSERT_TRUE(ini.WriteString("Homepage", row.written));
    EXPECT_EQ(ini.GetString("Homepage"), row.read_back);
  }
}

// The keys a WriteString refuses, because the line it would write reads back as another key,
// a comment or a section header.
TEST_F(HostileValues, KeysThatWouldReadBackAsSomethingElseAreRefused) {
  CIniFile2 ini = Ini();
  ini.Section = "Browser";
  for (const std::string key : {"a=b", "=", ";comment", " ;comment", "[Evil]", "[x", "", "  ", "a\r\nb"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(ini.WriteString(key, "1"));
    EXPECT_EQ(ReadBytes(path_), kConfiguration);
  }
  EXPECT_TRUE(ini.WriteString("a]b", "1")) << "a closing bracket inside a key is harmless";
  EXPECT_EQ(ini.GetString("a]b"), "1");
}

}  // namespace
}  // namespace kgh::test
