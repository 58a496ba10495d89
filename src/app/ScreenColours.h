#pragma once
#include "platform/Types.h"

// The colours the screens around the stage share, so that a panel, a key's name or a number looks
// the same on every screen.
namespace screencolours {

inline constexpr platform::Color kWhite = 0xFFFFFFFF;         // a picture as it is, words in white
inline constexpr platform::Color kHudGold = 0xFFFFD54F;       // keys' names, headings
inline constexpr platform::Color kNumberYellow = 0xFFFFFF00;  // the digits' tint on the result
inline constexpr platform::Color kPanel = 0xC81E1838;         // the plates' dark purple, under words

} // namespace screencolours
