#pragma once
// Resources compiled into the component.
#include <string_view>

namespace kgh::resources {

// The configuration that a new file starts from: 24 lines with CR LF ends, no home page.
std::string_view ConfigurationTemplate();

// The wizard's string table, in the id<TAB>text format that wizard/StringTable.h describes.
std::string_view WizardStrings();

}  // namespace kgh::resources
