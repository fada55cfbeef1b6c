#pragma once
// The catalogue of toolbar button kinds: the word that stands for each kind in the [Toolbar]
// section, the name the user sees and the picture a toolbar shows for it. It lives with the file
// format because the format is what gives the keys their meaning; the dialogs use it from here.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kgh {

using ButtonTypeId = int32_t;

// What a toolbar shows for a kind: one of the browser's stock pictures, a gap, or the bitmap the
// user gave the button.
enum class ButtonPicture { None, Back, Forward, Stop, Refresh, Home, Help, Print, Meeting, Gap, OwnBitmap };

// What a kind is: one of the browser's own buttons, the gap between buttons, or a button of the
// user's that opens an address. Code asks for a kind by its role, never by its place in the list.
enum class ButtonRole { Standard, Separator, User };

struct ButtonKind {
  std::string_view key;   // the word in [Toolbar]; "" for the user kind, whose lines name a section
  std::string_view name;  // what the button dialog lists
  ButtonPicture picture;
  ButtonRole role;
};

// In the order the button dialog lists them; a kind's id is its place in this list, from 1.
inline constexpr std::array<ButtonKind, 10> kButtonKinds{{
    {"Back", "Back button", ButtonPicture::Back, ButtonRole::Standard},
    {"Fwd", "Forward button", ButtonPicture::Forward, ButtonRole::Standard},
    {"Stop", "Stop button", ButtonPicture::Stop, ButtonRole::Standard},
    {"Refresh", "Refresh button", ButtonPicture::Refresh, ButtonRole::Standard},
    {"Home", "Home button", ButtonPicture::Home, ButtonRole::Standard},
    {"Help", "Help button", ButtonPicture::Help, ButtonRole::Standard},
    {"Print", "Print button", ButtonPicture::Print, ButtonRole::Standard},
    {"Rendezvous", "Rendezvous button", ButtonPicture::Meeting, ButtonRole::Standard},
    {"Sep", "Separator", ButtonPicture::Gap, ButtonRole::Separator},
    {"", "User (URL) button", ButtonPicture::OwnBitmap, ButtonRole::User},
}};

// The id of the one kind with `role`; the catalogue has exactly one separator and one user kind.
consteval ButtonTypeId IdOfRole(ButtonRole role) {
  ButtonTypeId found = 0;
  for (std::size_t i = 0; i < kButtonKinds.size(); ++i) {
    if (kButtonKinds[i].role != role) continue;
    if (found != 0) throw "two kinds with one role";  // stops the build
    found = static_cast<ButtonTypeId>(i + 1);
  }
  if (found == 0) throw "no kind with this role";  // stops the build
  return found;
}

inline constexpr ButtonTypeId kSeparatorButton = IdOfRole(ButtonRole::Separator);
inline constexpr ButtonTypeId kUserButton = IdOfRole(ButtonRole::User);

class CButtons {
 public:
  static constexpr int32_t MaxButtonTypes = static_cast<int32_t>(kButtonKinds.size());

  // The key in the configuration ("Back", ..., "Sep"); "" for the user button and unknown ids.
  std::string ButtonTypeKey(ButtonTypeId id) const;
  // The display name ("Back button", ..., "User (URL) button"); "" for unknown ids.
  std::string ButtonTypeName(ButtonTypeId id) const;
  // The picture a toolbar shows for the kind; None for unknown ids.
  ButtonPicture ButtonTypePicture(ButtonTypeId id) const;
};

}  // namespace kgh
