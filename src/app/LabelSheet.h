#pragma once
#include "platform/Types.h"

// The sheet of labels the game's additions draw (pause screen, best results): where each label
// lies in files::kLabels. The game reads these rectangles and zem-assetgen draws into them.
namespace labels {

inline constexpr int kSheetWidth = 1024;
inline constexpr int kSheetHeight = 512;

inline constexpr platform::Rect kPause = {0, 0, 640, 160};           // "PAUSE"
inline constexpr platform::Rect kPauseKeys = {0, 160, 1024, 224};    // the keys to resume or quit
inline constexpr platform::Rect kBestScore = {0, 224, 512, 288};     // "BEST SCORE"
inline constexpr platform::Rect kBestPercent = {0, 288, 512, 352};   // "BEST STAR %"
inline constexpr platform::Rect kFewestFrames = {0, 352, 512, 416};  // "FEWEST FRAMES"
inline constexpr platform::Rect kNew = {512, 224, 768, 288};         // "NEW!"
inline constexpr platform::Rect kWhite = {1000, 488, 1016, 504};     // plain white, for dimming

} // namespace labels
