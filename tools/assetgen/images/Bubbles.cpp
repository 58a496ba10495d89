#include "images/Bubbles.h"

#include <cmath>

#include "images/Shapes.h"

namespace {

// Runs `draw` in the unit circle of the ellipse (cx, cy, rx, ry).
template <typename Draw>
void InUnitCircle(cairo_t* cr, double cx, double cy, double rx, double ry, Draw draw)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    draw();
    cairo_restore(cr);
}

void Arc(cairo_t* cr, double cx, double cy, double rx, double ry, double from, double to)
{
    InUnitCircle(cr, cx, cy, rx, ry, [&] {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, from, to);
    });
}

void StrokeArc(cairo_t* cr, double cx, double cy, double rx, double ry, double from, double to, Rgb colour,
               double alpha, double width)
{
    cairo_new_path(cr);
    Arc(cr, cx, cy, rx, ry, from, to);
    SetColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

double RimWidth(double r)
{
    return std::fmax(1.4, r * 0.06);
}

void Body(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look, double fade)
{
    InUnitCircle(cr, cx, cy, rx, ry, [&] {
        cairo_pattern_t* fill = cairo_pattern_create_radial(-0.25, -0.3, 0.0, 0, 0, 1);
        const Rgb t = look.tint;
        cairo_pattern_add_color_stop_rgba(fill, 0.0, t.r, t.g, t.b, look.centreAlpha * fade);
        cairo_pattern_add_color_stop_rgba(fill, 0.65, t.r, t.g, t.b, (look.centreAlpha + look.edgeAlpha) * 0.4 * fade);
        cairo_pattern_add_color_stop_rgba(fill, 1.0, t.r, t.g, t.b, look.edgeAlpha * fade);
        cairo_set_source(cr, fill);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(fill);
    });
    const double r = std::fmin(rx, ry);
    if (look.iridescent) {
        // Soap film colours drifting around the rim.
        const Rgb film[] = {Hex(0xF8BBD0), Hex(0xFFF59D), Hex(0xB2EBF2), Hex(0xE1BEE7)};
        for (int i = 0; i < 4; ++i) {
            const double from = kPi * (0.1 + i * 0.5), to = from + kPi * 0.42;
            StrokeArc(cr, cx, cy, rx - r * 0.1, ry - r * 0.1, from, to, film[i], 0.55 * fade, r * 0.12);
        }
    }
}

void Glints(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha)
{
    const double r = std::fmin(rx, ry);
    Gloss(cr, cx - rx * 0.42, cy - ry * 0.44, r * 0.26, r * 0.13, -kPi / 4, alpha);
    Gloss(cr, cx - rx * 0.12, cy - ry * 0.70, r * 0.07, r * 0.07, 0, alpha);
    StrokeArc(cr, cx, cy, rx * 0.76, ry * 0.76, kPi * 0.12, kPi * 0.38, colours::kWhite, 0.55 * alpha,
              std::fmax(1.2, r * 0.07));
}

void Rim(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look, double alpha)
{
    const double w = RimWidth(std::fmin(rx, ry)) * look.rimWeight;
    StrokeArc(cr, cx, cy, rx - w / 2, ry - w / 2, 0, 2 * kPi, look.rim, 0.85 * alpha, w);
    StrokeArc(cr, cx, cy, rx - w * 1.6, ry - w * 1.6, 0, 2 * kPi, colours::kWhite, 0.7 * alpha, w * 0.9);
}

// The highlight companion: a white film brightest at the rim, and a bold glint.
void Sheen(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha)
{
    InUnitCircle(cr, cx, cy, rx, ry, [&] {
        cairo_pattern_t* ring = cairo_pattern_create_radial(0, 0, 0.0, 0, 0, 1);
        cairo_pattern_add_color_stop_rgba(ring, 0.0, 1, 1, 1, 0.15 * alpha);
        cairo_pattern_add_color_stop_rgba(ring, 0.6, 1, 1, 1, 0.25 * alpha);
        cairo_pattern_add_color_stop_rgba(ring, 0.92, 1, 1, 1, 1.0 * alpha);
        cairo_pattern_add_color_stop_rgba(ring, 1.0, 1, 1, 1, 0.6 * alpha);
        cairo_set_source(cr, ring);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(ring);
    });
    const double r = std::fmin(rx, ry);
    Gloss(cr, cx - rx * 0.4, cy - ry * 0.42, r * 0.34, r * 0.2, -kPi / 4, alpha);
}

void Droplet(cairo_t* cr, double x, double y, double size, double angle, const BubbleLook& look, BubbleLayer layer,
             double alpha)
{
    cairo_new_path(cr);
    EllipsePath(cr, x, y, size * 1.3, size, angle);
    if (layer == BubbleLayer::Body) {
        SetColour(cr, look.rim, 0.8 * alpha);
        cairo_fill_preserve(cr);
        SetColour(cr, colours::kWhite, 0.9 * alpha);
        cairo_set_line_width(cr, std::fmax(0.8, size * 0.35));
        cairo_stroke(cr);
    } else {
        SetColour(cr, colours::kWhite, alpha);
        cairo_fill(cr);
    }
}

} // namespace

