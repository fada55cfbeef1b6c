#include "wizard/StartPage.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/Module1.h"
#include "platform/TextCase.h"

namespace kgh {
namespace {

// Default and index pages have the same priority: the listing's order decides.
constexpr std::array<std::string_view, 12> kStartPageNames = {
    "DEFAULT.ASP", "DEFAULT.HTM", "DEFAULT.HTML", "DEFAULT.PHP", "DEFAULT.ASPX", "DEFAULT.PL",
    "INDEX.ASP",   "INDEX.HTM",   "INDEX.HTML",   "INDEX.PHP",   "INDEX.ASPX",   "INDEX.PL"};

bool IsStartPageName(const std::string& name) {
  std::string upper = ToUpperAsciiCopy(name);
  return std::find(kStartPageNames.begin(), kStartPageNames.end(), upper) != kStartPageNames.end();
}

}  // namespace

std::string DetectStartPage(DirectoryListing& listing, const std::string& directory) {
  std::string start_page;
  for (DirectoryEntry& entry : listing.List(directory)) {
    if ((entry.attributes & kDirectoryAttribute) != 0) continue;
    std::string name = TrimAtNull(entry.name);
    start_page = name;
    if (IsStartPageName(name)) break;
  }
  return start_page;
}

}  // namespace kgh
