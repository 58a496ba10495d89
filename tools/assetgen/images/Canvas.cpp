#include "images/Canvas.h"

#include <utility>

Canvas::Canvas(int width, int height)
    : mWidth(width), mHeight(height),
      mSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      mCr(cairo_create(mSurface))
{
    cairo_set_line_join(mCr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(mCr, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas()
{
    Reset();
}

Canvas::Canvas(Canvas&& other) noexcept
    : mWidth(other.mWidth), mHeight(other.mHeight),
      mSurface(std::exchange(other.mSurface, nullptr)), mCr(std::exchange(other.mCr, nullptr))
{
}

Canvas& Canvas::operator=(Canvas&& other) noexcept
{
    if (this != &other) {
        Reset();
        mWidth = other.mWidth;
        mHeight = other.mHeight;
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
