#pragma once
// Which file of a web application's folder the browser opens first.
#include <string>

#include "platform/DirectoryListing.h"

namespace kgh {

// The first entry, in the listing's own order, whose upper-cased name is one of the default
// or index page names (DEFAULT.ASP ... INDEX.PL), in its own letter case; without one, the
// last plain file listed; "" when the folder holds no plain file or cannot be read.
std::string DetectStartPage(DirectoryListing& listing, const std::string& directory);

}  // namespace kgh
