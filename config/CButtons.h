#pragma once
// The catalogue of toolbar button kinds: the word that stands for each kind in the [Toolbar]
// section, the name the user sees and the picture a toolbar shows for it. It lives with the file format because the format is
// what gives the keys their meaning; the dialogs use it from here.
#include <cstdint>
#include <string>

namespace kgh {

using ButtonTypeId = int32_t;

inline constexpr ButtonTypeId kSeparatorButton = 9;
inline constexpr ButtonTypeId kUserButton = 10;

// What a toolbar shows for a kind: one of the browser's stock pictures, a gap, or the bitmap the
// user gave the button.
enum class ButtonPicture { None, Back, Forward, Stop, Refresh, Home, Help, Print, Meeting, Gap, OwnBitmap };

class CButtons {
 public:
  static constexpr int32_t MaxButtonTypes = 10;

  // The key in the configuration ("Back", ..., "Sep"); "" for the user button and unknown ids.
  std::string ButtonTypeKey(ButtonTypeId id) const;
  // The display name ("Back button", ..., "User (URL) button"); "" for unknown ids.
  std::string ButtonTypeName(ButtonTypeId id) const;
  // The picture a toolbar shows for the kind; None for unknown ids.
  ButtonPicture ButtonTypePicture(ButtonTypeId id) const;
};

}  // namespace kgh
