#include "options/PageAddress.h"

#include <algorithm>

#include "platform/Module1.h"

namespace kgh {

std::string WithUrlSeparators(std::string relative) {
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return relative;
}

std::string AddressOnServer(std::string_view def_server, std::string_view url_path) {
  if (def_server.empty()) return std::string(url_path);
  return "http://" + std::string(def_server) + "/" + std::string(url_path);
}

std::string PageAddressFor(std::string_view root_dir, std::string_view file, std::string_view def_server,
                           PathFlavour flavour) {
  return AddressOnServer(def_server, WithUrlSeparators(MakeRelativePath(root_dir, file, flavour)));
}

}  // namespace kgh
