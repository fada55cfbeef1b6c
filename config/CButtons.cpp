#include "config/CButtons.h"

namespace kgh {
namespace {

bool Known(ButtonTypeId id) { return id >= 1 && id <= CButtons::MaxButtonTypes; }
const ButtonKind& KindOf(ButtonTypeId id) { return kButtonKinds[static_cast<std::size_t>(id - 1)]; }

}  // namespace

std::string CButtons::ButtonTypeKey(ButtonTypeId id) const { return Known(id) ? std::string(KindOf(id).key) : ""; }

std::string CButtons::ButtonTypeName(ButtonTypeId id) const { return Known(id) ? std::string(KindOf(id).name) : ""; }

ButtonPicture CButtons::ButtonTypePicture(ButtonTypeId id) const {
  return Known(id) ? KindOf(id).picture : ButtonPicture::None;
}

}  // namespace kgh
