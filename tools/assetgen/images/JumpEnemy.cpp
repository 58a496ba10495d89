#include <cmath>

#include "images/Face.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

using colours::kEnemyRed;
using colours::kEnemyRedDark;

struct HopperPose {
    double spring = 14;          // height of the coil
    double rx = 17, ry = 17;     // the body
    double armsUp = 0;
    Eyes eyes = Eyes::Angry;
    Mouth mouth = Mouth::Fang;
    double dangle = 0;           // the coil swings back in the air
};

void Coil(cairo_t* cr, double x, double top, double bottom, double dangle, double ink)
{
    // Loops of a metal spring from the body down to the foot plate.
    const int loops = 4;
    const double height = bottom - top;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, top);
        for (int i = 0; i < loops; ++i) {
            const double y0 = top + height * i / loops, y1 = top + height * (i + 0.5) / loops;
            const double y2 = top + height * (i + 1) / loops;
            const double shift = dangle * (i + 1) / loops;
            cairo_line_to(cr, x + 8 + shift, y0 + (y1 - y0) * 0.5);
            cairo_line_to(cr, x - 8 + shift, y1 + (y2 - y1) * 0.5);
        }
        cairo_line_to(cr, x + dangle, bottom);
        if (pass == 0) {
            SetColour(cr, colours::kOutline);
            cairo_set_line_width(cr, 3.2 + 2 * ink);
        } else {
            SetColour(cr, colours::kStone);
            cairo_set_line_width(cr, 3.2);
        }
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, x - 6, top + 2);
    cairo_line_to(cr, x + 6, top + height * 0.1 + 1);
    SetColour(cr, colours::kWhite, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// The jumping enemy: a red ball on a spring, facing right, its foot plate on (x, y).
void DrawHopper(cairo_t* cr, double x, double y, const HopperPose& pose, double ink = 2.0)
{
    const double plateTop = y - 4.5;
    const double bodyBottom = plateTop - pose.spring;
    const double cy = bodyBottom - pose.ry + 3;
    Coil(cr, x, bodyBottom - 2, plateTop, pose.dangle, ink);
    const PathFn plate = [=](cairo_t* c) { RoundedRectPath(c, x - 10 + pose.dangle, plateTop, 20, 4.5, 2.2); };
    ShadedShape(cr, plate, {colours::kStoneDark, Hex(0x455A64), {-0.5, -1.0}, ink});
    // Ears that stick up like little fins.
    for (int side = -1; side <= 1; side += 2) {
        const PathFn ear = [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_move_to(c, x + side * pose.rx * 0.35, cy - pose.ry * 0.75);
            cairo_line_to(c, x + side * pose.rx * 0.75, cy - pose.ry - 8);
            cairo_line_to(c, x + side * pose.rx * 0.85, cy - pose.ry * 0.45);
            cairo_close_path(c);
        };
        ShadedShape(cr, ear, {kEnemyRedDark, Hex(0x8E1414), {-0.5, -1}, ink});
    }
    const PathFn body = [=](cairo_t* c) { EllipsePath(c, x, cy, pose.rx, pose.ry); };
    ShadedShape(cr, body, {kEnemyRed, kEnemyRedDark, {-2.5, -3.0}, 0});
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    EllipsePath(cr, x + 2, cy + pose.ry * 0.65, pose.rx * 0.55, pose.ry * 0.35);
    SetColour(cr, Hex(0xFFAB91));
    cairo_fill(cr);
    cairo_restore(cr);
    Gloss(cr, x - pose.rx * 0.45, cy - pose.ry * 0.45, pose.rx * 0.3, pose.ry * 0.17, -0.7, 0.6);
    Outline(cr, body, ink);
    const double eyeY = cy - pose.ry * 0.15;
    const EyeLook back{pose.eyes, 3.8, 4.6, 1.2, 0.8, ink * 0.75};
    const EyeLook front{pose.eyes, 4.3, 5.0, 1.2, 0.8, ink * 0.75};
    DrawEye(cr, x + 1, eyeY, back, Hex(0x263238));
    DrawEye(cr, x + 10.5, eyeY, front, Hex(0x263238));
    DrawBrow(cr, x + 0.5, eyeY - 6, 7.5, 0.55, ink * 1.2);
    DrawBrow(cr, x + 11, eyeY - 6, 7.5, -0.55, ink * 1.2);
    DrawMouth(cr, x + 6.5, cy + pose.ry * 0.45, 4.5, pose.mouth, ink * 0.9);
    for (int side = -1; side <= 1; side += 2) {
        const double angle = side * (0.5 + pose.armsUp * 1.6);
        const PathFn arm = [=](cairo_t* c) {
            EllipsePath(c, x + side * (pose.rx + 1), cy + 5 - pose.armsUp * 10, 3.4, 5.0, angle);
        };
        ShadedShape(cr, arm, {kEnemyRed, kEnemyRedDark, {-0.6, -1.2}, ink});
    }
}

} // namespace

// Three 64 x 80 frames, drawn about (32, 40): crouched, stretched, in mid-air. The enemy's box
// is 45 x 75 about the same centre, so the foot plate rests on y 77.5.
Canvas JumpEnemySheet()
{
    Canvas canvas(64 * 3, 80);
    cairo_t* cr = canvas.Cr();
    HopperPose crouched;
    crouched.spring = 5;
    crouched.rx = 19.5;
    crouched.ry = 14.5;
    crouched.eyes = Eyes::Angry;
    HopperPose stretched;
    stretched.spring = 24;
    stretched.rx = 15;
    stretched.ry = 19;
    HopperPose airborne;
    airborne.spring = 12;
    airborne.armsUp = 1;
    airborne.dangle = -4;
    airborne.mouth = Mouth::Grin;
    const HopperPose poses[] = {crouched, stretched, airborne};
    for (int f = 0; f < 3; ++f) {
        cairo_save(cr);
        cairo_rectangle(cr, f * 64, 0, 64, 80);
        cairo_clip(cr);
        DrawHopper(cr, f * 64 + 32, 77.5, poses[f]);
        cairo_restore(cr);
    }
    return canvas;
}

} // namespace pictures
