#include "images/Face.h"

#include <cmath>

#include "images/Shapes.h"

namespace {

void StrokeDark(cairo_t* cr, double width)
{
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

} // namespace

void DrawEye(cairo_t* cr, double x, double y, const EyeLook& eye, Rgb pupil)
{
    const double w = eye.ink;
    cairo_new_path(cr);
    switch (eye.kind) {
    case Eyes::Closed:
        cairo_move_to(cr, x - eye.rx, y + eye.ry * 0.1);
        cairo_curve_to(cr, x - eye.rx * 0.4, y + eye.ry * 0.45, x + eye.rx * 0.4, y + eye.ry * 0.45, x + eye.rx,
                       y + eye.ry * 0.1);
        StrokeDark(cr, w * 1.2);
        return;
    case Eyes::Crossed: {
        const double a = eye.rx * 0.85, b = eye.ry * 0.7;
        cairo_move_to(cr, x - a, y - b);
        cairo_line_to(cr, x + a, y + b);
        cairo_move_to(cr, x + a, y - b);
        cairo_line_to(cr, x - a, y + b);
        StrokeDark(cr, w * 1.3);
        return;
    }
    case Eyes::Dizzy: {
        EllipsePath(cr, x, y, eye.rx, eye.ry);
        SetColour(cr, colours::kWhite);
        cairo_fill_preserve(cr);
        StrokeDark(cr, w);
        // A spiral winding inward.
        cairo_new_path(cr);
        const double r = std::fmin(eye.rx, eye.ry) * 0.85;
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            const double angle = t * 4 * kPi;
            const double radius = r * (1 - t * 0.9);
            const double px = x + std::cos(angle) * radius * eye.rx / std::fmin(eye.rx, eye.ry);
            const double py = y + std::sin(angle) * radius * eye.ry / std::fmin(eye.rx, eye.ry);
            if (i == 0) {
                cairo_move_to(cr, px, py);
            } else {
                cairo_line_to(cr, px, py);
            }
        }
        StrokeDark(cr, w * 0.8);
        return;
    }
    default:
        break;
    }
    // Open, wide, sad and angry eyes: a white with a pupil and a shine.
    const bool angry = eye.kind == Eyes::Angry;
    const double ry = angry ? eye.ry * 0.8 : eye.ry;
    const double lift = angry ? eye.ry * 0.15 : 0;
    EllipsePath(cr, x, y + lift, eye.rx, ry);
    SetColour(cr, colours::kWhite);
    cairo_fill_preserve(cr);
    StrokeDark(cr, w);
    const bool wide = eye.kind == Eyes::Wide;
    const double prx = wide ? eye.rx * 0.32 : eye.rx * 0.58;
    const double pry = wide ? ry * 0.3 : ry * 0.6;
    const double px = x + (wide ? eye.lookX * 0.4 : eye.lookX);
    const double py = y + lift + (wide ? eye.lookY * 0.4 : eye.lookY) - (angry ? ry * 0.12 : 0);
    cairo_new_path(cr);
    EllipsePath(cr, px, py, prx, pry);
    SetColour(cr, pupil);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, px - prx * 0.3, py - pry * 0.42, std::fmax(0.8, prx * 0.42), 0, 2 * kPi);
    SetColour(cr, colours::kWhite);
    cairo_fill(cr);
    if (eye.kind == Eyes::Sad) {
        // A tear gathering at the lower edge.
        cairo_new_path(cr);
        const double tx = x - eye.rx * 0.2, ty = y + eye.ry * 1.05;
        cairo_move_to(cr, tx, ty - eye.ry * 0.45);
        cairo_curve_to(cr, tx + eye.rx * 0.5, ty, tx + eye.rx * 0.45, ty + eye.ry * 0.45, tx, ty + eye.ry * 0.45);
        cairo_curve_to(cr, tx - eye.rx * 0.45, ty + eye.ry * 0.45, tx - eye.rx * 0.5, ty, tx, ty - eye.ry * 0.45);
        SetColour(cr, Hex(0x81D4FA));
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0x0288D1));
        cairo_set_line_width(cr, w * 0.6);
        cairo_stroke(cr);
    }
}

void DrawMouth(cairo_t* cr, double x, double y, double size, Mouth mouth, double ink)
{
    cairo_new_path(cr);
    switch (mouth) {
    case Mouth::Smile:
        cairo_arc(cr, x, y - size * 0.4, size, kPi * 0.15, kPi * 0.85);
        StrokeDark(cr, ink);
        break;
    case Mouth::Frown:
        cairo_arc(cr, x, y + size * 0.9, size, kPi * 1.2, kPi * 1.8);
        StrokeDark(cr, ink);
        break;
    case Mouth::Pursed:
        EllipsePath(cr, x, y, size * 0.45, size * 0.55);
        SetColour(cr, Hex(0x8D3B2B));
        cairo_fill_preserve(cr);
        StrokeDark(cr, ink * 0.9);
        break;
    case Mouth::Round:
        EllipsePath(cr, x, y, size * 0.75, size * 0.95);
        SetColour(cr, Hex(0x8D3B2B));
        cairo_fill_preserve(cr);
        StrokeDark(cr, ink);
        break;
    case Mouth::Wavy:
        cairo_move_to(cr, x - size, y);
        for (int i = 1; i <= 4; ++i) {
            cairo_line_to(cr, x - size + i * size / 2, y + (i % 2 ? -size * 0.35 : size * 0.35));
        }
        StrokeDark(cr, ink);
        break;
    case Mouth::Grin:
        cairo_move_to(cr, x - size, y - size * 0.2);
        cairo_curve_to(cr, x - size * 0.5, y + size * 0.9, x + size * 0.5, y + size * 0.9, x + size, y - size * 0.2);
        cairo_close_path(cr);
        SetColour(cr, Hex(0x8D3B2B));
        cairo_fill_preserve(cr);
        StrokeDark(cr, ink);
        break;
    case Mouth::Fang:
        // A stern line with one white fang.
        cairo_move_to(cr, x - size, y + size * 0.15);
        cairo_curve_to(cr, x - size * 0.3, y - size * 0.25, x + size * 0.3, y - size * 0.25, x + size, y + size * 0.15);
        StrokeDark(cr, ink);
        cairo_new_path(cr);
        cairo_move_to(cr, x + size * 0.15, y - size * 0.08);
        cairo_line_to(cr, x + size * 0.45, y + size * 0.6);
        cairo_line_to(cr, x + size * 0.7, y - size * 0.02);
        cairo_close_path(cr);
        SetColour(cr, colours::kWhite);
        cairo_fill_preserve(cr);
        SetColour(cr, colours::kOutline);
        cairo_set_line_width(cr, ink * 0.7);
        cairo_stroke(cr);
        break;
    }
}

void DrawBrow(cairo_t* cr, double x, double y, double length, double slope, double ink)
{
    const double dx = std::cos(slope) * length / 2, dy = std::sin(slope) * length / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x - dx, y - dy);
    cairo_line_to(cr, x + dx, y + dy);
    StrokeDark(cr, ink);
}

void DrawBlush(cairo_t* cr, double x, double y, double rx, double ry, Rgb colour, double alpha)
{
    cairo_new_path(cr);
    EllipsePath(cr, x, y, rx, ry);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}
