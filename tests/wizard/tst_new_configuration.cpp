// Building a new configuration: the start page, the save dialog, the written file and the
// options dialog that opens on it.
#include "WizardFakes.h"
#include "wizard/StartPage.h"

namespace kgh::test {
namespace {

TEST(StartPage, FirstListedStartPageOrElseTheLastPlainFile) {
  const DirectoryEntry dot{".", kDirectoryAttribute}, img{"img", kDirectoryAttribute};
  const std::pair<std::vector<DirectoryEntry>, const char*> cases[] = {
      {{dot, {"INDEX.htm", 0}, {"Default.asp", 0}}, "INDEX.htm"},
      {{{"a.txt", 0}, {"b.gif", 0}}, "b.gif"},
      {{dot, img, {"index.htm", kDirectoryAttribute}}, ""},
      {{{"default.asp.bak", 0}, {"x.css", 0}}, "x.css"},
  };
  for (const auto& [entries, start_page] : cases) {
    ScriptedPlatform platform;
    platform.folder = entries;
    EXPECT_EQ(DetectStartPage(platform, "/web"), start_page) << start_page;
  }
}

TEST(BuildNewConfiguration, WritesTheHomePageAndDomainsAndOpensTheFileOnTheApplicationFolder) {
  struct Case { PathFlavour flavour; std::string url_path, app_dir, computer, start_file, chosen, folder, server; };
  const PathFlavour posix = PathFlavour::Posix, windows = PathFlavour::Windows;
  const Case cases[] = {
      {posix, "/shop", "/srv/shop/", "SRV1", "Default.asp", "/cfg/a.ini", "/srv/shop", "SRV1/shop"},
      {posix, "/", "/srv/www//", "SRV1", "index.php", "/cfg/a.ini", "/srv/www/", "SRV1"},
      {posix, "/shop", "/srv/shop", "", "Default.asp", "/k.ini", "/srv/shop", "/shop"},
      {posix, "", "", "PC", "", "/k.ini", "/", "PC"},
      {posix, "/", "/", "SRV1", "index.htm", "/cfg/a.ini", "/", "SRV1"},
      {posix, ":8089/shop", "/srv/shop/", "SRV1", "index.htm", "/cfg/a.ini", "/srv/shop", "SRV1:8089/shop"},
      {posix, ":8089", "/srv/www", "SRV1", "index.htm", "/cfg/a.ini", "/srv/www", "SRV1:8089"},
      {windows, "/shop", "D:\\Web\\shop\\", "PC", "", "D:\\cfg\\a.ini", "D:\\Web\\shop", "PC/shop"},
      {windows, "", "C:\\", "PC", "", "D:\\cfg\\a.ini", "C:", "PC"},
      {windows, "", "", "PC", "", "k.ini", "c:\\", "PC"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.app_dir + " " + c.chosen);
    WizardRig rig;
    rig.platform.computer = c.computer;
    if (!c.start_file.empty()) rig.platform.folder = {{c.start_file, 0}};
    rig.dialogs.choices = {c.chosen};
    rig.Load(nullptr, c.flavour).BuildNewConfiguration(c.url_path, c.app_dir);

    EXPECT_EQ(rig.files.files[c.chosen], ExpectedFile("http://" + c.server + "/" + c.start_file, c.computer));
    EXPECT_EQ(rig.files.replacements, 1) << "template, domains and home page in one replacement";
    EXPECT_EQ(rig.dialogs.requests.at(0).initial_dir, c.app_dir.empty() ? "" : c.folder);
    EXPECT_EQ(rig.opener.opened, std::vector<std::string>{c.folder + " " + c.chosen + " " + c.server});
  }
}

}  // namespace
}  // namespace kgh::test
