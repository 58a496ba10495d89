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
inline constexpr platform::Rect kBestTime = {0, 352, 512, 416};      // "BEST TIME"
inline constexpr platform::Rect kNew = {512, 224, 768, 288};         // "NEW!"
inline constexpr platform::Rect kWhite = {1000, 488, 1016, 504};     // plain white, for dimming

// Signs drawn like the digits of files::kDigits (60 x 60 cells, gold), to write numbers with.
inline constexpr platform::Rect kDash = {0, 416, 60, 476};      // "-": no result yet
inline constexpr platform::Rect kColon = {60, 416, 120, 476};   // ":" between minutes and seconds
inline constexpr platform::Rect kPoint = {120, 416, 180, 476};  // "." before the hundredths
inline constexpr platform::Rect kPercent = {180, 416, 240, 476}; // "%"

} // namespace labels
