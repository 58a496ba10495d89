#include <cmath>

#include "images/CellFit.h"
#include "images/Face.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

// The game tints the slime by removing red, so it is drawn in whites and pale greys: these
// become its aqua body, deeper shade and pale highlights on screen.
constexpr Rgb kJelly = Hex(0xD6E9F2);
constexpr Rgb kJellyShade = Hex(0x9DBDD0);

struct SlimePose {
    double halfWidth = 16, height = 22;
    double lean = 0;  // the top leans toward the front
    bool trapped = false;
};

void DrawSlime(cairo_t* cr, double x, double base, const SlimePose& pose, double ink = 1.5)
{
    const double w = pose.halfWidth, h = pose.height, lean = pose.lean;
    const PathFn body = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, x - w, base - 2);
        cairo_curve_to(c, x - w, base - h * 0.7, x - w * 0.55 + lean, base - h, x + lean, base - h);
        cairo_curve_to(c, x + w * 0.55 + lean, base - h, x + w, base - h * 0.7, x + w, base - 2);
        cairo_curve_to(c, x + w, base + 0.5, x + w * 0.7, base, x, base);
        cairo_curve_to(c, x - w * 0.7, base, x - w, base + 0.5, x - w, base - 2);
        cairo_close_path(c);
    };
    ShadedShape(cr, body, {kJelly, kJellyShade, {-1.5, -2.5}, 0});
    Gloss(cr, x - w * 0.45 + lean * 0.5, base - h * 0.68, w * 0.26, h * 0.13, -0.6, 0.95);
    // A couple of bubbles inside the jelly.
    cairo_new_path(cr);
    cairo_arc(cr, x - w * 0.5, base - h * 0.28, 1.6, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x - w * 0.3, base - h * 0.15, 1.0, 0, 2 * kPi);
    SetColour(cr, colours::kWhite, 0.9);
    cairo_fill(cr);
    Outline(cr, body, ink);
    const double eyeY = base - h * 0.5;
    const double ex = x + lean * 0.4 - 1.0;
    const double gap = std::fmin(7.5, w * 0.5);
    if (pose.trapped) {
        const EyeLook eye{Eyes::Wide, 3.2, 3.8, 0, 0, ink * 0.8};
        DrawEye(cr, ex - 1, eyeY, eye);
        DrawEye(cr, ex + 7, eyeY, eye);
        DrawMouth(cr, ex + 3, eyeY + 7, 2.0, Mouth::Round, ink * 0.8);
        return;
    }
    const EyeLook eye{Eyes::Angry, 2.6, 3.4, 0.9, 0.6, ink * 0.8};
    DrawEye(cr, ex, eyeY, eye);
    DrawEye(cr, ex + gap, eyeY, eye);
    DrawBrow(cr, ex - 0.3, eyeY - 4.5, 5.5, 0.5, ink * 1.15);
    DrawBrow(cr, ex + gap + 0.3, eyeY - 4.5, 5.5, -0.5, ink * 1.15);
    DrawMouth(cr, ex + gap / 2, eyeY + std::fmin(6.0, h * 0.24), 3.2, Mouth::Fang, ink * 0.85);
}

SlimePose Resting(int frame)
{
    const double s = std::sin(frame * 2 * kPi / 6);
    return {16 + 1.3 * s, 21 - 2.0 * s, 0, false};
}

SlimePose Hopping(int frame)
{
    // Crouch, stretch up, fly, fly, reach down, land squashed; leaning toward the front.
    static constexpr SlimePose kPoses[] = {
        {18.5, 16, 0.5, false}, {12.5, 28, 3.5, false}, {14.5, 25, 2.5, false},
        {15.5, 23, 1.5, false}, {13.5, 26, 1.0, false}, {18.5, 16.5, 0.0, false},
    };
    return kPoses[frame];
}

} // namespace

// Rows of six 40 x 40 cells, each from y 40 * row + 1: resting, hopping right, hopping left
// (the game mirrors it, so it is drawn facing right like the row above), trapped.
Canvas SlimeSheet()
{
    Canvas canvas(40 * 6, 40 * 4 + 1);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < 6; ++f) {
        for (int row = 0; row < 4; ++row) {
            // The jelly rests a pixel above the cell's last row, which stays clear.
            DrawFitted(cr, f * 40, row * 40 + 1, 40, 40, [f, row](cairo_t* c) {
                if (row == 0) {
                    DrawSlime(c, 20, 38.0, Resting(f));
                } else if (row < 3) {
                    DrawSlime(c, 20, 38.0, Hopping(f));
                } else {
                    // Curled into a ball about the middle of the cell, where its bubble is drawn.
                    DrawSlime(c, 20, 33, {15, 26, 0, true});
                }
            });
        }
    }
    return canvas;
}

} // namespace pictures
