#include "app/Drawing.h"

#include <cstdio>
#include <cstring>

void DrawSprite(platform::Sprite* sprite, const platform::Texture* texture, const platform::Rect& source,
                const platform::Vec3& center, const platform::Matrix& transform, platform::Color color)
{
    sprite->SetTransform(transform);
    sprite->Draw(texture, &source, &center, color);
}

platform::Rect CellRect(int column, int row, int width, int height)
{
    return {column * width, row * height, column * width + width, row * height + height};
}

void BeginBlendPass(platform::Sprite* sprite, platform::Device* device, int destBlend)
{
    sprite->Flush();
    device->SetRenderState(platform::RS_SRCBLEND, platform::BLEND_SRCALPHA);
    device->SetRenderState(platform::RS_DESTBLEND, destBlend);
}

void EndBlendPass(platform::Sprite* sprite, platform::Device* device)
{
    sprite->Flush();
    SetNormalBlend(device);
}

void SetNormalBlend(platform::Device* device)
{
    device->SetRenderState(platform::RS_SRCBLEND, platform::BLEND_SRCALPHA);
    device->SetRenderState(platform::RS_DESTBLEND, platform::BLEND_INVSRCALPHA);
}

void DrawNumberStrip(platform::Sprite* sprite, const platform::Texture* digits, int value, float x, float y,
                     platform::Color color)
{
    // "X" + sign + ten digits + terminator always fits.
    char text[16] = {};
    std::snprintf(text, sizeof(text), "X%3d", value);
    const int length = static_cast<int>(std::strlen(text));
    const int firstSlot = 4 - length; // 0 for the usual four cells, negative when wider
    const platform::Vec3 center{20.0f, 20.0f, 0.0f};
    for (int i = 0; i < length; ++i) {
        const char c = text[i];
        int cell = 1; // blanks and anything else show as "0"
        if (c == 'X') cell = 0;
        else if (c >= '0' && c <= '9') cell = 1 + (c - '0');
        const float slotX = x + 40.0f * static_cast<float>(firstSlot + i);
        DrawSprite(sprite, digits, platform::Rect{60 * cell, 0, 60 * cell + 60, 60}, center,
                   platform::Matrix::Translation(slotX, y, 0.0f), color);
    }
}
