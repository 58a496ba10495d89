#pragma once
#include "platform/Device.h"
#include "platform/Matrix.h"
#include "platform/Sprite.h"

// Degrees to radians, the factor the game uses everywhere.
constexpr float kDegToRad = 0.017453292f;

// One sprite: set the world matrix, then draw the source rectangle about its pivot.
void DrawSprite(platform::Sprite* sprite, const platform::Texture* texture, const platform::Rect& source,
                const platform::Vec3& center, const platform::Matrix& transform, platform::Color color);

// Cell (column, row) of a sheet of w x h cells.
platform::Rect CellRect(int column, int row, int width, int height);

// The blend passes: flush, set source alpha and the pass's destination factor, draw, then
// EndBlendPass flushes and puts the normal pair back.
constexpr int kGlowPass = platform::BLEND_SRCCOLOR;
constexpr int kAdditivePass = platform::BLEND_ONE;
void BeginBlendPass(platform::Sprite* sprite, platform::Device* device, int destBlend);
void EndBlendPass(platform::Sprite* sprite, platform::Device* device);
void SetNormalBlend(platform::Device* device);

// The number strip: "X" and three digits in 60 x 60 cells of the digit sheet, 40 pixels
// apart from (x, y), pivot (20, 20). Padding blanks show as zeros; a value that needs more
// than three places shows in full, its extra cells growing to the left.
void DrawNumberStrip(platform::Sprite* sprite, const platform::Texture* digits, int value, float x, float y,
                     platform::Color color);
