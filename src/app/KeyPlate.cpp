#include "app/KeyPlate.h"

#include <algorithm>

#include "app/Drawing.h"
#include "app/FontSheet.h"
#include "app/LabelSheet.h"
#include "app/TextDrawing.h"

namespace {

constexpr float kMarginX = 28.0f;
constexpr float kMarginY = 10.0f;

platform::Color WithAlpha(platform::Color color, int alpha)
{
    const uint32_t a = ((color >> 24) * static_cast<uint32_t>(std::clamp(alpha, 0, 255))) / 255;
    return (a << 24) | (color & 0x00FFFFFF);
}

} // namespace

float PlateLineWidth(const PlateLine& line, float scale)
{
    std::string whole;
    for (const PlateRun& run : line) whole += run.text;
    return TextLineWidth(whole, scale);
}

void DrawPlateRect(platform::Sprite* sprite, const platform::Texture* labels, float left, float top, float width,
                   float height, platform::Color color)
{
    const platform::Rect white = labels::kWhite;
    const auto side = static_cast<float>(white.right - white.left);
    DrawSprite(sprite, labels, white, {},
               platform::Matrix::Scaling(width / side, height / side, 1.0f) *
                   platform::Matrix::Translation(left, top, 0.0f),
               color);
}

namespace {

// The runs from (left, top), each where the one before it moved the pen.
void DrawRuns(platform::Sprite* sprite, const platform::Texture* font, const PlateLine& line, float left, float top,
              float scale, int alpha)
{
    float x = left;
    for (const PlateRun& run : line) {
        DrawTextLine(sprite, font, run.text, x, top, scale, WithAlpha(run.key ? kHudGold : 0xFFFFFFFF, alpha));
        x += TextAdvance(run.text, scale);
    }
}

} // namespace

void DrawKeyLine(platform::Sprite* sprite, const platform::Texture* font, const PlateLine& line, float centreX,
                 float centreY, float size, float widest, int alpha)
{
    const float scale = std::min(size / static_cast<float>(fontsheet::kFontSize), widest / PlateLineWidth(line, 1.0f));
    const float top = centreY - static_cast<float>(fontsheet::kCellHeight) * scale / 2.0f;
    DrawRuns(sprite, font, line, centreX - PlateLineWidth(line, scale) / 2.0f, top, scale, alpha);
}

void DrawKeyPlate(platform::Sprite* sprite, const platform::Texture* font, const platform::Texture* labels,
                  const PlateLine& line, float centreX, float centreY, float scale, int alpha)
{
    const float width = PlateLineWidth(line, scale);
    const float height = static_cast<float>(fontsheet::kCellHeight) * scale;
    const float left = centreX - width / 2.0f;
    const float top = centreY - height / 2.0f;
    DrawPlateRect(sprite, labels, left - kMarginX, top - kMarginY, width + 2.0f * kMarginX, height + 2.0f * kMarginY,
                  WithAlpha(0xA61E1838, alpha));
    DrawRuns(sprite, font, line, left, top, scale, alpha);
}
