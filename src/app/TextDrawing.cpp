#include "app/TextDrawing.h"

#include "app/Drawing.h"
#include "app/FontSheet.h"

float TextAdvance(const std::string& text, float scale)
{
    float advance = 0.0f;
    for (const char c : text) advance += fontsheet::AdvanceOf(c);
    return advance * scale;
}

float TextLineWidth(const std::string& text, float scale)
{
    if (text.empty()) return 0.0f;
    return TextAdvance(text, scale) + (2.0f * fontsheet::kInkMargin - fontsheet::kTracking) * scale;
}

float DrawTextLine(platform::Sprite* sprite, const platform::Texture* font, const std::string& text, float x, float y,
                   float scale, platform::Color color)
{
    // Each character's cell is centred on its advance.
    float pen = fontsheet::kInkMargin;
    for (const char c : text) {
        const float advance = fontsheet::AdvanceOf(c);
        if (c != ' ') {
            const float cellLeft = pen + (advance - fontsheet::kTracking) / 2.0f - fontsheet::kCellWidth / 2.0f;
            const platform::Matrix place = platform::Matrix::Scaling(scale, scale, 1.0f) *
                                           platform::Matrix::Translation(x + cellLeft * scale, y, 0.0f);
            DrawSprite(sprite, font, fontsheet::CellOf(c), {}, place, color);
        }
        pen += advance;
    }
    return TextLineWidth(text, scale);
}
