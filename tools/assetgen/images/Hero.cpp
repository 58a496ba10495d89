#include "images/Hero.h"

#include <cmath>

#include "images/Shapes.h"

namespace {

using colours::kHero;
using colours::kHeroDark;

void Leg(cairo_t* cr, Point hip, Point ankle, double ink)
{
    cairo_new_path(cr);
    cairo_move_to(cr, hip.x, hip.y);
    cairo_line_to(cr, ankle.x, ankle.y);
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, 5.5 + 2 * ink);
    cairo_stroke_preserve(cr);
    SetColour(cr, kHeroDark);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    // The shoe, toe forward.
    const PathFn shoe = [=](cairo_t* c) { EllipsePath(c, ankle.x + 1.8, ankle.y + 0.3, 5.6, 3.6); };
    ShadedShape(cr, shoe, {colours::kShoe, Hex(0xBF360C), {-0.5, -1.2}, ink});
    Gloss(cr, ankle.x + 0.2, ankle.y - 1.2, 2.0, 1.0, 0, 0.7);
}

void Arm(cairo_t* cr, Point shoulder, double swing, double raise, double ink)
{
    // An arm hangs down from the shoulder and turns forward by `swing`, up by `raise`.
    const double angle = swing + raise * 2.4;
    const double hx = shoulder.x + std::sin(angle) * 6.0, hy = shoulder.y + std::cos(angle) * 6.0;
    const PathFn arm = [=](cairo_t* c) { EllipsePath(c, hx, hy, 3.6, 5.4, -angle); };
    ShadedShape(cr, arm, {kHero, kHeroDark, {-0.6, -1.2}, ink});
}

void HeadStar(cairo_t* cr, Point base, double tilt, double ink)
{
    const double tx = base.x - 2.5 + tilt * 6, ty = base.y - 6.5;
    cairo_new_path(cr);
    cairo_move_to(cr, base.x, base.y + 2);
    cairo_curve_to(cr, base.x, base.y - 2, tx, ty + 3, tx, ty);
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, 1.8 + ink);
    cairo_stroke_preserve(cr);
    SetColour(cr, kHeroDark);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    const PathFn star = [=](cairo_t* c) { StarPath(c, tx, ty, 6.2, 3.0, tilt * 0.6); };
    ShadedShape(cr, star, {colours::kGold, colours::kGoldDark, {-0.6, -1.0}, ink * 0.8});
    Gloss(cr, tx - 1.5, ty - 1.5, 1.6, 1.0, -0.6, 0.8);
}

} // namespace

void DrawHero(cairo_t* cr, double x, double y, const HeroPose& pose, double ink)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, pose.scale, pose.scale);
    const double w = ink / pose.scale;

    const double bodyBottom = -13.0 + pose.bob - pose.legTuck * 7.0;
    const double rx = 17.5 * pose.squashX, ry = 21.5 * pose.squashY;
    const Point hips{0, bodyBottom - 3};
    const double legReach = -(1 - pose.legTuck) * 2.0;
    const Point frontAnkle{pose.frontFootX + pose.legTuck * 1.0, legReach - 2.6 - pose.frontLift + pose.legTuck * (bodyBottom + 1)};
    const Point backAnkle{pose.backFootX - pose.legTuck * 1.0, legReach - 2.6 - pose.backLift + pose.legTuck * (bodyBottom + 1)};

    // The body leans about the hips; everything above the legs goes with it.
    const double cy = bodyBottom - ry;
    Leg(cr, {hips.x - 5, hips.y}, backAnkle, w);
    Leg(cr, {hips.x + 5, hips.y}, frontAnkle, w);

    cairo_save(cr);
    cairo_translate(cr, hips.x, hips.y);
    cairo_rotate(cr, pose.lean);
    cairo_translate(cr, -hips.x, -hips.y);

    Arm(cr, {-rx + 3.5, cy + 9}, -pose.backArm, pose.armsUp, w);
    HeadStar(cr, {-1.5, cy - ry + 1}, pose.starTilt, w);

    const PathFn body = [=](cairo_t* c) { EllipsePath(c, 0, cy, rx, ry); };
    ShadedShape(cr, body, {kHero, kHeroDark, {-2.5, -3.5}, 0});
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    EllipsePath(cr, 2.5, cy + ry * 0.55, rx * 0.6, ry * 0.42);
    SetColour(cr, colours::kHeroBelly);
    cairo_fill(cr);
    cairo_restore(cr);
    Gloss(cr, -rx * 0.45, cy - ry * 0.5, rx * 0.32, ry * 0.2, -0.7, 0.75);
    Outline(cr, body, w);

    // The face sits toward the front.
    const double eyeY = cy - ry * 0.2;
    EyeLook back{pose.eyes, 3.5, 5.0, pose.lookX, pose.lookY, w * 0.75};
    EyeLook front{pose.eyes, 4.2, 5.8, pose.lookX, pose.lookY, w * 0.75};
    DrawEye(cr, rx * 0.02, eyeY, back);
    DrawEye(cr, rx * 0.5, eyeY, front);
    if (pose.sadBrows) {
        DrawBrow(cr, rx * 0.02, eyeY - 7.5, 6, -0.45, w * 0.8);
        DrawBrow(cr, rx * 0.5, eyeY - 7.8, 6.5, 0.45, w * 0.8);
    }
    const double mouthY = cy + ry * 0.22;
    if (pose.puff > 0) {
        // The cheeks swell toward the front, the lips purse.
        const double r = 3.2 + pose.puff * 2.6;
        const PathFn cheek = [=](cairo_t* c) { EllipsePath(c, rx - 3.5 + pose.puff * 1.0, mouthY + 0.5, r, r * 0.9); };
        ShadedShape(cr, cheek, {kHero, kHeroDark, {-0.8, -1.5}, w * 0.8});
        DrawBlush(cr, rx - 3.8 + pose.puff * 1.0, mouthY + 0.5, r * 0.6, r * 0.4, colours::kCheek, 0.9);
        DrawMouth(cr, rx - 0.5 + pose.puff * 2.6, mouthY + 0.5, 2.4, Mouth::Pursed, w * 0.7);
    } else {
        DrawBlush(cr, rx * 0.82, mouthY - 1.5, 3.2, 2.0, colours::kCheek, 0.85);
        DrawBlush(cr, -rx * 0.32, mouthY - 1.5, 2.6, 1.8, colours::kCheek, 0.7);
        DrawMouth(cr, rx * 0.32, mouthY, 2.8, pose.mouth, w * 0.75);
    }
    Arm(cr, {rx - 4.5, cy + 10}, pose.frontArm, pose.armsUp, w);
    cairo_restore(cr);
    cairo_restore(cr);
}

