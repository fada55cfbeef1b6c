#pragma once
// The local web server's applications, read from its configuration files: nginx and Apache.
// Each application is a URL path beginning with "/" and the folder it serves.
//
// nginx: a `location` block with its own `alias` gives (location path, alias); with its own
// `root`, (location path, root + location path). A server's `root` gives ("/", root), since
// that is the site a browser reaches first. Regular-expression and named locations have no
// fixed URL path and are passed over. Apache: `Alias url folder`, and `DocumentRoot folder`
// as ("/", folder). `include`, `Include` and `IncludeOptional` are followed, with globs;
// relative patterns are taken from the main configuration file's folder. The first entry for
// a URL path wins, so every menu text names one folder.
#include <string>
#include <string_view>
#include <vector>

#include "platform/VirtualDirectorySource.h"

namespace kgh {

class WebServerVirtualDirs final : public VirtualDirectorySource {
 public:
  static constexpr const char* kNginxConfig = "/etc/nginx/nginx.conf";
  static constexpr const char* kApacheConfig = "/etc/apache2/apache2.conf";

  // "" leaves that server out.
  explicit WebServerVirtualDirs(std::string nginx_config = kNginxConfig, std::string apache_config = kApacheConfig)
      : nginx_config_(std::move(nginx_config)), apache_config_(std::move(apache_config)) {}

  // Fails when neither main configuration file can be read: no server is configured here.
  bool ReadVirtualDirs(std::vector<VirtualDirEntry>& entries) override;

 private:
  std::string nginx_config_;
  std::string apache_config_;
};

// One server's applications. False when its main configuration file cannot be read.
bool ReadNginxApplications(const std::string& main_config, std::vector<VirtualDirEntry>& entries);
bool ReadApacheApplications(const std::string& main_config, std::vector<VirtualDirEntry>& entries);

// The files a configuration pattern names, in the order the servers read them (sorted per
// folder level). `*`, `?` and `[...]` may appear in any component; a name beginning with "."
// matches only a component that begins with "." too. A relative pattern is taken from `base`.
std::vector<std::string> ExpandConfigPattern(const std::string& pattern, const std::string& base);

// Whether `name` matches the glob `pattern` (`*`, `?`, `[abc]`, `[a-z]`, `[!x]`).
bool GlobMatch(std::string_view pattern, std::string_view name);

}  // namespace kgh
