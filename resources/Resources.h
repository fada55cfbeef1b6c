#pragma once
// Resources compiled into the component.
#include <string_view>

namespace kgh::resources {

// The configuration that a new file starts from: 24 lines with CR LF ends, no "Homepage".
std::string_view ConfigurationTemplate();

}  // namespace kgh::resources
