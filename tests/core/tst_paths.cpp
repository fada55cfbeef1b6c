// Relative paths in both flavours, fixed-size buffers and directory-entry attributes.
#include <gtest/gtest.h>

#include "platform/Module1.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

struct RelativeCase {
  const char* base;
  const char* target;
  const char* expected;
};

TEST(MakeRelativePath, WindowsFlavour) {
  const RelativeCase cases[] = {
      {"C:\\Web\\shop", "C:\\Web\\shop\\default.asp", "default.asp"},
      {"C:\\Web\\shop", "C:\\Web\\shop\\pages\\a.htm", "pages\\a.htm"},
      {"C:\\Web\\shop", "C:\\Web\\other\\a.htm", "..\\other\\a.htm"},
      {"C:\\Web\\shop\\sub\\deep", "C:\\Web\\shop\\a.htm", "..\\..\\a.htm"},
      {"c:\\web\\SHOP", "C:\\Web\\shop\\A.htm", "A.htm"},
      {"C:\\", "C:\\start.htm", "start.htm"},
      {"D:\\", "D:\\start.htm", "start.htm"},
      {"C:", "C:\\x\\y.htm", "x\\y.htm"},
      {"C:\\Web\\shop\\", "C:\\Web\\shop\\a.htm", "a.htm"},
      {"D:\\Web", "C:\\Web\\a.htm", ""},
      {"", "C:\\Web\\a.htm", ""},
      {"C:\\Web", "C:\\Web", "."},
      {"\\\\srv\\share\\web", "\\\\SRV\\Share\\web\\a.htm", "a.htm"},
      {"\\\\srv\\share", "C:\\a.htm", ""},
      {"\\\\srv\\one", "\\\\srv\\two\\a.htm", ""},
      {"D:\\Cfg", "D:\\Cfg\\img\\b.bmp", "img\\b.bmp"},
  };
  for (const RelativeCase& c : cases)
    EXPECT_EQ(MakeRelativePath(c.base, c.target, PathFlavour::Windows), c.expected) << c.base << " -> " << c.target;
}

TEST(MakeRelativePath, PosixFlavourIsCaseSensitive) {
  const RelativeCase cases[] = {
      {"/var/www/shop", "/var/www/shop/pages/a.htm", "pages/a.htm"},
      {"/var/www/shop/", "/var/www/other/a.htm", "../other/a.htm"},
      {"/var/www/Shop", "/var/www/shop/a.htm", "../shop/a.htm"},
      {"/", "/start.htm", "start.htm"},
      {"/srv", "/srv", "."},
      {"", "/a.htm", ""},
      {"relative/dir", "/abs/a.htm", ""},
  };
  for (const RelativeCase& c : cases)
    EXPECT_EQ(MakeRelativePath(c.base, c.target, PathFlavour::Posix), c.expected) << c.base << " -> " << c.target;
}

TEST(RelativePathFrom, KeepsItsLeadingDotAndNeverReachesThePathLimit) {
  EXPECT_EQ(RelativePathFrom("C:\\Web", "C:\\Web\\a.htm", PathFlavour::Windows), ".\\a.htm");
  EXPECT_EQ(RelativePathFrom("/web", "/web/a.htm", PathFlavour::Posix), "./a.htm");
  const std::string deep = "C:\\" + std::string(300, 'd');
  EXPECT_EQ(RelativePathFrom("C:\\Web", deep + "\\a.htm", PathFlavour::Windows), "");
  const std::string just_fits = "C:\\" + std::string(250, 'x') + "\\a.htm";  // ".." + 257 = 259
  EXPECT_EQ(RelativePathFrom("C:\\Web", just_fits, PathFlavour::Windows).size(), 259U);
}

TEST(TrimAtNull, CutsAtTheFirstNul) {
  std::string a("abc\0def", 7), b("abc"), c(std::string("\0x", 2));
  EXPECT_EQ(TrimAtNull(a), "abc");
  EXPECT_EQ(a, "abc");
  EXPECT_EQ(TrimAtNull(b), "abc");
  EXPECT_EQ(TrimAtNull(c), "");
}

TEST(FileAttributes, TellsFoldersFilesAndNothing) {
  test::TempDir dir;
  test::WriteBytes(dir.File("Orvex.INI"), "x");
  EXPECT_NE(FileAttributes(dir.path().string()) & kDirectoryAttribute, 0);
  EXPECT_EQ(FileAttributes(dir.File("Orvex.INI")) & kDirectoryAttribute, 0);
  EXPECT_GE(FileAttributes(dir.File("Orvex.INI")), 0);
  EXPECT_GE(FileAttributes(dir.File("*.INI")), 0);
  EXPECT_GE(FileAttributes(dir.File("Orvex.?NI")), 0);
  EXPECT_EQ(FileAttributes(dir.File("*.htm")), -1);
  EXPECT_EQ(FileAttributes(dir.File("missing")), -1);
  EXPECT_EQ(FileAttributes(dir.path().string() + "/"), -1);
  EXPECT_EQ(FileAttributes(""), -1);
}

TEST(FileDialogFilter, GivesTheFirstExtensionItsPattern) {
  EXPECT_EQ(FilterPatterns({"t", "ASP / HTML pages", "htm;*.asp;*.aspx;*.php", "", false}), "*.htm *.asp *.aspx *.php");
  EXPECT_EQ(FilterPatterns({"t", "BMP files ", "bmp", "", false}), "*.bmp");
}

}  // namespace
}  // namespace kgh
