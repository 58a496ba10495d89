#include "images/CellFit.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

constexpr int kPad = 16; // room beside the cell for what sticks out before it is moved

// The first and last columns of `scratch` that hold any ink.
std::pair<int, int> InkColumns(const Canvas& scratch)
{
    cairo_surface_flush(scratch.Surface());
    const unsigned char* data = cairo_image_surface_get_data(scratch.Surface());
    const int stride = cairo_image_surface_get_stride(scratch.Surface());
    int first = scratch.Width(), last = -1;
    for (int y = 0; y < scratch.Height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < scratch.Width(); ++x) {
            if ((row[x] >> 24) > 4) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

void DrawFitted(cairo_t* sheet, double left, double top, int w, int h, const std::function<void(cairo_t*)>& draw)
{
    Canvas scratch(w + 2 * kPad, h);
    cairo_translate(scratch.Cr(), kPad, 0);
    draw(scratch.Cr());
    const auto [first, last] = InkColumns(scratch);
    if (last < first) {
        return;
    }
    // Ink may cover pixel columns kPad + 1 to kPad + w - 2.
    const double lowest = kPad + 1.5, highest = kPad + w - 2.5;
    const double squeeze = std::min(1.0, (highest - lowest) / std::max(1.0, double(last - first)));
    const double centre = (first + last) / 2.0;
    const double half = (last - first) / 2.0 * squeeze;
    const double placed = std::clamp(centre, lowest + half, highest - half);

    cairo_save(sheet);
    cairo_rectangle(sheet, left, top, w, h);
    cairo_clip(sheet);
    cairo_translate(sheet, left - kPad + placed, top);
    cairo_scale(sheet, squeeze, 1);
    cairo_set_source_surface(sheet, scratch.Surface(), -centre, 0);
    cairo_paint(sheet);
    cairo_restore(sheet);
}
