#pragma once

// The two contact tests. Both snap the boxes' edges to whole pixels (truncation toward
// zero) and report a hit only when an edge of box B passes strictly through box A, so the
// argument order matters.
class CCollision {
public:
    bool HitBox(float ax, float ay, float aHalfW, float aHalfH, float bx, float by, float bHalfW,
                float bHalfH) const;
    // As HitBox, with the edge tests made against A moved by (offsetX, offsetY).
    bool HitBoxOffset(float ax, float ay, float aHalfW, float aHalfH, float bx, float by, float bHalfW,
                      float bHalfH, float offsetX, float offsetY) const;
};
