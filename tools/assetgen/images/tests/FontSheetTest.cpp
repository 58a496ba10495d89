// The lettering's sheet against its face: the game spaces characters by the advances it keeps
// in app/FontSheet.h, which must be the face's own, and every character with its outline must
// fit its cell.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/FontSheet.h"
#include "images/Lettering.h"

namespace {

TEST(FontSheetTest, TheAdvancesAreTheFacesAndEveryCharacterFitsItsCell)
{
    constexpr double kOutline = 7.0; // the sheet's outline, half of it outside the letters
    for (char c = fontsheet::kFirst; c <= fontsheet::kLast; ++c) {
        const std::string text(1, c);
        const TextMetrics metrics = MeasureText(text, fontsheet::kFontSize);
        EXPECT_EQ(std::lround(metrics.advance), fontsheet::kAdvances[static_cast<size_t>(c - fontsheet::kFirst)]) << c;
        EXPECT_LE(metrics.width + kOutline, fontsheet::kCellWidth) << c;
    }
    for (const char* arrow : fontsheet::kArrowGlyphs) {
        EXPECT_EQ(std::lround(MeasureText(arrow, fontsheet::kFontSize).advance), fontsheet::kArrowAdvance) << arrow;
    }
}

} // namespace
