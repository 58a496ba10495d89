#include <cmath>

#include "images/CellFit.h"
#include "images/Face.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

using colours::kEnemyPurple;
using colours::kEnemyPurpleDark;

struct CritterPose {
    double rock = 0;  // body tilt about the feet
    double bob = 0;   // body lift (negative is up)
    double frontFootX = 7, backFootX = -7;
    double frontLift = 0, backLift = 0;
    double squashX = 1, squashY = 1;
    bool trapped = false;
};

void Horn(cairo_t* cr, double x, double y, double side, double ink)
{
    const PathFn horn = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, x - 4.5 * side, y + 2);
        cairo_curve_to(c, x - 4 * side, y - 6, x + 1 * side, y - 10, x + 5 * side, y - 13);
        cairo_curve_to(c, x + 3 * side, y - 7, x + 4 * side, y - 2, x + 4 * side, y + 2);
        cairo_close_path(c);
    };
    ShadedShape(cr, horn, {colours::kHorn, Hex(0xD7C4A8), {-0.8 * side, -1.0}, ink});
}

void Foot(cairo_t* cr, double x, double y, double ink)
{
    const PathFn foot = [=](cairo_t* c) { EllipsePath(c, x + 1.5, y, 6.5, 4.0); };
    ShadedShape(cr, foot, {kEnemyPurpleDark, Hex(0x4527A0), {-0.6, -1.2}, ink});
}

// The walking enemy: a stubby purple critter with horns and a scowl, facing right, feet
// centred on (x, y).
void DrawCritter(cairo_t* cr, double x, double y, const CritterPose& pose, double ink = 2.0)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (!pose.trapped) {
        Foot(cr, pose.backFootX, -4.2 - pose.backLift, ink);
    }
    cairo_rotate(cr, pose.rock);
    const double rx = 17.0 * pose.squashX, ry = 24.0 * pose.squashY;
    const double cy = -6.5 + pose.bob - ry;
    Horn(cr, -8.5 * pose.squashX, cy - ry + 6, -1, ink);
    Horn(cr, 8.5 * pose.squashX, cy - ry + 6, 1, ink);
    // Arms hang at the sides; a trapped critter clutches them to its belly instead.
    const PathFn backArm = [=](cairo_t* c) { EllipsePath(c, -rx + 1.5, cy + 11, 3.6, 5.2, 0.4); };
    if (!pose.trapped) {
        ShadedShape(cr, backArm, {kEnemyPurple, kEnemyPurpleDark, {-0.6, -1.2}, ink});
    }
    // A gumdrop body: wider below.
    const PathFn body = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, 0, cy - ry);
        cairo_curve_to(c, rx * 0.75, cy - ry, rx, cy - ry * 0.35, rx, cy + ry * 0.35);
        cairo_curve_to(c, rx, cy + ry * 0.85, rx * 0.6, cy + ry, 0, cy + ry);
        cairo_curve_to(c, -rx * 0.6, cy + ry, -rx, cy + ry * 0.85, -rx, cy + ry * 0.35);
        cairo_curve_to(c, -rx, cy - ry * 0.35, -rx * 0.75, cy - ry, 0, cy - ry);
        cairo_close_path(c);
    };
    ShadedShape(cr, body, {kEnemyPurple, kEnemyPurpleDark, {-2.5, -3.5}, 0});
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    EllipsePath(cr, 3, cy + ry * 0.62, rx * 0.55, ry * 0.36);
    SetColour(cr, colours::kEnemyPurpleLight);
    cairo_fill(cr);
    cairo_restore(cr);
    Gloss(cr, -rx * 0.45, cy - ry * 0.45, rx * 0.28, ry * 0.16, -0.7, 0.55);
    Outline(cr, body, ink);

    const double eyeY = cy - ry * 0.18;
    if (pose.trapped) {
        EyeLook eye{Eyes::Wide, 4.6, 5.4, 0, 0, ink * 0.75};
        DrawEye(cr, 1, eyeY, eye);
        DrawEye(cr, 11, eyeY, eye);
        DrawMouth(cr, 6, cy + ry * 0.38, 3.0, Mouth::Round, ink * 0.75);
        // A drop of sweat.
        cairo_new_path(cr);
        const double sx = -rx * 0.55, sy = cy - ry * 0.35;
        cairo_move_to(cr, sx, sy - 4);
        cairo_curve_to(cr, sx + 3, sy, sx + 2.5, sy + 3, sx, sy + 3);
        cairo_curve_to(cr, sx - 2.5, sy + 3, sx - 3, sy, sx, sy - 4);
        SetColour(cr, Hex(0xB3E5FC));
        cairo_fill_preserve(cr);
        SetColour(cr, colours::kOutline);
        cairo_set_line_width(cr, ink * 0.6);
        cairo_stroke(cr);
    } else {
        EyeLook back{Eyes::Angry, 3.8, 4.4, 1.6, 0.8, ink * 0.75};
        EyeLook front{Eyes::Angry, 4.2, 4.8, 1.6, 0.8, ink * 0.75};
        DrawEye(cr, 1.5, eyeY, back, colours::kEnemyRed);
        DrawEye(cr, 10.5, eyeY, front, colours::kEnemyRed);
        // Angry brows meeting above the nose.
        DrawBrow(cr, 1.0, eyeY - 5.5, 7.5, 0.5, ink * 1.2);
        DrawBrow(cr, 11.0, eyeY - 5.5, 7.5, -0.5, ink * 1.2);
        DrawMouth(cr, 6.0, cy + ry * 0.33, 4.4, Mouth::Fang, ink * 0.9);
    }
    if (pose.trapped) {
        for (int side = -1; side <= 1; side += 2) {
            const PathFn hand = [=](cairo_t* c) { EllipsePath(c, 4 + side * 7.0, cy + ry * 0.92, 3.4, 3.0); };
            ShadedShape(cr, hand, {kEnemyPurple, kEnemyPurpleDark, {-0.6, -1.0}, ink});
        }
    } else {
        const PathFn frontArm = [=](cairo_t* c) { EllipsePath(c, rx - 1.5, cy + 12, 3.6, 5.2, -0.4); };
        ShadedShape(cr, frontArm, {kEnemyPurple, kEnemyPurpleDark, {-0.6, -1.2}, ink});
    }
    cairo_restore(cr);
    if (!pose.trapped) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        Foot(cr, pose.frontFootX, -4.2 - pose.frontLift, ink);
        cairo_restore(cr);
    }
}

