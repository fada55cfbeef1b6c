// Relative paths in both flavours, fixed-size buffers and directory-entry attributes.
#include <gtest/gtest.h>

#include <array>

#include "platform/Module1.h"
#include "support/TempDir.h"

namespace kgh {
namespace {

// Each case: base, target, the relative path expected.
void ExpectRelativePaths(PathFlavour flavour, std::initializer_list<std::array<const char*, 3>> cases) {
  for (const auto& [base, target, expected] : cases)
    EXPECT_EQ(MakeRelativePath(base, target, flavour), expected) << base << " -> " << target;
}

TEST(MakeRelativePath, WindowsFlavour) {
  ExpectRelativePaths(PathFlavour::Windows, {
      {"C:\\Web\\shop", "C:\\Web\\shop\\default.asp", "default.asp"}, {"C:\\", "C:\\start.htm", "start.htm"},
      {"C:\\Web\\shop", "C:\\Web\\shop\\pages\\a.htm", "pages\\a.htm"}, {"D:\\", "D:\\start.htm", "start.htm"},
      {"C:\\Web\\shop", "C:\\Web\\other\\a.htm", "..\\other\\a.htm"}, {"C:", "C:\\x\\y.htm", "x\\y.htm"},
      {"C:\\Web\\shop\\sub\\deep", "C:\\Web\\shop\\a.htm", "..\\..\\a.htm"}, {"", "C:\\Web\\a.htm", ""},
      {"c:\\web\\SHOP", "C:\\Web\\shop\\A.htm", "A.htm"}, {"C:\\Web", "C:\\Web", "."},
      {"C:\\Web\\shop\\", "C:\\Web\\shop\\a.htm", "a.htm"}, {"D:\\Web", "C:\\Web\\a.htm", ""},
      {"\\\\srv\\share\\web", "\\\\SRV\\Share\\web\\a.htm", "a.htm"}, {"\\\\srv\\share", "C:\\a.htm", ""},
      {"\\\\srv\\one", "\\\\srv\\two\\a.htm", ""}, {"D:\\Cfg", "D:\\Cfg\\img\\b.bmp", "img\\b.bmp"}});
}

TEST(MakeRelativePath, PosixFlavourIsCaseSensitive) {
  ExpectRelativePaths(PathFlavour::Posix, {
      {"/var/www/shop", "/var/www/shop/pages/a.htm", "pages/a.htm"}, {"/", "/start.htm", "start.htm"},
      {"/var/www/shop/", "/var/www/other/a.htm", "../other/a.htm"}, {"/srv", "/srv", "."}, {"", "/a.htm", ""},
      {"/var/www/Shop", "/var/www/shop/a.htm", "../shop/a.htm"}, {"relative/dir", "/abs/a.htm", ""}});
}

TEST(RelativePathFrom, KeepsItsLeadingDotAndNeverReachesThePathLimit) {
  EXPECT_EQ(RelativePathFrom("C:\\Web", "C:\\Web\\a.htm", PathFlavour::Windows), ".\\a.htm");
  EXPECT_EQ(RelativePathFrom("/web", "/web/a.htm", PathFlavour::Posix), "./a.htm");
  EXPECT_EQ(RelativePathFrom("C:\\Web", "C:\\" + std::string(300, 'd') + "\\a.htm", PathFlavour::Windows), "");
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
  for (const char* found : {"Orvex.INI", "*.INI", "Orvex.?NI"}) EXPECT_GE(FileAttributes(dir.File(found)), 0) << found;
  for (const std::string& missing : {dir.File("*.htm"), dir.File("missing"), dir.path().string() + "/", std::string()})
    EXPECT_EQ(FileAttributes(missing), -1) << missing;
  // A link is an entry of its own: to a folder it carries the folder bit, dangling it is a file.
  std::error_code no_links;
  std::filesystem::create_directory_symlink(dir.path(), dir.File("folder-link"), no_links);
  if (no_links) GTEST_SKIP() << "no symbolic links on this system: " << no_links.message();
  std::filesystem::create_symlink(dir.File("missing"), dir.File("dangling"));
  EXPECT_NE(FileAttributes(dir.File("folder-link")) & kDirectoryAttribute, 0);
  EXPECT_GE(FileAttributes(dir.File("dangling")), 0);
  EXPECT_EQ(FileAttributes(dir.File("dangling")) & kDirectoryAttribute, 0);
}

TEST(FileDialogFilter, GivesTheFirstExtensionItsPattern) {
  EXPECT_EQ(FilterPatterns({"t", "ASP / HTML pages", "htm;*.asp;*.aspx;*.php", "", false}), "*.htm *.asp *.aspx *.php");
  EXPECT_EQ(FilterPatterns({"t", "BMP files ", "bmp", "", false}), "*.bmp");
}

}  // namespace
}  // namespace kgh
