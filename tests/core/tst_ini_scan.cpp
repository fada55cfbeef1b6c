// The one-pass reads over a file's bytes against the document model: for any file, a value or a
// section read from the bytes is what the document reads from its lines.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "config/IniDocument.h"
#include "config/IniScan.h"

namespace kgh {
namespace {

using namespace std::string_literals;

// Names as callers spell them: other letter case, blanks around, empty, absent, bracketed.
const std::vector<std::string> kSections = {"S", "s", " S\t", "T", "", "Missing", "[S]", "S]", "x"};
const std::vector<std::string> kKeys = {"k", "K", " k ", "", "a", "missing", "=", ";k", "k\0x"s, "\xE4"};

std::string DocumentSectionText(const IniDocument& doc, std::string_view section) {
  std::string text;
  for (const std::string& line : doc.SectionLines(section)) text += line + '\0';
  return text;
}

std::string ScannedSectionText(std::string_view bytes, std::string_view section) {
  std::string text;
  ScanSectionText(bytes, section, text);
  return text;
}

// Every name against every key, value reads and section reads.
void ExpectAgreement(const std::string& bytes) {
  const IniDocument doc = IniDocument::Parse(bytes);
  for (const std::string& section : kSections) {
    EXPECT_EQ(ScannedSectionText(bytes, section), DocumentSectionText(doc, section))
        << "section " << ::testing::PrintToString(section) << " of " << ::testing::PrintToString(bytes);
    for (const std::string& key : kKeys)
      EXPECT_EQ(ScanValue(bytes, section, key), doc.FindValue(section, key))
          << ::testing::PrintToString(section) << "/" << ::testing::PrintToString(key) << " of "
          << ::testing::PrintToString(bytes);
  }
}

struct Case {
  const char* what;
  std::string bytes;
  // What a reader of [S] k finds in it.
  std::optional<std::string> value_of_s_k;
};

const Case kCases[] = {
    {"empty file", "", std::nullopt},
    {"CR LF", "[S]\r\nk=v\r\n", "v"},
    {"LF only", "[S]\nk=v\n", "v"},
    {"CR only", "[S]\rk=v\r", "v"},
    {"mixed line ends, CR before CR LF", "[S]\r\r\nk=v\n\r[T]\rk=t", "v"},
    {"no final line end", "[S]\r\nk=v", "v"},
    {"a line break as the whole file", "\r\n", std::nullopt},
    {"byte order mark before the first header", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "v"},
    {"byte order mark and blanks before the first header", "\xEF\xBB\xBF \t[S]\r\nk=v\r\n", "v"},
    {"byte order mark on a later line is text", "[T]\r\n\xEF\xBB\xBF[S]\r\nk=v\r\n", std::nullopt},
    {"byte order mark alone", "\xEF\xBB\xBF", std::nullopt},
    {"half a byte order mark", "\xEF\xBB[S]\r\nk=v\r\n", std::nullopt},
    {"blanks around names and values", " \t[ S ]\x1a\r\n  k  =  v w  \r\n", "v w"},
    {"letter case of names", "[s]\r\nK=v\r\n", "v"},
    {"quotes kept", "[S]\r\nk=\" q \"\r\n", "\" q \""},
    {"empty value", "[S]\r\nk=\r\n", ""},
    {"first duplicate key wins", "[S]\r\nk=1\r\nk=2\r\n", "1"},
    {"first duplicate section wins, even without the key", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", std::nullopt},
    {"a later section does not leak in", "[S]\r\n[T]\r\nk=t\r\n", std::nullopt},
    {"comment lines", "[S]\r\n;k=c\r\n  ; k=d\r\nk=v\r\n", "v"},
    {"a bare line", "[S]\r\nk\r\nk=v\r\n", "v"},
    {"value holding =", "[S]\r\nk=a=b\r\n", "a=b"},
    {"empty key", "[S]\r\n=v\r\nk=w\r\n", "w"},
    {"NUL ends a line's text", "[S]\r\nk=v\0tail\r\n"s, "v"},
    {"NUL inside a key", "[S]\r\nk\0=x\r\nk=v\r\n"s, "v"},
    {"NUL before a header is no header", "\0[S]\r\nk=v\r\n"s, std::nullopt},
    {"NUL inside a header cuts it", "[S\0]\r\nk=v\r\n"s, std::nullopt},
    {"text before a bracket is no header", "x[S]\r\nk=v\r\n", std::nullopt},
    {"brackets in values are no header", "[S]\r\nk=[T]\r\n[T]\r\n", "[T]"},
    {"unclosed header is a bare line", "[S\r\nk=v\r\n", std::nullopt},
    {"unclosed header inside a section", "[S]\r\n[T\r\nk=v\r\n", "v"},
    {"last ] closes the header", "[S]x]\r\nk=v\r\n[S\r\nk=w\r\n", std::nullopt},
    {"text after ] is ignored", "[S] trailing\r\nk=v\r\n", "v"},
    {"empty header", "[]\r\nk=v\r\n[S]\r\nk=w\r\n", "w"},
    {"nested brackets", "[[S]]\r\nk=v\r\n", std::nullopt},
    {"blank-only lines and form feeds", "\f\v\r\n[S]\r\n \r\n\t\r\nk=v\r\n", "v"},
    {"entries before any header", "k=v\r\n[S]\r\n", std::nullopt},
    {"header as the last bytes", "[T]\r\nk=t\r\n[S]", std::nullopt},
    {"letters above 0x7F keep their case", "[S]\r\n\xC4=v\r\nk=\xE4\r\n", "\xE4"},
};

TEST(IniScan, AgreesWithTheDocumentOnTrickyFiles) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::optional<std::string_view> found = ScanValue(c.bytes, "S", "k");
    EXPECT_EQ(found, c.value_of_s_k);
    ExpectAgreement(c.bytes);
  }
}

}  // namespace
}  // namespace kgh
