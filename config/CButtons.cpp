#include "config/CButtons.h"

#include <array>

namespace kgh {
namespace {

struct ButtonKind {
  const char* key;
  const char* name;
  ButtonPicture picture;
};

constexpr std::array<ButtonKind, CButtons::MaxButtonTypes> kKinds{{
    {"Back", "Back button", ButtonPicture::Back},
    {"Fwd", "Forward button", ButtonPicture::Forward},
    {"Stop", "Stop button", ButtonPicture::Stop},
    {"Refresh", "Refresh button", ButtonPicture::Refresh},
    {"Home", "Home button", ButtonPicture::Home},
    {"Help", "Help button", ButtonPicture::Help},
    {"Print", "Print button", ButtonPicture::Print},
    {"Rendezvous", "Rendezvous button", ButtonPicture::Meeting},
    {"Sep", "Separator", ButtonPicture::Gap},
    {"", "User (URL) button", ButtonPicture::OwnBitmap},
}};

bool Known(ButtonTypeId id) { return id >= 1 && id <= CButtons::MaxButtonTypes; }

}  // namespace

std::string CButtons::ButtonTypeKey(ButtonTypeId id) const {
  return Known(id) ? kKinds[static_cast<std::size_t>(id - 1)].key : "";
}

std::string CButtons::ButtonTypeName(ButtonTypeId id) const {
  return Known(id) ? kKinds[static_cast<std::size_t>(id - 1)].name : "";
}

ButtonPicture CButtons::ButtonTypePicture(ButtonTypeId id) const {
  return Known(id) ? kKinds[static_cast<std::size_t>(id - 1)].picture : ButtonPicture::None;
}

}  // namespace kgh
