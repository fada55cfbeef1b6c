// nginx: the site the wizard lists, and the URL path and folder of each of its applications.
#include <span>

#include "WebServerConfigs.h"

namespace kgh::test {
namespace {

// The configuration nginx reads with these servers in its http block.
std::string Nginx(const std::string& http) { return "events {\n}\nhttp {\n    access_log off;\n" + http + "}\n"; }

// Which server answers the computer's first port, however `listen` is written.
const ListingCase kFirstSite[] = {
    {"the first port, though a later server is on 80",
     R"(server { listen 127.0.0.1:8089; root /srv/a; location /shop/ { alias /srv/shop/; } }
        server { listen 80; root /srv/b; })",
     {{":8089", "/srv/a"}, {":8089/shop", "/srv/shop/"}}},
    {"IPv6 address and port",
     "server { listen [::]:8089; root /srv/a; }\nserver { listen 80; root /srv/b; }", {{":8089", "/srv/a"}}},
    {"port alone", "server { listen 8089; root /srv/a; }\nserver { listen 80; root /srv/b; }", {{":8089", "/srv/a"}}},
    {"any address", "server { listen *:8089; root /srv/a; }\nserver { listen 80; root /srv/b; }",
     {{":8089", "/srv/a"}}},
    {"port 80 named: no port in the URL", "server { listen 127.0.0.1:80; root /srv/a; }", {{"/", "/srv/a"}}},
    {"an address without port is on 80",
     "server { listen localhost; root /srv/a; }\nserver { listen 8089; root /srv/b; }", {{"/", "/srv/a"}}},
    {"an IPv6 address without port is on 80",
     "server { listen [::]; root /srv/a; }\nserver { listen 8089; root /srv/b; }", {{"/", "/srv/a"}}},
    {"a server without listen is on 80",
     "server { root /srv/a; }\nserver { listen 8089; root /srv/b; }", {{"/", "/srv/a"}}},
    {"a socket is no port",
     "server { listen unix:/run/kgh-a.sock; root /srv/a; }\nserver { listen 8089; root /srv/b; }",
     {{":8089", "/srv/b"}}},
    {"80 default_server: the default server of the first port, not its first",
     R"(server { listen 80; server_name a; root /srv/a; }
        server { listen 8089; root /srv/c; }
        server { listen 80 default_server; server_name b; root /srv/b; })",
     {{"/", "/srv/b"}}},
    {"the older spelling of default_server",
     "server { listen 80; server_name a; root /srv/a; }\nserver { listen 80 default; server_name b; root /srv/b; }",
     {{"/", "/srv/b"}}},
    {"a default server of another port does not count",
     R"(server { listen 8089; server_name a; root /srv/a; }
        server { listen 80 default_server; root /srv/b; }
        server { listen 8089; server_name c; root /srv/c; })",
     {{":8089", "/srv/a"}}},
    {"a server's first listen decides the port; another server is its default",
     R"(server { listen 8090; listen 8089 default_server; server_name a; root /srv/a; }
        server { listen 8090 default_server; server_name b; root /srv/b; })",
     {{":8090", "/srv/b"}}},
};

// What the site's root and locations list.
const ListingCase kApplications[] = {
    {"no trailing slash; the root stays /; one entry per URL path",
     R"(server { root /srv/www; location /shop/ { alias /srv/shop/; } location = /shop { alias /srv/other; }
                 location ^~ /img/ { root /srv; } location /a/b/ { alias /srv/ab/; } })",
     {{"/", "/srv/www"}, {"/shop", "/srv/shop/"}, {"/img", "/srv/img/"}, {"/a/b", "/srv/ab/"}}},
    {"the folder / stays /",
     "server { root /; location /all/ { alias /; } location /top/ { root /; } }",
     {{"/", "/"}, {"/all", "/"}, {"/top", "/top/"}}},
    {"a location / with its own folder serves the root",
     "server { root /srv/www; location /docs { root /srv/manuals; } location / { root /srv/front; } }",
     {{"/", "/srv/front/"}, {"/docs", "/srv/manuals/docs"}}},
    {"the http block's root for a server without one",
     "root /srv/shared;\nserver { listen 80; location /x/ { alias /srv/x/; } }",
     {{"/", "/srv/shared"}, {"/x", "/srv/x/"}}},
    {"regular-expression and named locations have no URL path",
     R"(server { root /srv/www; location ~ \.php$ { root /srv/php; } location ~* /up/ { alias /srv/up/; }
                 location @fallback { return 404; } location /in/ { try_files $uri @fallback; } })",
     {{"/", "/srv/www"}}},
    {"nested locations; none without a folder of its own",
     "server { location /app/ { location /app/img/ { root /srv/img; } } }", {{"/app/img", "/srv/img/app/img/"}}},
};

Entries ListedFor(const std::string& http) {
  TempDir dir;
  WriteBytes(dir.File("nginx.conf"), Nginx(http));
  return Listed(dir.File("nginx.conf"), "", dir.path().string());
}

TEST(NginxSites, OnlyTheSiteThatAnswersTheFirstPortWithThePortInItsUrlPaths) {
  for (const ListingCase& c : kFirstSite) EXPECT_EQ(ListedFor(c.config), c.listed) << c.what;
}

TEST(NginxSites, EachLocationWithAFolderOfItsOwnOnceUnderItsUrlPath) {
  for (const ListingCase& c : kApplications) EXPECT_EQ(ListedFor(c.config), c.listed) << c.what;
}

TEST(NginxSites, EveryCaseIsAcceptedByNginxItself) {
  if (!NginxInstalled()) GTEST_SKIP() << "nginx is not installed";
  using Table = std::span<const ListingCase>;
  for (Table table : {Table(kFirstSite), Table(kApplications)}) {
    for (const ListingCase& c : table) {
      TempDir dir;
      WriteBytes(dir.File("nginx.conf"), Nginx(c.config));
      EXPECT_EQ(NginxVerdict(dir.File("nginx.conf"), dir.path().string()), "") << c.what;
    }
  }
}

}  // namespace
}  // namespace kgh::test
