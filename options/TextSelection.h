#pragma once
// Address boxes select their text when they receive the focus: from the first character for a
// fixed length, which is the whole text for any address of ordinary size.
#include <cstddef>

namespace kgh {

inline constexpr std::size_t kAddressSelectionLength = 1024;
// The default-server box selects less: a longer server text is selected only in part.
inline constexpr std::size_t kServerSelectionLength = 24;

}  // namespace kgh