void DrawBubble(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look, BubbleLayer layer)
{
    if (layer == BubbleLayer::Sheen) {
        Sheen(cr, cx, cy, rx, ry, 1.0);
        return;
    }
    Body(cr, cx, cy, rx, ry, look, 1.0);
    Rim(cr, cx, cy, rx, ry, look, 1.0);
    Glints(cr, cx, cy, rx, ry, 1.0);
}

void DrawBubbleAppearing(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look,
                         BubbleLayer layer, int frame)
{
    static constexpr double kGrowth[] = {0.22, 0.46, 0.72, 0.94};
    const double s = kGrowth[frame < 0 ? 0 : (frame > 3 ? 3 : frame)];
    // The young bubble is a little taller than wide: it is still being blown.
    const double wobble = frame == 2 ? 0.05 : 0.0;
    if (layer == BubbleLayer::Sheen) {
        Sheen(cr, cx, cy, rx * s * (1 + wobble), ry * s * (1 - wobble), 1.0);
        return;
    }
    BubbleLook dense = look;
    dense.centreAlpha = look.centreAlpha + (1 - s) * 0.35;
    dense.edgeAlpha = look.edgeAlpha + (1 - s) * 0.3;
    DrawBubble(cr, cx, cy, rx * s * (1 + wobble), ry * s * (1 - wobble), dense, layer);
}

