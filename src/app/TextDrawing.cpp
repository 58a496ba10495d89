#include "app/TextDrawing.h"

#include "app/Drawing.h"
#include "app/FontSheet.h"

float TextLineWidth(const std::string& text, float scale)
{
    if (text.empty()) return 0.0f;
    const float advances = static_cast<float>(text.size() - 1) * fontsheet::kAdvance;
    return (advances + static_cast<float>(fontsheet::kCellWidth)) * scale;
}

float DrawTextLine(platform::Sprite* sprite, const platform::Texture* font, const std::string& text, float x, float y,
                   float scale, platform::Color color)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        const float left = x + static_cast<float>(i) * fontsheet::kAdvance * scale;
        const platform::Matrix place =
            platform::Matrix::Scaling(scale, scale, 1.0f) * platform::Matrix::Translation(left, y, 0.0f);
        DrawSprite(sprite, font, fontsheet::CellOf(text[i]), {}, place, color);
    }
    return TextLineWidth(text, scale);
}