void DrawHeroBall(cairo_t* cr, double x, double y, double radius, double roll, Eyes eyes, double ink)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, roll);
    const double s = radius / 14.0;
    // Feet tucked under, the star on top, the face to the front.
    for (int side = -1; side <= 1; side += 2) {
        const PathFn foot = [=](cairo_t* c) { EllipsePath(c, side * 5.0 * s + 2 * s, radius - 1.5 * s, 4.2 * s, 2.8 * s); };
        ShadedShape(cr, foot, {colours::kShoe, Hex(0xBF360C), {-0.4, -0.8}, ink});
    }
    const PathFn star = [=](cairo_t* c) { StarPath(c, -1.5 * s, -radius - 1.2 * s, 4.6 * s, 2.2 * s, -0.2); };
    ShadedShape(cr, star, {colours::kGold, colours::kGoldDark, {-0.5, -0.8}, ink * 0.8});
    const PathFn body = [=](cairo_t* c) { EllipsePath(c, 0, 0, radius, radius * 0.94); };
    ShadedShape(cr, body, {kHero, kHeroDark, {-2.0 * s, -2.6 * s}, 0});
    cairo_save(cr);
    cairo_new_path(cr);
    body(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    EllipsePath(cr, 2 * s, radius * 0.62, radius * 0.6, radius * 0.35);
    SetColour(cr, colours::kHeroBelly);
    cairo_fill(cr);
    cairo_restore(cr);
    Gloss(cr, -radius * 0.45, -radius * 0.5, radius * 0.3, radius * 0.18, -0.7, 0.8);
    Outline(cr, body, ink);
    EyeLook back{eyes, 2.7 * s, 3.7 * s, 1.1 * s, 0.4 * s, ink * 0.75};
    EyeLook front{eyes, 3.2 * s, 4.3 * s, 1.1 * s, 0.4 * s, ink * 0.75};
    DrawEye(cr, 0.5 * s, -2.5 * s, back);
    DrawEye(cr, 7.5 * s, -2.5 * s, front);
    DrawBlush(cr, 11.0 * s, 3.0 * s, 2.3 * s, 1.5 * s, colours::kCheek, 0.85);
    DrawMouth(cr, 5.0 * s, 4.0 * s, 2.0 * s, Mouth::Smile, ink * 0.75);
    // Little hands holding the knees.
    const PathFn hand = [=](cairo_t* c) { EllipsePath(c, 9.5 * s, 8.5 * s, 2.8 * s, 2.4 * s); };
    ShadedShape(cr, hand, {kHero, kHeroDark, {-0.4, -0.8}, ink * 0.9});
    cairo_restore(cr);
}
