#pragma once
#include <cstdint>

namespace platform {

// Source rectangle in image pixels; right and bottom are exclusive.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// The drawing area every frame is drawn into, in pixels; a window of another size scales it.
constexpr int kDrawingWidth = 1280;
constexpr int kDrawingHeight = 720;

// 32-bit ARGB: alpha in the top byte, then red, green, blue.
using Color = uint32_t;

constexpr Color MakeArgb(uint32_t a, uint32_t r, uint32_t g, uint32_t b)
{
    return ((a & 0xFFu) << 24) | ((r & 0xFFu) << 16) | ((g & 0xFFu) << 8) | (b & 0xFFu);
}

} // namespace platform
