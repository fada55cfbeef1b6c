#include "platform/WebServerVirtualDirs.h"

#include "platform/WebServerConfigText.h"

namespace kgh {
namespace {

// The wizard puts the URL path straight after the computer's name, so a port other than the
// browser's default travels in front of it.
std::string NameOnPort(int port, const std::string& url) {
  if (port == webserver::kHttpPort) return url;
  return ":" + std::to_string(port) + (url == "/" ? "" : url);
}

}  // namespace

bool WebServerVirtualDirs::ReadVirtualDirs(std::vector<VirtualDirEntry>& entries) {
  std::optional<WebSite> site;
  bool nginx = !nginx_config_.empty() && ReadNginxFirstSite(nginx_config_, nginx_prefix_, site);
  bool apache = false;
  if (!site) apache = !apache_config_.empty() && ReadApacheFirstSite(apache_config_, site);
  if (site)
    for (VirtualDirEntry& application : site->applications)
      entries.push_back({NameOnPort(site->port, application.Name), std::move(application.Path)});
  return nginx || apache;
}

}  // namespace kgh
