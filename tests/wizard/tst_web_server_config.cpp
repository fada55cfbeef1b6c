// The Linux source of virtual directories: one site of the local web server, read from its
// configuration files and their includes.
#include "WebServerConfigs.h"

namespace kgh::test {
namespace {

const std::string kNginxSocketOnly = kFixtures + "/nginx/socket-only.conf";

// The fixtures' first sites: nginx's on port 8089, Apache's on 80.
Entries NginxSite(const std::string& prefix) {
  return {{":8089", prefix + "/html"},
          {":8089/shop", prefix + "/files/shop/"},
          {":8089/docs", "/srv/manuals/docs"},
          {":8089/status", "/srv/status page"},
          {":8089/app/img", "/srv/img/app/img/"}};
}
const Entries kApacheSite = {{"/", "/var/www/html"},
                             {"/shop", "/srv/shop/"},
                             {"/icons", "/usr/share/apache2/icons/"},
                             {"/manual", kFixtures + "/apache2/manual"}};

TEST(WebServerVirtualDirs, NginxsFirstSiteWhenItHasOneElseApachesNeverBoth) {
  TempDir dir;
  // configured false: the wizard asks the registry instead. Relative nginx folders come from the
  // prefix, its includes from conf.d beside nginx.conf; Apache's from the main file's folder.
  struct Case { const char* what; std::string nginx, apache, prefix; Entries listed; bool configured; };
  const std::string builtin = WebServerVirtualDirs::kNginxPrefix;
  const Case cases[] = {
      {"both: nginx's site alone", kNginxFixture, kApacheFixture, kFixtures, NginxSite(kFixtures), true},
      {"nginx's built-in prefix", kNginxFixture, "", builtin, NginxSite(builtin), true},
      {"nginx without a site a browser reaches: Apache's", kNginxSocketOnly, kApacheFixture, kFixtures, kApacheSite,
       true},
      {"nginx not configured: Apache's", dir.File("none"), kApacheFixture, kFixtures, kApacheSite, true},
      {"only nginx, without a site: configured, nothing to list", kNginxSocketOnly, dir.File("none"), kFixtures, {},
       true},
      {"no server configured", dir.File("none"), dir.File("none"), kFixtures, {}, false},
  };
  for (const Case& c : cases) {
    Entries entries;
    EXPECT_EQ(WebServerVirtualDirs(c.nginx, c.apache, c.prefix).ReadVirtualDirs(entries), c.configured) << c.what;
    EXPECT_EQ(entries, c.listed) << c.what;
  }
}

TEST(WebServerVirtualDirs, SelfIncludingFilesEndAndAnIncludedFolderIsReadInNameOrder) {
  TempDir dir;
  WriteBytes(dir.File("nginx.conf"), "http { include nginx.conf; server { root /srv/loop; } }\n");
  WriteBytes(dir.File("apache2.conf"), "Include apache2.conf\nInclude " + dir.File("conf") + "\nDocumentRoot /srv\n");
  std::filesystem::create_directories(dir.path() / "conf" / "sub");
  WriteBytes(dir.File("conf/b.conf"), "Alias /b /srv/b\n");
  WriteBytes(dir.File("conf/a.conf"), "Alias /a /srv/a\n");
  WriteBytes(dir.File("conf/sub/c"), "Alias /c /srv/c\n");
  EXPECT_EQ(Listed(dir.File("nginx.conf"), "", dir.path().string()), (Entries{{"/", "/srv/loop"}}));
  EXPECT_EQ(Listed("", dir.File("apache2.conf"), ""),
            (Entries{{"/", "/srv"}, {"/a", "/srv/a"}, {"/b", "/srv/b"}, {"/c", "/srv/c"}}));
}

TEST(WebServerVirtualDirs, AnIncludePatternReadsTheFilesItNamesAndNoOthers) {
  TempDir dir;
  WriteBytes(dir.File("apache2.conf"), "DocumentRoot /srv\nInclude " + dir.File("sites/*.conf") + "\nInclude " +
                                           dir.File("mods/[!x]?.load") + "\nInclude " + dir.File("odd/[a*") + "\n");
  for (const char* folder : {"sites", "mods", "odd"}) std::filesystem::create_directories(dir.path() / folder);
  for (const char* name : {"sites/a.conf", "sites/a.conf.bak", "sites/notes.txt", "mods/m1.load", "mods/x1.load",
                           "mods/mm1.load", "odd/[a1", "odd/a1"})  // a "[" without its "]" is a letter
    WriteBytes(dir.File(name), std::string("Alias /") + name + " /srv/" + name + "\n");
  EXPECT_EQ(Listed("", dir.File("apache2.conf"), ""),
            (Entries{{"/", "/srv"}, {"/sites/a.conf", "/srv/sites/a.conf"}, {"/mods/m1.load", "/srv/mods/m1.load"},
                     {"/odd/[a1", "/srv/odd/[a1"}}));
}

TEST(WebServerVirtualDirs, TheNginxFixturesAreAcceptedByNginxItself) {
  if (!NginxInstalled()) GTEST_SKIP() << "nginx is not installed";
  for (const std::string& prefix : {kFixtures, kFixtures + "/nginx", std::string(WebServerVirtualDirs::kNginxPrefix)}) {
    EXPECT_EQ(NginxVerdict(kNginxFixture, prefix), "") << prefix;
    EXPECT_EQ(NginxVerdict(kNginxSocketOnly, prefix), "") << prefix;
  }
}

}  // namespace
}  // namespace kgh::test
