#pragma once
// The catalogue of toolbar button kinds: the word that stands for each kind in the [Toolbar]
// section and the name the user sees. It lives with the file format because the format is
// what gives the keys their meaning; the dialogs use it from here.
#include <cstdint>
#include <string>

namespace kgh {

using ButtonTypeId = int32_t;

inline constexpr ButtonTypeId kSeparatorButton = 9;
inline constexpr ButtonTypeId kUserButton = 10;

class CButtons {
 public:
  static constexpr int32_t MaxButtonTypes = 10;

  // The key in the configuration ("Back", ..., "Sep"); "" for the user button and unknown ids.
  std::string ButtonTypeKey(ButtonTypeId id) const;
  // The display name ("Back button", ..., "User (URL) button"); "" for unknown ids.
  std::string ButtonTypeName(ButtonTypeId id) const;
};

}  // namespace kgh
