// The Linux source of virtual directories: the local web server's configuration files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/WebServerVirtualDirs.h"
#include "support/TempDir.h"

namespace kgh {

bool operator==(const VirtualDirEntry& a, const VirtualDirEntry& b) { return a.Name == b.Name && a.Path == b.Path; }
void PrintTo(const VirtualDirEntry& e, std::ostream* out) { *out << "(" << e.Name << ", " << e.Path << ")"; }

namespace test {
namespace {

using Entries = std::vector<VirtualDirEntry>;

const std::string kFixtures = KGH_WIZARD_FIXTURES;
const std::string kNginx = kFixtures + "/nginx/nginx.conf";
const std::string kApache = kFixtures + "/apache2/apache2.conf";

const Entries kNginxEntries = {
    {"/app/img/", "/srv/img/app/img/"},  // conf.d is included before the main file's server
    {"/", "/srv/www/site"},
    {"/shop/", "/srv/shop/"},
    {"/docs", "/srv/manuals/docs"},
    {"/status", "/srv/status page"},
};

const Entries kApacheEntries = {
    {"/icons/", "/usr/share/apache2/icons/"},
    {"/manual", "/usr/share/doc/manual"},
    {"/", "/var/www/html"},
    {"/shop", "/srv/shop"},
    {"/", "/var/www/other"},
};

TEST(WebServerConfig, NginxLocationsWithAliasOrRootAndServerRoots) {
  Entries entries;
  EXPECT_TRUE(ReadNginxApplications(kNginx, entries));
  EXPECT_EQ(entries, kNginxEntries);
}

TEST(WebServerConfig, NginxFixtureIsAcceptedByNginxItself) {
  if (!std::filesystem::exists("/usr/sbin/nginx")) GTEST_SKIP() << "nginx is not installed";
  std::string prefix = kFixtures + "/nginx/";
  std::string command = "/usr/sbin/nginx -q -t -c '" + kNginx + "' -p '" + prefix + "' 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST(WebServerConfig, ApacheAliasesAndDocumentRootsThroughIncludes) {
  Entries entries;
  EXPECT_TRUE(ReadApacheApplications(kApache, entries));
  EXPECT_EQ(entries, kApacheEntries);
}

TEST(WebServerConfig, BothServersListedOnceForEachUrlPath) {
  Entries entries;
  EXPECT_TRUE(WebServerVirtualDirs(kNginx, kApache).ReadVirtualDirs(entries));
  Entries expected = kNginxEntries;
  expected.push_back({"/icons/", "/usr/share/apache2/icons/"});
  expected.push_back({"/manual", "/usr/share/doc/manual"});
  expected.push_back({"/shop", "/srv/shop"});
  EXPECT_EQ(entries, expected);
}

TEST(WebServerConfig, NoServerConfiguredFailsSoTheRegistryIsAsked) {
  TempDir dir;
  Entries entries;
  EXPECT_FALSE(WebServerVirtualDirs(dir.File("nginx.conf"), dir.File("apache2.conf")).ReadVirtualDirs(entries));
  EXPECT_FALSE(WebServerVirtualDirs("", dir.path().string()).ReadVirtualDirs(entries)) << "a folder is no file";
  EXPECT_TRUE(entries.empty());
  EXPECT_TRUE(WebServerVirtualDirs(dir.File("nginx.conf"), kApache).ReadVirtualDirs(entries));
  EXPECT_EQ(entries.size(), 4u);
}

TEST(WebServerConfig, ConfiguredServerWithoutApplicationsSucceedsEmpty) {
  TempDir dir;
  WriteBytes(dir.File("nginx.conf"), "events {}\nhttp { server { listen 80; } }\n");
  Entries entries;
  EXPECT_TRUE(WebServerVirtualDirs(dir.File("nginx.conf"), "").ReadVirtualDirs(entries));
  EXPECT_TRUE(entries.empty());
}

TEST(WebServerConfig, SelfIncludingConfigurationEnds) {
  TempDir dir;
  WriteBytes(dir.File("nginx.conf"), "http { include nginx.conf; server { root /srv/loop; } }\n");
  WriteBytes(dir.File("apache2.conf"), "Include apache2.conf\nDocumentRoot /srv/a\n");
  Entries entries;
  EXPECT_TRUE(WebServerVirtualDirs(dir.File("nginx.conf"), dir.File("apache2.conf")).ReadVirtualDirs(entries));
  EXPECT_EQ(entries, (Entries{{"/", "/srv/loop"}}));
}

TEST(WebServerConfig, ApacheIncludeOfAFolderReadsItsFilesInNameOrder) {
  TempDir dir;
  std::filesystem::create_directories(dir.path() / "conf" / "sub");
  WriteBytes(dir.File("conf/b.conf"), "Alias /b /srv/b\n");
  WriteBytes(dir.File("conf/a.conf"), "Alias /a /srv/a\n");
  WriteBytes(dir.File("conf/sub/c"), "Alias /c /srv/c\n");
  WriteBytes(dir.File("apache2.conf"), "Include " + dir.File("conf") + "\n");
  Entries entries;
  EXPECT_TRUE(ReadApacheApplications(dir.File("apache2.conf"), entries));
  EXPECT_EQ(entries, (Entries{{"/a", "/srv/a"}, {"/b", "/srv/b"}, {"/c", "/srv/c"}}));
}

TEST(WebServerConfig, GlobPatterns) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.conf", "default.conf", true}, {"*.conf", "default.conf.bak", false}, {"site?", "site1", true},
      {"site?", "site", false},         {"[0-9]*", "000-default", true},       {"[!0-9]*", "000-default", false},
      {"[ab]x", "bx", true},            {"*", "", true},                       {"a*b*c", "aXbYc", true},
      {"a[", "a[", true},
  };
  for (const Case& c : cases) EXPECT_EQ(GlobMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

}  // namespace
}  // namespace test
}  // namespace kgh
