// The labels of the pause screen and of the best results, in the game's lettering.
#include "app/LabelSheet.h"
#include "images/Lettering.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

// Left-aligned in its rectangle, vertically centred.
void Label(const Canvas& canvas, const platform::Rect& at, const std::string& text, const TextStyle& style)
{
    const TextMetrics metrics = MeasureText(text, style.size);
    const double baseline = (at.top + at.bottom) / 2.0 + metrics.height / 2.0;
    DrawTextRun(canvas, text, at.left + style.outline, baseline, style);
}

} // namespace

Canvas Labels()
{
    Canvas canvas(labels::kSheetWidth, labels::kSheetHeight);
    TextStyle big;
    big.size = 120;
    big.outline = 14;
    big.fillBottom = Hex(0xB3E5FC);
    big.gloss = true;
    DrawText(canvas, "PAUSE", (labels::kPause.left + labels::kPause.right) / 2.0,
             (labels::kPause.top + labels::kPause.bottom) / 2.0, big);

    TextStyle small;
    small.size = 34;
    small.outline = 7;
    Label(canvas, labels::kPauseKeys, "P or Guide: resume    O: options    Esc: quit", small);
    small.fillBottom = Hex(0xFFE082);
    Label(canvas, labels::kBestScore, "BEST SCORE", small);
    Label(canvas, labels::kBestPercent, "BEST STAR %", small);
    Label(canvas, labels::kBestTime, "BEST TIME", small);
    small.fillTop = Hex(0xFFF176);
    small.fillBottom = Hex(0xFF7043);
    small.size = 40;
    Label(canvas, labels::kNew, "NEW!", small);

    // The signs that go with the digits, in the digits' own style.
    TextStyle digit;
    digit.size = 44;
    digit.outline = 7;
    digit.fillTop = colours::kGold;
    digit.fillBottom = colours::kGoldDark;
    digit.shadowOffset = 2.5;
    digit.shadowBlur = 3;
    digit.shadowAlpha = 0.45;
    const struct {
        const platform::Rect& at;
        const char* text;
    } signs[] = {{labels::kDash, "-"}, {labels::kColon, ":"}, {labels::kPoint, "."}, {labels::kPercent, "%"}};
    // On the digits' baseline: their ink is centred in the cell, a point sits low, a dash mid-way.
    const double baseline = (labels::kDash.top + labels::kDash.bottom) / 2.0 + MeasureText("0", digit.size).height / 2.0;
    for (const auto& sign : signs) {
        const double centre = (sign.at.left + sign.at.right) / 2.0;
        DrawTextRun(canvas, sign.text, centre - MeasureText(sign.text, digit.size).advance / 2.0,
                    baseline - labels::kDash.top + sign.at.top, digit);
    }

    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, labels::kWhite.left, labels::kWhite.top, labels::kWhite.right - labels::kWhite.left,
                    labels::kWhite.bottom - labels::kWhite.top);
    SetColour(cr, colours::kWhite);
    cairo_fill(cr);
    return canvas;
}

} // namespace pictures
