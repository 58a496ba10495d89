#include "app/Collision.h"

#include <cmath>
#include <cstdint>

namespace {

struct Edges {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

Edges EdgesOf(float x, float y, float halfW, float halfH)
{
    return {static_cast<int32_t>(x - halfW), static_cast<int32_t>(y - halfH), static_cast<int32_t>(x + halfW),
            static_cast<int32_t>(y + halfH)};
}

bool Overlaps(const Edges& a, const Edges& s, const Edges& b)
{
    const bool horizontal = a.left < b.right && a.right > b.left;
    const bool vertical = a.top < b.bottom && a.bottom > b.top;
    if (horizontal && s.top < b.top && s.bottom > b.top) return true;
    if (horizontal && s.top < b.bottom && s.bottom > b.bottom) return true;
    if (vertical && s.left < b.left && s.right > b.left) return true;
    if (vertical && s.left < b.right && s.right > b.right) return true;
    return false;
}

} // namespace

bool CCollision::HitBox(float ax, float ay, float aHalfW, float aHalfH, float bx, float by, float bHalfW,
                        float bHalfH) const
{
    // Boxes this far apart across cannot touch: cutting an edge to whole pixels moves it by less
    // than one, and every way of touching needs the boxes to overlap across. Most of the stage's
    // items and enemies are this far from the hero.
    if (std::fabs(bx - ax) >= aHalfW + bHalfW + 2.0f) return false;
    const Edges a = EdgesOf(ax, ay, aHalfW, aHalfH);
    return Overlaps(a, a, EdgesOf(bx, by, bHalfW, bHalfH));
}

bool CCollision::HitBoxOffset(float ax, float ay, float aHalfW, float aHalfH, float bx, float by, float bHalfW,
                              float bHalfH, float offsetX, float offsetY) const
{
    const Edges a = EdgesOf(ax, ay, aHalfW, aHalfH);
    const Edges shifted{static_cast<int32_t>(static_cast<float>(a.left) + offsetX),
                        static_cast<int32_t>(static_cast<float>(a.top) + offsetY),
                        static_cast<int32_t>(static_cast<float>(a.right) + offsetX),
                        static_cast<int32_t>(static_cast<float>(a.bottom) + offsetY)};
    return Overlaps(a, shifted, EdgesOf(bx, by, bHalfW, bHalfH));
}
