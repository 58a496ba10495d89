#pragma once
#include "platform/Types.h"

// The game's lettering for words it makes up as it runs (stage names): the printable ASCII
// characters from ' ' to '_' (lower case shows as upper case), in 16 columns of 4 rows of
// cells in files::kFont, and in a fifth row the four arrows, which the game's strings name with
// the control characters 1 to 4 (kArrowLeft ...). The game reads these sizes and zem-assetgen
// draws into them.
namespace fontsheet {

inline constexpr char kFirst = ' ';
inline constexpr char kLast = '_';
inline constexpr int kColumns = 16;
inline constexpr int kCellWidth = 48;
inline constexpr int kCellHeight = 64;
inline constexpr int kSheetWidth = kColumns * kCellWidth;
inline constexpr int kSheetHeight = 5 * kCellHeight;

inline constexpr char kFirstArrow = '\x01';
inline constexpr int kArrowCount = 4;
// The arrows as drawn (UTF-8), in the order of their control characters.
inline constexpr const char* kArrowGlyphs[kArrowCount] = {"\u2190", "\u2192", "\u2191", "\u2193"};
// Letters are drawn this far apart at full size.
inline constexpr float kAdvance = 34.0f;

// The cell of a character; '?' for one the sheet does not hold.
inline platform::Rect CellOf(char c)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    int index = 0;
    if (c >= kFirstArrow && c < kFirstArrow + kArrowCount) {
        index = 4 * kColumns + (c - kFirstArrow);
    } else {
        if (c < kFirst || c > kLast) c = '?';
        index = c - kFirst;
    }
    const int column = index % kColumns;
    const int row = index / kColumns;
    return {column * kCellWidth, row * kCellHeight, (column + 1) * kCellWidth, (row + 1) * kCellHeight};
}

} // namespace fontsheet

// The arrows in the game's strings.
inline constexpr const char* kArrowLeft = "\x01";
inline constexpr const char* kArrowRight = "\x02";
inline constexpr const char* kArrowUp = "\x03";
inline constexpr const char* kArrowDown = "\x04";
