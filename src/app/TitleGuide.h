#pragma once
#include "platform/Types.h"

// The title's instruction picture (files::kInstruction), which the game reads and zem-assetgen
// draws: "PRESS ENTER" on its plate with two sparkles, and the stage's keys on a strip. Row 0
// holds it lettered with the default keys; row 1 the same plates and sparkles bare, for the game
// to letter the keys as bound in the same places and sizes.
namespace titleguide {

inline constexpr platform::Rect kLettered = {0, 0, 900, 300};
inline constexpr platform::Rect kBare = {0, 300, 900, 600};

// A line of the picture: its middle within the picture, the face's size and the widest it may be.
struct Line {
    float centreX = 0.0f;
    float centreY = 0.0f;
    float size = 0.0f;
    float widest = 0.0f;
};
// "PRESS ENTER" keeps within its two sparkles (the picture's own words are 492 pixels wide).
inline constexpr Line kPress = {450.0f, 100.0f, 64.0f, 500.0f};
inline constexpr Line kKeys = {450.0f, 230.0f, 36.0f, 820.0f};

} // namespace titleguide
