#pragma once

namespace platform {

// An image loaded whole at its own pixel size. Made by a Device, owned by whoever loaded it.
//
// A picture meant to be drawn larger than its layout is made with `Density()` pixels for every
// pixel of its layout: rectangles and pivots given to a sprite stay in layout pixels, and the
// sprite draws the picture's denser pixels into the same place, so it stays sharp when scaled up.
class Texture {
public:
    virtual ~Texture() = default;
    virtual int Width() const = 0;  // in the picture's own pixels
    virtual int Height() const = 0;
    int Density() const { return mDensity; }
    void SetDensity(int density) { mDensity = density > 1 ? density : 1; }

private:
    int mDensity = 1;
};

} // namespace platform
