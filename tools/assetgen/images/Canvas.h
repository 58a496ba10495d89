#pragma once
#include <cairo.h>

// A cairo image surface (premultiplied ARGB) with its drawing context, owned together.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return mCr; }
    cairo_surface_t* Surface() const { return mSurface; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    // False when cairo could not make the surface or a drawing call failed.
    bool Ok() const;

private:
    void Reset();

    int mWidth = 0;
    int mHeight = 0;
    cairo_surface_t* mSurface = nullptr;
    cairo_t* mCr = nullptr;
};
