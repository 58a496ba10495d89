#include "player/GhostHero.h"

#include "app/Drawing.h"
#include "app/Geometry.h"

namespace {

// Pale and cool, so it never passes for the hero itself.
constexpr platform::Color kGhostTint = platform::MakeArgb(110, 170, 215, 255);
constexpr uint8_t kMiniRow = 255;
constexpr int kMiniCell = 40;

} // namespace

void DrawGhostHero(platform::Sprite* sprite, const platform::Texture* bigSheet, const platform::Texture* miniSheet,
                   const GhostFrame& frame, platform::Vec2 camera)
{
    const platform::Vec2 screen{frame.x - camera.x, frame.y - camera.y};
    if (!ReachesScreen(screen, 100.0f)) return;
    const float width = frame.width;
    const float height = frame.height;
    const platform::Matrix place = platform::Matrix::Scaling(static_cast<float>(frame.facing), 1.0f, 0.0f) *
                                   platform::Matrix::Translation(screen.x, screen.y, 0.0f);
    const platform::Vec3 center{width / 2.0f, height / 2.0f, 0.0f};
    if (frame.anim == kMiniRow) {
        DrawSprite(sprite, miniSheet, CellRect(frame.cell, 0, kMiniCell, kMiniCell), center, place, kGhostTint);
        return;
    }
    // The rows of the big sheet start one pixel below each multiple of the cell height.
    const float column = frame.cell;
    const float row = frame.anim;
    const platform::Rect cell{static_cast<int32_t>(column * width), static_cast<int32_t>(row * height + 1.0f),
                              static_cast<int32_t>(column * width + width),
                              static_cast<int32_t>(row * height + height + 1.0f)};
    DrawSprite(sprite, bigSheet, cell, center, place, kGhostTint);
}
