#include "platform/WebServerVirtualDirs.h"

#include <algorithm>

namespace kgh {

bool WebServerVirtualDirs::ReadVirtualDirs(std::vector<VirtualDirEntry>& entries) {
  std::vector<VirtualDirEntry> found;
  bool nginx = !nginx_config_.empty() && ReadNginxApplications(nginx_config_, found);
  bool apache = !apache_config_.empty() && ReadApacheApplications(apache_config_, found);
  for (VirtualDirEntry& entry : found) {
    bool known = std::any_of(entries.begin(), entries.end(),
                             [&entry](const VirtualDirEntry& e) { return e.Name == entry.Name; });
    if (!known) entries.push_back(std::move(entry));
  }
  return nginx || apache;
}

}  // namespace kgh
