#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Types.h"

// The game's lettering for words it makes up as it runs (stage names): the printable ASCII
// characters from ' ' to '_' (lower case shows as upper case), in 16 columns of 4 rows of
// cells in files::kFont, and in a fifth row the four arrows, which the game's strings name with
// the control characters 1 to 4 (kArrowLeft ...). The game reads these sizes and zem-assetgen
// draws into them. The face is proportional, as the pictures' words are: each character's
// advance is its own (the face's at kFontSize), and its cell holds it centred on that advance.
namespace fontsheet {

inline constexpr char kFirst = ' ';
inline constexpr char kLast = '_';
inline constexpr int kColumns = 16;
inline constexpr int kCellWidth = 56; // the widest character (W) with its outline
inline constexpr int kCellHeight = 64;
inline constexpr int kSheetWidth = kColumns * kCellWidth;
inline constexpr int kSheetHeight = 5 * kCellHeight;

inline constexpr char kFirstArrow = '\x01';
inline constexpr int kArrowCount = 4;
// The arrows as drawn (UTF-8), in the order of their control characters.
inline constexpr const char* kArrowGlyphs[kArrowCount] = {"\u2190", "\u2192", "\u2191", "\u2193"};
// The size the sheet's face is drawn at, and each character's advance there (' ' to '_', then
// the four arrows), in pixels; the generator's test holds them to the face's own.
inline constexpr double kFontSize = 44.0;
inline constexpr std::array<uint8_t, kLast - kFirst + 1> kAdvances = {
    15, 20, 23, 37, 31, 44, 38, 13, 20, 20, 23, 37, 17, 18, 17, 16, 31, 31, 31, 31, 31, 31,
    31, 31, 31, 31, 18, 18, 37, 37, 37, 26, 44, 34, 34, 32, 37, 30, 30, 36, 37, 16, 16, 34,
    28, 44, 37, 37, 32, 37, 34, 32, 30, 36, 34, 49, 34, 32, 32, 20, 16, 20, 37, 22,
};
inline constexpr uint8_t kArrowAdvance = 37;
// Room added between characters, for their outlines, and before the first and after the last.
inline constexpr float kTracking = 3.0f;
inline constexpr float kInkMargin = 4.0f;

// The character as the sheet holds it: upper case for lower, '?' for one it does not hold.
inline char SheetCharacter(char c)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= kFirstArrow && c < kFirstArrow + kArrowCount) return c;
    return c < kFirst || c > kLast ? '?' : c;
}

// How far a character moves the pen at full size, its tracking included.
inline float AdvanceOf(char c)
{
    c = SheetCharacter(c);
    const uint8_t advance = c < kFirst ? kArrowAdvance : kAdvances[static_cast<std::size_t>(c - kFirst)];
    return static_cast<float>(advance) + kTracking;
}

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