CritterPose Waddle(int frame)
{
    const double phase = frame * 2 * kPi / 8;
    const double s = std::sin(phase), c = std::cos(phase);
    CritterPose pose;
    pose.rock = 0.1 * s;
    pose.bob = -1.8 * std::fabs(c);
    pose.frontFootX = 6 + 4 * s;
    pose.backFootX = -6 - 4 * s;
    pose.frontLift = 3 * std::fmax(0.0, c);
    pose.backLift = 3 * std::fmax(0.0, -c);
    pose.squashY = 1 - 0.03 * std::fabs(s);
    return pose;
}

} // namespace

// Walking row: eight 45 x 75 frames from y 1; the trapped pose below it, from y 76.
Canvas WalkEnemySheet()
{
    Canvas canvas(45 * 8, 151);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < 8; ++f) {
        // The feet rest a pixel above the cell's last row, like the hero's.
        DrawFitted(cr, f * 45, 1, 45, 75, [f](cairo_t* c) { DrawCritter(c, 22.5, 72.5, Waddle(f)); });
    }
    CritterPose trapped;
    trapped.trapped = true;
    trapped.squashX = 1.0;
    trapped.squashY = 0.72;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 76, 45, 75);
    cairo_clip(cr);
    // Curled up around the middle of the cell, where the bubble is drawn.
    DrawCritter(cr, 22.5, 76 + 64.0, trapped);
    cairo_restore(cr);
    return canvas;
}

// The walking enemy's face (the game keeps this picture without drawing it).
Canvas EnemyFace()
{
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, 32, 62);
    cairo_scale(cr, 1.1, 1.1);
    cairo_translate(cr, -32, -62);
    DrawCritter(cr, 28, 76, CritterPose{});
    return canvas;
}

} // namespace pictures