void DrawBubblePopping(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look,
                       BubbleLayer layer, int frame)
{
    const double r = std::fmin(rx, ry);
    if (frame <= 0) {
        // Stretched and shining just before it bursts.
        if (layer == BubbleLayer::Sheen) {
            Sheen(cr, cx, cy, rx * 1.07, ry * 0.93, 1.0);
        } else {
            Body(cr, cx, cy, rx * 1.07, ry * 0.93, look, 1.1);
            Rim(cr, cx, cy, rx * 1.07, ry * 0.93, look, 1.0);
            Glints(cr, cx, cy, rx * 1.07, ry * 0.93, 1.0);
        }
        return;
    }
    // The film tears into arcs that shrink; droplets fly outward, shrink and fade.
    static constexpr double kSpread[] = {1.0, 1.0, 1.04, 1.07, 1.1, 1.12};
    static constexpr double kArc[] = {0, 0.55, 0.3, 0.12, 0, 0};
    static constexpr double kFade[] = {1, 1, 0.9, 0.75, 0.55, 0.3};
    static constexpr double kDrop[] = {0, 0.08, 0.11, 0.1, 0.08, 0.06};
    const double spread = kSpread[frame], fade = kFade[frame];
    const double w = RimWidth(r);
    if (frame == 1 && layer == BubbleLayer::Body) {
        Body(cr, cx, cy, rx, ry, look, 0.45);
    }
    if (kArc[frame] > 0) {
        for (int i = 0; i < 6; ++i) {
            const double middle = i * kPi / 3 + kPi / 6;
            const double half = kArc[frame] * kPi / 6;
            const Rgb colour = layer == BubbleLayer::Body ? look.rim : colours::kWhite;
            StrokeArc(cr, cx, cy, rx * spread, ry * spread, middle - half, middle + half, colour, 0.9 * fade, w * 1.2);
            if (layer == BubbleLayer::Body) {
                StrokeArc(cr, cx, cy, rx * spread - w, ry * spread - w, middle - half, middle + half, colours::kWhite,
                          0.8 * fade, w * 0.8);
            }
        }
    }
    if (kDrop[frame] > 0) {
        for (int i = 0; i < 8; ++i) {
            const double angle = i * kPi / 4 + (i % 2 ? 0.18 : -0.12);
            const double reach = spread * (i % 2 ? 0.97 : 1.03);
            const double x = cx + std::cos(angle) * (rx * reach - r * kDrop[frame]);
            const double y = cy + std::sin(angle) * (ry * reach - r * kDrop[frame]);
            Droplet(cr, x, y, std::fmax(1.0, r * kDrop[frame]), angle, look, layer, fade);
        }
    }
    if (frame == 1 || frame == 2) {
        // Short strokes bursting outward between the torn arcs.
        for (int i = 0; i < 6; ++i) {
            const double angle = i * kPi / 3;
            const double inner = frame == 1 ? 0.72 : 0.86, outer = frame == 1 ? 0.92 : 1.02;
            cairo_new_path(cr);
            cairo_move_to(cr, cx + std::cos(angle) * rx * inner, cy + std::sin(angle) * ry * inner);
            cairo_line_to(cr, cx + std::cos(angle) * rx * outer, cy + std::sin(angle) * ry * outer);
            SetColour(cr, colours::kWhite, 0.95);
            cairo_set_line_width(cr, w * 1.1);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
    }
    if (frame == 2 || frame == 3) {
        // A little flash where the film broke.
        cairo_new_path(cr);
        SparklePath(cr, cx + rx * 0.35, cy - ry * 0.35, r * (frame == 2 ? 0.3 : 0.18));
        SetColour(cr, colours::kWhite, 0.9 * fade);
        cairo_fill(cr);
    }
}

Canvas BubbleSheet(int cell, double radius, const BubbleLook& look, BubbleLayer layer, int density)
{
    Canvas canvas(cell * 6, cell * 3, density);
    cairo_t* cr = canvas.Cr();
    const double c = cell / 2.0;
    for (int column = 0; column < 6; ++column) {
        const double x = column * cell + c;
        for (int row = 0; row < 3; ++row) {
            // Each frame stays inside its own cell.
            cairo_save(cr);
            cairo_rectangle(cr, column * cell, row * cell, cell, cell);
            cairo_clip(cr);
            const double y = row * cell + c;
            if (row == 0 && column < 4) {
                DrawBubbleAppearing(cr, x, y, radius, radius, look, layer, column);
            } else if (row == 2) {
                // The burst spreads to 1.12 of the radius and its droplets a little further:
                // in a tight cell it starts smaller, so nothing reaches the cell's edge.
                const double burst = std::fmin(radius, (c - 2.5) / 1.22);
                DrawBubblePopping(cr, x, y, burst, burst, look, layer, column);
            } else {
                // Row 0 ends with whole bubbles too: a bubble blown again while it was still
                // popping starts from the column its pop had reached.
                DrawBubble(cr, x, y, radius, radius, look, layer);
            }
            cairo_restore(cr);
        }
    }
    return canvas;
}

Canvas SingleBubble(int size, double centre, double radius, const BubbleLook& look, BubbleLayer layer)
{
    Canvas canvas(size, size);
    DrawBubble(canvas.Cr(), centre, centre, radius, radius, look, layer);
    return canvas;
}
