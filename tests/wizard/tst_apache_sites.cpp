// Apache: the site the wizard lists, and the URL path and folder of each of its applications.
#include "WebServerConfigs.h"

namespace kgh::test {
namespace {

// The configuration Apache reads with these directives, after the modules they need.
std::string Apache(const std::string& directives) {
  return "LoadModule mpm_event_module /usr/lib/apache2/modules/mod_mpm_event.so\n"
         "LoadModule alias_module /usr/lib/apache2/modules/mod_alias.so\n" + directives;
}

// Which server answers the computer's first port, however `Listen` and `<VirtualHost>` are written.
const ListingCase kFirstSite[] = {
    {"the first Listen's first virtual host, though another is on 80",
     "Listen 8089\nListen 80\n<VirtualHost *:80>\nDocumentRoot /srv/b\n</VirtualHost>\n"
     "<VirtualHost *:8089>\nDocumentRoot /srv/a\nAlias /shop/ /srv/shop/\n</VirtualHost>\n"
     "<VirtualHost *:8089>\nDocumentRoot /srv/c\n</VirtualHost>\n",
     {{":8089", "/srv/a"}, {":8089/shop", "/srv/shop/"}}},
    {"Listen with an address; the default virtual host",
     "Listen 0.0.0.0:8089\nListen 80\n<VirtualHost *:80>\nDocumentRoot /srv/b\n</VirtualHost>\n"
     "<VirtualHost _default_:8089>\nDocumentRoot /srv/a\n</VirtualHost>\n",
     {{":8089", "/srv/a"}}},
    {"Listen on IPv6; a virtual host with several addresses",
     "Listen [::]:8089\n<VirtualHost 127.0.0.1:80 [::1]:8089 >\nDocumentRoot /srv/a\n</VirtualHost>\n",
     {{":8089", "/srv/a"}}},
    {"a virtual host without port answers every port",
     "Listen 8089\n<VirtualHost 127.0.0.1>\nDocumentRoot /srv/a\n</VirtualHost>\n", {{":8089", "/srv/a"}}},
    {"no virtual host on the port: the main server",
     "Listen 8089\nDocumentRoot /srv/main\nAlias /m /srv/m\n<VirtualHost *:80>\nDocumentRoot /srv/b\n</VirtualHost>\n",
     {{":8089", "/srv/main"}, {":8089/m", "/srv/m"}}},
    {"no Listen: port 80", "DocumentRoot /srv/main\n", {{"/", "/srv/main"}}},
};

// What the site's root and aliases list.
const ListingCase kApplications[] = {
    {"a virtual host shares the main server's root and aliases, its own first",
     "Listen 80\nDocumentRoot /srv/main\nAlias /shared /srv/shared\nAlias /shop /srv/main-shop\n"
     "<VirtualHost *:80>\nAlias /shop /srv/shop\n</VirtualHost>\n",
     {{"/", "/srv/main"}, {"/shop", "/srv/shop"}, {"/shared", "/srv/shared"}}},
    {"no trailing slash; the root stays /; the last DocumentRoot counts; the first alias",
     "Listen 80\nDocumentRoot /srv/old\nDocumentRoot /\nAlias /all/ /\nAlias /all /srv/all\nAlias / /srv/front\n",
     {{"/", "/srv/front"}, {"/all", "/"}}},
    {"relative folders from ServerRoot",
     "ServerRoot " + kFixtures + "/apache2\nListen 80\nDocumentRoot htdocs\nAlias /shop shop/\n",
     {{"/", kFixtures + "/apache2/htdocs"}, {"/shop", kFixtures + "/apache2/shop/"}}},
};

Entries ListedFor(const std::string& directives) {
  TempDir dir;
  WriteBytes(dir.File("apache2.conf"), Apache(directives));
  return Listed("", dir.File("apache2.conf"), "");
}

TEST(ApacheSites, OnlyTheSiteThatAnswersTheFirstPortWithThePortInItsUrlPaths) {
  for (const ListingCase& c : kFirstSite) EXPECT_EQ(ListedFor(c.config), c.listed) << c.what;
}

TEST(ApacheSites, TheRootThenEachAliasOnceUnderItsUrlPath) {
  for (const ListingCase& c : kApplications) EXPECT_EQ(ListedFor(c.config), c.listed) << c.what;
}


}  // namespace
}  // namespace kgh::test
