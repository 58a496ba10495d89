#pragma once
#include "platform/Matrix.h"
#include "platform/Texture.h"
#include "platform/Types.h"

namespace platform {

// The one sprite object everything is drawn through.
// Draw places the source rectangle so that its `center` point lands on the transformed
// origin: image pixel (u, v) of the rectangle goes to (u - cx, v - cy, 0, 1) * transform.
// The colour multiplies the texture; a null texture draws nothing; a null rectangle means
// the whole image; the part of a rectangle outside the image draws nothing.
class Sprite {
public:
    virtual ~Sprite() = default;

    // Begin and End belong to the frame alone; Begin selects normal alpha blending.
    virtual void Begin() = 0;
    virtual void End() = 0;
    virtual void SetTransform(const Matrix& transform) = 0;
    virtual void Draw(const Texture* texture, const Rect* source, const Vec3* center, Color color) = 0;
    virtual void Flush() = 0;
};

} // namespace platform
