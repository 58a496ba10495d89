#include "images/Canvas.h"

#include <utility>

Canvas::Canvas(int width, int height, int density)
    : mWidth(width * density), mHeight(height * density), mDensity(density),
      mSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, mWidth, mHeight)), mCr(cairo_create(mSurface))
{
    cairo_scale(mCr, density, density);
    cairo_set_line_join(mCr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(mCr, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas()
{
    Reset();
}

Canvas::Canvas(Canvas&& other) noexcept
    : mWidth(other.mWidth), mHeight(other.mHeight), mDensity(other.mDensity),
      mSurface(std::exchange(other.mSurface, nullptr)), mCr(std::exchange(other.mCr, nullptr))
{
}

Canvas& Canvas::operator=(Canvas&& other) noexcept
{
    if (this != &other) {
        Reset();
        mWidth = other.mWidth;
        mHeight = other.mHeight;
        mDensity = other.mDensity;
        mSurface = std::exchange(other.mSurface, nullptr);
        mCr = std::exchange(other.mCr, nullptr);
    }
    return *this;
}

void Canvas::Reset()
{
    if (mCr) {
        cairo_destroy(mCr);
    }
    if (mSurface) {
        cairo_surface_destroy(mSurface);
    }
    mCr = nullptr;
    mSurface = nullptr;
}

bool Canvas::Ok() const
{
    return mSurface && mCr && cairo_surface_status(mSurface) == CAIRO_STATUS_SUCCESS &&
           cairo_status(mCr) == CAIRO_STATUS_SUCCESS;
}
