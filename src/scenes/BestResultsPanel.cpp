#include "scenes/BestResultsPanel.h"

#include <string>

#include "app/Drawing.h"
#include "app/LabelSheet.h"

namespace {

constexpr float kLabelScale = 0.6f;
constexpr float kDigitScale = 0.45f;
constexpr float kDigitAdvance = 19.0f;
constexpr float kRowHeight = 36.0f;
constexpr float kNumberX = 200.0f; // from the panel's left
constexpr float kNumberDown = 6.0f;
constexpr int kDigitCell = 60;
constexpr platform::Color kWhite = 0xFFFFFFFF;
constexpr platform::Color kYellow = 0xFFFFFF00;

platform::Matrix At(float scale, float x, float y)
{
    return platform::Matrix::Scaling(scale, scale, 1.0f) * platform::Matrix::Translation(x, y, 0.0f);
}

// A number in the digit sheet's cells (digit d at 60 * (d + 1)), no result yet as "X";
// returns its width.
float DrawNumber(platform::Sprite* sprite, const platform::Texture* digits, const std::optional<int>& value, float x,
                 float y)
{
    const std::string text = value ? std::to_string(*value) : "X";
    for (size_t i = 0; i < text.size(); ++i) {
        const int cell = text[i] == 'X' ? 0 : text[i] - '0' + 1;
        DrawSprite(sprite, digits, CellRect(cell, 0, kDigitCell, kDigitCell), {},
                   At(kDigitScale, x + static_cast<float>(i) * kDigitAdvance, y), kYellow);
    }
    return static_cast<float>(text.size()) * kDigitAdvance + kDigitCell * kDigitScale - kDigitAdvance;
}

} // namespace

void DrawBestResults(platform::Sprite* sprite, const platform::Texture* labels, const platform::Texture* digits,
                     const BestResults& best, const NewBests& news, float x, float y)
{
    const struct {
        const platform::Rect& label;
        const std::optional<int>& value;
        bool isNew;
    } rows[] = {
        {labels::kBestScore, best.score, news.score},
        {labels::kBestPercent, best.percent, news.percent},
        {labels::kFewestFrames, best.frames, news.frames},
    };
    float rowY = y;
    for (const auto& row : rows) {
        DrawSprite(sprite, labels, row.label, {}, At(kLabelScale, x, rowY), kWhite);
        const float width = DrawNumber(sprite, digits, row.value, x + kNumberX, rowY + kNumberDown);
        if (row.isNew) DrawSprite(sprite, labels, labels::kNew, {}, At(kLabelScale, x + kNumberX + width + 4.0f, rowY), kWhite);
        rowY += kRowHeight;
    }
}
