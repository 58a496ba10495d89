#include <cmath>

#include "images/Face.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

void Wing(cairo_t* cr, double x, double y, double side, double fold, double ink)
{
    // A small bat wing: three scallops along its lower edge.
    const double span = 14 - fold * 5, lift = 10 - fold * 14;
    const PathFn wing = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, x, y - 4);
        cairo_curve_to(c, x + side * span * 0.4, y - lift - 2, x + side * span * 0.8, y - lift, x + side * span, y - lift + 2);
        cairo_curve_to(c, x + side * span * 0.9, y - lift * 0.3, x + side * span * 0.75, y + 3, x + side * span * 0.62, y + 4);
        cairo_curve_to(c, x + side * span * 0.5, y + 1, x + side * span * 0.35, y + 1, x + side * span * 0.28, y + 5);
        cairo_curve_to(c, x + side * span * 0.18, y + 2, x + side * 2, y + 2, x, y + 4);
        cairo_close_path(c);
    };
    ShadedShape(cr, wing, {colours::kEnemyPurple, colours::kEnemyPurpleDark, {-0.8 * side, -1.5}, ink});
}

// The flying enemy: a round drone with one big eye and bat wings, seen from the front.
void DrawDrone(cairo_t* cr, double x, double y, bool trapped, double ink = 2.0)
{
    Wing(cr, x - 13, y - 1, -1, trapped ? 1 : 0, ink);
    Wing(cr, x + 13, y - 1, 1, trapped ? 1 : 0, ink);
    // Two stubby antennae with red tips.
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, x + side * 5, y - 13);
        cairo_line_to(cr, x + side * 8, y - 20);
        SetColour(cr, colours::kOutline);
        cairo_set_line_width(cr, 2.0 + ink);
        cairo_stroke_preserve(cr);
        SetColour(cr, colours::kDroneDark);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
        const PathFn tip = [=](cairo_t* c) { EllipsePath(c, x + side * 8.5, y - 21, 2.8, 2.8); };
        ShadedShape(cr, tip, {colours::kDanger, colours::kEnemyRedDark, {-0.4, -0.6}, ink * 0.8});
    }
    const double r = trapped ? 15.5 : 16.0;
    const PathFn body = [=](cairo_t* c) { EllipsePath(c, x, y, r, trapped ? r * 0.92 : r); };
    ShadedShape(cr, body, {colours::kDrone, colours::kDroneDark, {-2.5, -3.0}, 0});
    Gloss(cr, x - r * 0.5, y - r * 0.55, r * 0.28, r * 0.15, -0.7, 0.55);
    Outline(cr, body, ink);
    if (trapped) {
        const EyeLook eye{Eyes::Dizzy, 8.5, 8.0, 0, 0, ink * 0.8};
        DrawEye(cr, x, y + 1, eye);
        DrawMouth(cr, x, y + 11, 2.2, Mouth::Wavy, ink * 0.7);
        return;
    }
    // One big eye with a red iris, under a heavy scowling lid.
    cairo_new_path(cr);
    EllipsePath(cr, x, y + 2, 9.5, 8.5);
    SetColour(cr, colours::kWhite);
    cairo_fill_preserve(cr);
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, ink * 0.8);
    cairo_stroke(cr);
    cairo_new_path(cr);
    EllipsePath(cr, x, y + 4, 5.2, 5.2);
    SetColour(cr, colours::kEnemyRed);
    cairo_fill(cr);
    cairo_new_path(cr);
    EllipsePath(cr, x, y + 4, 2.4, 2.8);
    SetColour(cr, colours::kOutline);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x - 2, y + 2, 1.4, 0, 2 * kPi);
    SetColour(cr, colours::kWhite);
    cairo_fill(cr);
    const PathFn lid = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, x - 11, y - 7);
        cairo_line_to(c, x + 11, y - 7);
        cairo_line_to(c, x + 10.5, y - 2.5);
        cairo_line_to(c, x, y + 0.5);
        cairo_line_to(c, x - 10.5, y - 2.5);
        cairo_close_path(c);
    };
    cairo_save(cr);
    cairo_new_path(cr);
    EllipsePath(cr, x, y + 2, 10.3, 9.3);
    cairo_clip(cr);
    ShadedShape(cr, lid, {colours::kDroneDark, Hex(0x283593), {0, -1}, 0});
    cairo_restore(cr);
    DrawBrow(cr, x - 5.5, y - 2.5, 11, 0.32, ink * 1.1);
    DrawBrow(cr, x + 5.5, y - 2.5, 11, -0.32, ink * 1.1);
}

} // namespace

// Two 64 x 64 cells: in flight (top), trapped (below).
Canvas FlyEnemySheet()
{
    Canvas canvas(64, 128);
    DrawDrone(canvas.Cr(), 32, 34, false);
    DrawDrone(canvas.Cr(), 32, 64 + 33, true);
    return canvas;
}

// The layer that spins behind the drone: a ring of six curved blades with sparkles at the tips.
Canvas FlyEnemySpin()
{
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.Cr();
    const double cx = 32, cy = 32;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 22, 0, 2 * kPi);
    SetColour(cr, Hex(0x80DEEA), 0.55);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3;
        const PathFn blade = [=](cairo_t* c) {
            auto at = [&](double r, double da) { return Point{cx + r * std::cos(a + da), cy + r * std::sin(a + da)}; };
            const Point p0 = at(12, -0.35), p1 = at(26, -0.2), p2 = at(31, 0.3), p3 = at(26, 0.55), p4 = at(12, 0.25);
            cairo_new_sub_path(c);
            cairo_move_to(c, p0.x, p0.y);
            cairo_curve_to(c, p1.x, p1.y, p2.x, p2.y, p2.x, p2.y);
            cairo_curve_to(c, p3.x, p3.y, p4.x, p4.y, p4.x, p4.y);
            cairo_close_path(c);
        };
        ShadedShape(cr, blade, {Hex(0xB2EBF2), Hex(0x4DD0E1), {-0.8, -0.8}, 1.5});
        cairo_new_path(cr);
        SparklePath(cr, cx + 29 * std::cos(a + 0.55), cy + 29 * std::sin(a + 0.55), 2.6);
        SetColour(cr, colours::kWhite);
        cairo_fill(cr);
    }
    return canvas;
}

// A 16 x 16 glowing red pellet.
Canvas FlyEnemyBullet()
{
    // The whole 16-pixel cell: a red pellet with a dark ring and a hot yellow core, so it reads
    // against the sky, the hills and the soil alike.
    Canvas canvas(16, 16);
    cairo_t* cr = canvas.Cr();
    const PathFn pellet = [](cairo_t* c) { EllipsePath(c, 8, 8, 6.8, 6.8); };
    ShadedShape(cr, pellet, {colours::kDanger, colours::kEnemyRedDark, {-1, -1.3}, 1.8});
    cairo_pattern_t* core = cairo_pattern_create_radial(7.4, 7.4, 0, 7.4, 7.4, 3.6);
    cairo_pattern_add_color_stop_rgba(core, 0.0, 1.0, 0.98, 0.75, 1.0);
    cairo_pattern_add_color_stop_rgba(core, 1.0, 1.0, 0.84, 0.31, 0.0);
    cairo_set_source(cr, core);
    cairo_arc(cr, 7.4, 7.4, 3.6, 0, 2 * kPi);
    cairo_fill(cr);
    return canvas;
}

} // namespace pictures
