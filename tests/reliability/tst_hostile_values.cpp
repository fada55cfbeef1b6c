// Values a user or another tool may hand over: line breaks, NULs and brackets, through every
// writer of the configuration, never make a write create another line or section.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <tuple>

#include "config/ConfigFormat.h"
#include "config/IniSyntax.h"
#include "platform/TextCase.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

using namespace std::string_literals;

// Section name (case folded) -> the text a section read returns, for every header in the file.
std::map<std::string, std::string> ReadAllSections(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  std::map<std::string, std::string> sections;
  for (std::size_t pos = 0, end = 0; pos <= bytes.size(); pos = end + 1) {
    end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
    const IniLineView line = ReadIniLine(std::string_view(bytes).substr(pos, end - pos), pos == 0);
    if (line.kind == IniLineKind::Header)
      SystemProfileApi().GetSection(line.name, 1u << 24, path, sections[ToUpperAsciiCopy(line.name)]);
  }
  return sections;
}

TEST(HostileValues, ThroughEveryConfigurationWriter) {
  // Sections other than `touched` read exactly as before; `touched` gains at most `growth` lines.
  const std::tuple<std::set<std::string>, std::size_t, void (*)(CIniFile2&, const std::string&)> writers[] = {
      {{"BROWSER"}, 6, [](auto& ini, auto& t) { WriteBrowserSettings(ini, {.home_page = t, .error_page = t}); }},
      {{"PRIVATEDATA"}, 0, [](auto& ini, auto& t) { WritePrivateData(ini, {t, t}); }},
      {{"TOOLBAR", "USER1"}, 0,
       [](auto& i, auto& t) { WriteToolbar(i, {StandardButtonRow(1), UserButtonRow(t, t, t), SubEntryRow(t, t)}); }},
      {{"DOMAINS"}, 1, [](auto& ini, auto& t) { WriteDomains(ini, {"about:", t, "res:"}); }},
  };
  // Texts that would open a line or a section of their own if written as they stand.
  const std::string hostile[] = {"a\r\n[Evil]\r\nx=1"s, "a\r[Evil]"s, "a\n[Evil]"s, "a\0[Evil]"s, "\r\n"s,
                                 "\n[Evil]"s, "a\r\nHomepage=http://evil/"s, "[Evil]"s, " [Evil]"s, "]"s, "a]b"s,
                                 "[Evil"s, "x\0"s};
  TempDir dir;
  const std::string path = dir.File("Orvex.INI");
  for (const auto& [touched, growth, write] : writers) {
    for (const std::string& text : hostile) {
      SCOPED_TRACE(*touched.begin() + " with " + ::testing::PrintToString(text));
      WriteBytes(path, "[Browser]\r\nHomepage=http://localhost/a.htm\r\nErrorPage=res://error.htm\r\nStatusBar=1\r\n"
                       "[Toolbar]\r\nBack=1\r\nSep\r\nUser1=http://localhost/shop/\r\n[User1]\r\nCaption=Shop\r\n"
                       "Bitmap=shop.bmp\r\n_Orders=http://localhost/orders.asp\r\n[Domains]\r\nabout:\r\nres:\r\n"
                       "[PrivateData]\r\nDefaultServer=localhost:80\r\nDefaultRoot=C:\\Web\r\n");
      const auto before = ReadAllSections(path);
      ScriptedMessageBoxes messages;
      CIniFile2 ini(SystemProfileApi(), &messages);
      ini.INIFile = path;
      write(ini, text);
      const auto after = ReadAllSections(path);
      for (const auto& [name, section] : after) EXPECT_EQ(before.count(name), 1u) << "new section " << name;
      for (const auto& [name, section] : before) {
        if (!touched.contains(name)) {
          EXPECT_EQ(after.contains(name) ? after.at(name) : "(gone)", section) << name;
        } else if (after.contains(name)) {
          EXPECT_LE(SplitSectionText(after.at(name)).size(), SplitSectionText(section).size() + growth);
        }
      }
    }
  }
  std::cout << "[ reliability ] hostile writes: " << std::size(writers) * std::size(hostile) << "\n";
}

}  // namespace
}  // namespace kgh::test
