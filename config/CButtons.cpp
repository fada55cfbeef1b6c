#include "config/CButtons.h"

#include <array>

namespace kgh {
namespace {

struct ButtonKind {
  const char* key;
  const char* name;
};

constexpr std::array<ButtonKind, CButtons::MaxButtonTypes> kKinds{{
    {"Back", "Back button"},
    {"Fwd", "Forward button"},
    {"Stop", "Stop button"},
    {"Refresh", "Refresh button"},
    {"Home", "Home button"},
    {"Help", "Help button"},
    {"Print", "Print button"},
    {"Rendezvous", "Rendezvous button"},
    {"Sep", "Separator"},
    {"", "User (URL) button"},
}};

bool Known(ButtonTypeId id) { return id >= 1 && id <= CButtons::MaxButtonTypes; }

}  // namespace

std::string CButtons::ButtonTypeKey(ButtonTypeId id) const {
  return Known(id) ? kKinds[static_cast<std::size_t>(id - 1)].key : "";
}

std::string CButtons::ButtonTypeName(ButtonTypeId id) const {
  return Known(id) ? kKinds[static_cast<std::size_t>(id - 1)].name : "";
}

}  // namespace kgh
