#include "images/Shapes.h"

#include <cmath>

void SetColour(cairo_t* cr, Rgb colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    const double r = std::fmin(radius, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void RoundedPolygonPath(cairo_t* cr, const std::vector<Point>& corners, double radius)
{
    const std::size_t n = corners.size();
    if (n < 3) {
        return;
    }
    auto towards = [](Point from, Point to, double distance) {
        const double dx = to.x - from.x, dy = to.y - from.y;
        const double length = std::hypot(dx, dy);
        const double t = length > 0 ? std::fmin(distance / length, 0.5) : 0;
        return Point{from.x + dx * t, from.y + dy * t};
    };
    cairo_new_sub_path(cr);
    for (std::size_t i = 0; i < n; ++i) {
        const Point prev = corners[(i + n - 1) % n];
        const Point corner = corners[i];
        const Point next = corners[(i + 1) % n];
        const Point in = towards(corner, prev, radius);
        const Point out = towards(corner, next, radius);
        if (i == 0) {
            cairo_move_to(cr, in.x, in.y);
        } else {
            cairo_line_to(cr, in.x, in.y);
        }
        // A quadratic curve through the corner as a cubic.
        cairo_curve_to(cr, in.x + (corner.x - in.x) * 2 / 3, in.y + (corner.y - in.y) * 2 / 3,
                       out.x + (corner.x - out.x) * 2 / 3, out.y + (corner.y - out.y) * 2 / 3, out.x, out.y);
    }
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double rotation, int points,
              double round)
{
    std::vector<Point> corners;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = rotation - kPi / 2 + i * kPi / points;
        const double r = i % 2 == 0 ? outer : inner;
        corners.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    RoundedPolygonPath(cr, corners, outer * round);
}

void HeartPath(cairo_t* cr, double cx, double cy, double size)
{
    auto p = [&](double x, double y) { return Point{cx + x * size, cy + y * size}; };
    const Point start = p(0, 0.42);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, start.x, start.y);
    const double curves[4][6] = {
        {-0.16, 0.30, -0.52, 0.08, -0.50, -0.15},
        {-0.48, -0.44, -0.10, -0.50, 0.0, -0.22},
        {0.10, -0.50, 0.48, -0.44, 0.50, -0.15},
        {0.52, 0.08, 0.16, 0.30, 0.0, 0.42},
    };
    for (const auto& c : curves) {
        const Point a = p(c[0], c[1]), b = p(c[2], c[3]), e = p(c[4], c[5]);
        cairo_curve_to(cr, a.x, a.y, b.x, b.y, e.x, e.y);
    }
    cairo_close_path(cr);
}

void SparklePath(cairo_t* cr, double cx, double cy, double radius, double waist)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - radius);
    const double w = radius * waist;
    cairo_curve_to(cr, cx + w * 0.3, cy - w, cx + w, cy - w * 0.3, cx + radius, cy);
    cairo_curve_to(cr, cx + w, cy + w * 0.3, cx + w * 0.3, cy + w, cx, cy + radius);
    cairo_curve_to(cr, cx - w * 0.3, cy + w, cx - w, cy + w * 0.3, cx - radius, cy);
    cairo_curve_to(cr, cx - w, cy - w * 0.3, cx - w * 0.3, cy - w, cx, cy - radius);
    cairo_close_path(cr);
}

void ShadedShape(cairo_t* cr, const PathFn& path, const Shading& shading)
{
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_clip(cr);
    SetColour(cr, shading.dark);
    cairo_paint(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, shading.band.x, shading.band.y);
    path(cr);
    cairo_restore(cr);
    SetColour(cr, shading.base);
    cairo_fill(cr);
    cairo_restore(cr);
    if (shading.outline > 0) {
        Outline(cr, path, shading.outline);
    }
}

void Outline(cairo_t* cr, const PathFn& path, double width, Rgb colour)
{
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* gradient = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 0.6, 1, 1, 1, alpha * 0.85);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, 1, 1, 1, 0);
    cairo_set_source(cr, gradient);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

namespace {

// One horizontal and one vertical running-mean pass over an alpha plane.
void BoxBlur(std::vector<float>& plane, int width, int height, int radius)
{
    std::vector<float> line;
    auto blurLine = [&](auto at, int length) {
        line.assign(static_cast<std::size_t>(length), 0.0f);
        float sum = 0;
        const float scale = 1.0f / static_cast<float>(2 * radius + 1);
        for (int i = -radius; i <= radius; ++i) {
            sum += (i >= 0 && i < length) ? at(i) : 0.0f;
        }
        for (int i = 0; i < length; ++i) {
            line[static_cast<std::size_t>(i)] = sum * scale;
            const int add = i + radius + 1, drop = i - radius;
            sum += (add < length ? at(add) : 0.0f) - (drop >= 0 ? at(drop) : 0.0f);
        }
    };
    for (int y = 0; y < height; ++y) {
        float* row = plane.data() + static_cast<std::ptrdiff_t>(y) * width;
        blurLine([row](int i) { return row[i]; }, width);
        std::copy(line.begin(), line.end(), row);
    }
    for (int x = 0; x < width; ++x) {
        float* column = plane.data() + x;
        blurLine([column, width](int i) { return column[static_cast<std::ptrdiff_t>(i) * width]; }, height);
        for (int y = 0; y < height; ++y) {
            column[static_cast<std::ptrdiff_t>(y) * width] = line[static_cast<std::size_t>(y)];
        }
    }
}

} // namespace

void SoftShadow(const Canvas& canvas, const PathFn& path, double spread, double dx, double dy, double blur,
                double alpha, Rgb colour)
{
    // The mask has the canvas's pixels; the path, the spread, the blur and the offset are in
    // layout units.
    const int width = canvas.Width(), height = canvas.Height();
    const int density = canvas.Density();
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
    cairo_t* mcr = cairo_create(mask);
    cairo_scale(mcr, density, density);
    cairo_set_line_join(mcr, CAIRO_LINE_JOIN_ROUND);
    path(mcr);
    cairo_fill_preserve(mcr);
    cairo_set_line_width(mcr, spread);
    cairo_stroke(mcr);
    cairo_destroy(mcr);
    cairo_surface_flush(mask);

    unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    std::vector<float> plane(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            plane[static_cast<std::size_t>(y) * width + x] = data[y * stride + x];
        }
    }
    const int radius = static_cast<int>(std::lround(blur * density / 2));
    for (int pass = 0; pass < 3 && radius > 0; ++pass) {
        BoxBlur(plane, width, height, radius);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float v = plane[static_cast<std::size_t>(y) * width + x];
            data[y * stride + x] = static_cast<unsigned char>(std::lround(std::fmin(255.0f, v)));
        }
    }
    cairo_surface_mark_dirty(mask);

    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    SetColour(cr, colour, alpha);
    cairo_scale(cr, 1.0 / density, 1.0 / density);
    cairo_mask_surface(cr, mask, dx * density, dy * density);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

double Random::Next()
{
    mState = mState * 1664525u + 1013904223u;
    return static_cast<double>(mState >> 8) / static_cast<double>(1u << 24);
}
