#include "scenes/BestResultsPanel.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/Drawing.h"
#include "app/LabelSheet.h"
#include "app/ScreenColours.h"

namespace {

using screencolours::kWhite;
constexpr float kLabelScale = 0.6f;
constexpr float kDigitScale = 0.45f;
constexpr float kDigitAdvance = 19.0f;
constexpr float kRowHeight = 36.0f;
constexpr float kNumberX = 200.0f; // from the panel's left
constexpr float kNumberDown = 6.0f;
constexpr int kDigitCell = 60;

platform::Matrix At(float scale, float x, float y)
{
    return platform::Matrix::Scaling(scale, scale, 1.0f) * platform::Matrix::Translation(x, y, 0.0f);
}

const platform::Rect* SignCell(char c)
{
    switch (c) {
    case '-': return &labels::kDash;
    case ':': return &labels::kColon;
    case '.': return &labels::kPoint;
    case '%': return &labels::kPercent;
    default: return nullptr;
    }
}

} // namespace

std::string StageTimeText(int frames)
{
    const int hundredths = static_cast<int>(static_cast<long long>(std::max(frames, 0)) * 100 / 60);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d.%02d", hundredths / 6000, hundredths / 100 % 60, hundredths % 100);
    return text;
}

std::string ResultText(const std::optional<int>& value, ResultUnit unit)
{
    if (!value) return "-";
    switch (unit) {
    case ResultUnit::Percent: return std::to_string(*value) + "%";
    case ResultUnit::Time: return StageTimeText(*value);
    case ResultUnit::Count: break;
    }
    return std::to_string(*value);
}

float DrawResultText(platform::Sprite* sprite, const platform::Texture* digits, const platform::Texture* labels,
                     const std::string& text, float x, float y, float scale, float advance, platform::Color colour)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const platform::Matrix at = At(scale, x + static_cast<float>(i) * advance, y);
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            DrawSprite(sprite, digits, CellRect(c - '0' + 1, 0, kDigitCell, kDigitCell), {}, at, colour);
        } else if (const platform::Rect* sign = SignCell(c)) {
            DrawSprite(sprite, labels, *sign, {}, at, colour);
        }
    }
    return static_cast<float>(text.size()) * advance + kDigitCell * scale - advance;
}

void DrawBestResults(platform::Sprite* sprite, const platform::Texture* labels, const platform::Texture* digits,
                     const BestResults& best, const NewBests& news, float x, float y, float scale)
{
    const struct {
        const platform::Rect& label;
        const std::optional<int>& value;
        ResultUnit unit;
        bool isNew;
    } rows[] = {
        {labels::kBestScore, best.score, ResultUnit::Count, news.score},
        {labels::kBestPercent, best.percent, ResultUnit::Percent, news.percent},
        {labels::kBestTime, best.frames, ResultUnit::Time, news.frames},
    };
    float rowY = y;
    for (const auto& row : rows) {
        DrawSprite(sprite, labels, row.label, {}, At(kLabelScale * scale, x, rowY), kWhite);
        const float width =
            DrawResultText(sprite, digits, labels, ResultText(row.value, row.unit), x + kNumberX * scale,
                           rowY + kNumberDown * scale, kDigitScale * scale, kDigitAdvance * scale, screencolours::kNumberYellow);
        if (row.isNew) {
            DrawSprite(sprite, labels, labels::kNew, {},
                       At(kLabelScale * scale, x + kNumberX * scale + width + 4.0f * scale, rowY), kWhite);
        }
        rowY += kRowHeight * scale;
    }
}
