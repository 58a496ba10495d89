// The game's lettering as a sheet of single characters, for words made up as the game runs.
#include "app/FontSheet.h"
#include "images/Lettering.h"
#include "images/Pictures.h"

namespace pictures {

Canvas Font()
{
    Canvas canvas(fontsheet::kSheetWidth, fontsheet::kSheetHeight);
    TextStyle style;
    style.size = fontsheet::kFontSize;
    style.outline = 7;
    style.fillBottom = Hex(0xE1F5FE); // as the pictures' words: white to ice, tinted gold for keys
    style.shadowOffset = 3;
    for (char c = fontsheet::kFirst; c <= fontsheet::kLast; ++c) {
        if (c == ' ') continue;
        const platform::Rect cell = fontsheet::CellOf(c);
        // Centred across the cell, on one baseline for every character.
        const std::string text(1, c);
        const TextMetrics metrics = MeasureText(text, style.size);
        const double baseline = cell.top + fontsheet::kCellHeight * 0.75;
        DrawTextRun(canvas, text, (cell.left + cell.right) / 2.0 - metrics.advance / 2.0, baseline, style);
    }
    for (int i = 0; i < fontsheet::kArrowCount; ++i) {
        const platform::Rect cell = fontsheet::CellOf(static_cast<char>(fontsheet::kFirstArrow + i));
        const std::string text = fontsheet::kArrowGlyphs[i];
        const TextMetrics metrics = MeasureText(text, style.size);
        const double baseline = cell.top + fontsheet::kCellHeight * 0.75;
        DrawTextRun(canvas, text, (cell.left + cell.right) / 2.0 - metrics.advance / 2.0, baseline, style);
    }
    return canvas;
}

} // namespace pictures
