#pragma once
#include <cairo.h>

// A cairo image surface (premultiplied ARGB) with its drawing context, owned together. A picture
// drawn in the game larger than its layout is made denser: `density` pixels for each layout
// pixel, its context scaled to match, so that it is drawn in layout units like any other.
class Canvas {
public:
    Canvas(int width, int height, int density = 1);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return mCr; }
    cairo_surface_t* Surface() const { return mSurface; }
    int Width() const { return mWidth; } // in pixels
    int Height() const { return mHeight; }
    int Density() const { return mDensity; }
    // False when cairo could not make the surface or a drawing call failed.
    bool Ok() const;

private:
    void Reset();

    int mWidth = 0;
    int mHeight = 0;
    int mDensity = 1;
    cairo_surface_t* mSurface = nullptr;
    cairo_t* mCr = nullptr;
};
