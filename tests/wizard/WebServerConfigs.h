#pragma once
// Web server configurations under test: what the wizard lists for them, and the verdict of the
// servers themselves where they are installed.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/WebServerVirtualDirs.h"
#include "support/TempDir.h"

namespace kgh {
inline void PrintTo(const VirtualDirEntry& e, std::ostream* out) { *out << "(" << e.Name << ", " << e.Path << ")"; }
}  // namespace kgh

namespace kgh::test {

using Entries = std::vector<VirtualDirEntry>;

inline const std::string kFixtures = KGH_WIZARD_FIXTURES;
inline const std::string kNginxFixture = kFixtures + "/nginx/nginx.conf";
inline const std::string kApacheFixture = kFixtures + "/apache2/apache2.conf";

// A table row: a configuration and the applications the wizard lists for it.
struct ListingCase {
  const char* what;
  std::string config;
  Entries listed;
};

// The applications the wizard offers for these configuration files ("" leaves a server out).
Entries Listed(const std::string& nginx_config, const std::string& apache_config, const std::string& nginx_prefix);

bool NginxInstalled();

// What nginx says when it checks the configuration: "" when it accepts it.
std::string NginxVerdict(const std::string& config, const std::string& prefix);

}  // namespace kgh::test
