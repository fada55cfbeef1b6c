// The Linux source of virtual directories: the local web server's configuration files.
#include <gtest/gtest.h>

#include "platform/WebServerVirtualDirs.h"
#include "support/TempDir.h"

namespace kgh {

bool operator==(const VirtualDirEntry& a, const VirtualDirEntry& b) { return a.Name == b.Name && a.Path == b.Path; }
void PrintTo(const VirtualDirEntry& e, std::ostream* out) { *out << "(" << e.Name << ", " << e.Path << ")"; }

namespace test {
namespace {

using Entries = std::vector<VirtualDirEntry>;
const std::string kNginx = KGH_WIZARD_FIXTURES "/nginx/nginx.conf";
const std::string kApache = KGH_WIZARD_FIXTURES "/apache2/apache2.conf";

TEST(WebServerVirtualDirs, EachUrlPathOnceFromTheConfigurationFilesAndTheirIncludes) {
  TempDir dir;
  WriteBytes(dir.File("nginx.conf"), "http { include nginx.conf; server { root /srv/loop; } }\n");
  WriteBytes(dir.File("apache2.conf"), "Include apache2.conf\nInclude " + dir.File("conf") + "\nDocumentRoot /srv\n");
  std::filesystem::create_directories(dir.path() / "conf" / "sub");
  WriteBytes(dir.File("conf/b.conf"), "Alias /b /srv/b\n");
  WriteBytes(dir.File("conf/a.conf"), "Alias /a /srv/a\n");
  WriteBytes(dir.File("conf/sub/c"), "Alias /c /srv/c\n");
  const Entries apache = {{"/icons/", "/usr/share/apache2/icons/"}, {"/manual", "/usr/share/doc/manual"}};
  // expected none: no server configured, so the registry is asked.
  struct Case { const char* what; std::string nginx, apache; Entries expected; };
  const Case cases[] = {
      {"Apache: the first DocumentRoot wins", "", kApache,
       {apache[0], apache[1], {"/", "/var/www/html"}, {"/shop", "/srv/shop"}}},
      {"both: nginx first, conf.d included before its server", kNginx, kApache,
       {{"/app/img/", "/srv/img/app/img/"}, {"/", "/srv/www/site"}, {"/shop/", "/srv/shop/"},
        {"/docs", "/srv/manuals/docs"}, {"/status", "/srv/status page"}, apache[0], apache[1], {"/shop", "/srv/shop"}}},
      {"no server configured", dir.File("none"), dir.File("none"), {}},
      {"self-including files end; a folder is read in name order", dir.File("nginx.conf"), dir.File("apache2.conf"),
       {{"/", "/srv/loop"}, {"/a", "/srv/a"}, {"/b", "/srv/b"}, {"/c", "/srv/c"}}},
  };
  for (const Case& c : cases) {
    Entries entries;
    EXPECT_EQ(WebServerVirtualDirs(c.nginx, c.apache).ReadVirtualDirs(entries), !c.expected.empty()) << c.what;
    EXPECT_EQ(entries, c.expected) << c.what;
  }
}

TEST(WebServerVirtualDirs, TheNginxFixtureIsAcceptedByNginxItself) {
  if (!std::filesystem::exists("/usr/sbin/nginx")) GTEST_SKIP() << "nginx is not installed";
  const std::string prefix = KGH_WIZARD_FIXTURES "/nginx/";
  EXPECT_EQ(std::system(("/usr/sbin/nginx -q -t -c '" + kNginx + "' -p '" + prefix + "' 2>/dev/null").c_str()), 0);
}

}  // namespace
}  // namespace test
}  // namespace kgh
