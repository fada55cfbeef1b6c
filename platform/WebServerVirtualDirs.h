#pragma once
// The local web server's applications, read from its configuration files: nginx and Apache.
//
// A kiosk's home page must be reachable at "http://" + this computer's name, so only one web
// site is listed: the one that answers this computer's first listening port. When nginx's
// configuration can be read and has a site, nginx's first site is taken, else Apache's; the
// two are never merged, since their URL paths would name different sites.
//
// nginx: the first `listen` port in configuration order (a server without `listen` listens on
// 80; "unix:" sockets are not ports); of the servers on that port the `default_server`, else
// the first. Its `root` (or the `http` block's) gives the site's root; a `location` with its own
// `alias` gives (location path, alias), with its own `root` (location path, root + location
// path); a `location /` of that kind serves the root instead. Regular-expression and named
// locations have no fixed URL path and are passed over. Relative `root` and `alias` values are
// taken from the prefix, relative `include` patterns from the main configuration file's folder,
// as nginx does.
//
// Apache: the first `Listen` port (80 when there is none); the first `<VirtualHost>` with an
// address on that port (no port and "*" match every port), else the main server. The site's
// `DocumentRoot` (the main server's when it has none) gives the root, then its own `Alias`es,
// then the main server's, which every site shares; an `Alias /` serves the root instead.
// Relative folders and include patterns are taken from `ServerRoot`, by default the main
// configuration file's folder.
//
// Each application's URL path has no trailing "/" except the root's "/"; the first entry for a
// URL path wins, so every menu text names one folder. On a port other than 80 the port leads
// every URL path (":8089/shop", and ":8089" for the root), so that the wizard's
// "http://" + computer name + URL path reaches that port.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/VirtualDirectorySource.h"

namespace kgh {

class WebServerVirtualDirs final : public VirtualDirectorySource {
 public:
  static constexpr const char* kNginxConfig = "/etc/nginx/nginx.conf";
  static constexpr const char* kApacheConfig = "/etc/apache2/apache2.conf";
  // Where Debian's nginx is built to look for relative paths when started without "-p".
  static constexpr const char* kNginxPrefix = "/usr/share/nginx";

  // "" leaves that server out.
  explicit WebServerVirtualDirs(std::string nginx_config = kNginxConfig, std::string apache_config = kApacheConfig,
                                std::string nginx_prefix = kNginxPrefix)
      : nginx_config_(std::move(nginx_config)),
        apache_config_(std::move(apache_config)),
        nginx_prefix_(std::move(nginx_prefix)) {}

  // Fails when neither main configuration file can be read: no server is configured here.
  bool ReadVirtualDirs(std::vector<VirtualDirEntry>& entries) override;

 private:
  std::string nginx_config_;
  std::string apache_config_;
  std::string nginx_prefix_;
};

// One web site: the port it answers and its applications, their URL paths without the port.
struct WebSite {
  int port = 80;
  std::vector<VirtualDirEntry> applications;
};

// One server's first site. False when its main configuration file cannot be read; `site` is
// left empty when the configuration has no site a browser can reach.
bool ReadNginxFirstSite(const std::string& main_config, const std::string& prefix, std::optional<WebSite>& site);
bool ReadApacheFirstSite(const std::string& main_config, std::optional<WebSite>& site);

// The files a configuration pattern names, in the order the servers read them (sorted per
// folder level). `*`, `?` and `[...]` may appear in any component; a name beginning with "."
// matches only a component that begins with "." too. A relative pattern is taken from `base`.
std::vector<std::string> ExpandConfigPattern(const std::string& pattern, const std::string& base);

// Whether `name` matches the glob `pattern` (`*`, `?`, `[abc]`, `[a-z]`, `[!x]`).
bool GlobMatch(std::string_view pattern, std::string_view name);

}  // namespace kgh
