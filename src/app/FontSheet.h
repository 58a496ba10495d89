#pragma once
#include "platform/Types.h"

// The game's lettering for words it makes up as it runs (stage names): the printable ASCII
// characters from ' ' to '_' (lower case shows as upper case), in 16 columns of 4 rows of
// cells in files::kFont. The game reads these sizes and zem-assetgen draws into them.
namespace fontsheet {

inline constexpr char kFirst = ' ';
inline constexpr char kLast = '_';
inline constexpr int kColumns = 16;
inline constexpr int kCellWidth = 48;
inline constexpr int kCellHeight = 64;
inline constexpr int kSheetWidth = kColumns * kCellWidth;
inline constexpr int kSheetHeight = 4 * kCellHeight;
// Letters are drawn this far apart at full size.
inline constexpr float kAdvance = 34.0f;

// The cell of a character; '?' for one the sheet does not hold.
inline platform::Rect CellOf(char c)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < kFirst || c > kLast) c = '?';
    const int index = c - kFirst;
    const int column = index % kColumns;
    const int row = index / kColumns;
    return {column * kCellWidth, row * kCellHeight, (column + 1) * kCellWidth, (row + 1) * kCellHeight};
}

} // namespace fontsheet
