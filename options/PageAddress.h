#pragma once
// Page and bitmap addresses chosen from files: stored relative to the web application's root
// with "/" separators, on the default server when one is set.
#include <string>
#include <string_view>

#include "platform/PathFlavour.h"

namespace kgh {

// `relative` with every "\" turned into "/".
std::string WithUrlSeparators(std::string relative);

// "http://" + server + "/" + path when a default server is set, the path alone otherwise.
std::string AddressOnServer(std::string_view def_server, std::string_view url_path);

// The address of `file` below `root_dir`. A file with no relative path (another drive, no
// root) leaves the path part empty: "http://server/" or "".
std::string PageAddressFor(std::string_view root_dir, std::string_view file, std::string_view def_server,
                           PathFlavour flavour);

}  // namespace kgh
