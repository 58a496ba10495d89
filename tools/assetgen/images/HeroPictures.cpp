#include <cmath>

#include "images/CellFit.h"
#include "images/Hero.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

constexpr int kCellW = 45;
constexpr int kCellH = 75;
// The feet rest just above the last pixel row of a cell, which stays empty: the defeated
// player is drawn from the hit cell one row higher, and must not show the cell above it.
constexpr double kFeet = 73.6;

HeroPose Idle(int frame)
{
    static constexpr double kBreath[] = {0.0, 1.0, 0.5};
    HeroPose pose;
    pose.squashY = 1 - 0.03 * kBreath[frame];
    pose.squashX = 1 + 0.025 * kBreath[frame];
    pose.frontArm = 0.25 + 0.1 * kBreath[frame];
    pose.backArm = -0.25 - 0.1 * kBreath[frame];
    pose.starTilt = 0.12 * kBreath[frame];
    return pose;
}

HeroPose Walk(int frame)
{
    const double phase = frame * 2 * kPi / 8;
    const double s = std::sin(phase), c = std::cos(phase);
    HeroPose pose;
    pose.frontFootX = 1.5 + 7 * s;
    pose.backFootX = -1.5 - 7 * s;
    pose.frontLift = 3.5 * std::fmax(0.0, c);
    pose.backLift = 3.5 * std::fmax(0.0, -c);
    pose.bob = -2.2 * (1 - std::fabs(s));
    pose.lean = 0.07;
    pose.frontArm = -0.8 * s;
    pose.backArm = 0.8 * s;
    pose.squashY = 1 - 0.025 * std::fabs(s);
    pose.starTilt = -0.25 * c;
    return pose;
}

HeroPose Shrink(int frame)
{
    const double t = frame / 7.0;
    HeroPose pose;
    pose.scale = 1 - 0.44 * t;
    pose.legTuck = t;
    pose.squashY = 1 - 0.12 * t;
    pose.squashX = 1 + 0.04 * t;
    pose.eyes = frame >= 2 && frame <= 5 ? Eyes::Closed : Eyes::Open;
    pose.frontArm = 0.25 + 0.6 * t;
    pose.backArm = -0.25 + 0.6 * t;
    pose.frontFootX = 5 - 1.5 * t;
    pose.backFootX = -5 + 1.5 * t;
    return pose;
}

HeroPose Hit()
{
    HeroPose pose;
    pose.eyes = Eyes::Dizzy;
    pose.mouth = Mouth::Wavy;
    pose.lean = -0.12;
    pose.armsUp = 0.7;
    pose.starTilt = -0.6;
    pose.squashX = 1.04;
    pose.squashY = 0.96;
    pose.frontFootX = 7;
    pose.backFootX = -3;
    pose.frontLift = 2;
    return pose;
}

HeroPose Shot(int frame)
{
    static constexpr double kLean[] = {-0.1, 0.12, 0.16, 0.1, 0.0, 0.0};
    static constexpr double kPuff[] = {1.0, 0.55, 0.35, 0.15, 0.0, 0.0};
    HeroPose pose;
    pose.lean = kLean[frame];
    pose.puff = kPuff[frame];
    pose.eyes = frame == 0 ? Eyes::Closed : Eyes::Open;
    pose.mouth = frame == 4 ? Mouth::Grin : Mouth::Smile;
    pose.frontArm = frame <= 3 ? 1.0 : 0.3;
    pose.backArm = frame <= 3 ? -0.9 : -0.3;
    pose.starTilt = frame == 0 ? -0.3 : 0.2;
    pose.frontFootX = 6;
    pose.backFootX = -6;
    return pose;
}

HeroPose Mona(int frame)
{
    static constexpr double kPuff[] = {0.6, 1.0, 0.4, 0.2, 0.0, 0.0};
    static constexpr double kTuck[] = {0.0, 0.2, 0.45, 0.45, 0.2, 0.0};
    HeroPose pose;
    pose.lean = frame <= 3 ? 0.14 : 0.04;
    pose.puff = kPuff[frame];
    pose.legTuck = kTuck[frame];
    pose.lookY = 2.2;
    pose.lookX = 0.6;
    pose.eyes = frame == 1 ? Eyes::Closed : Eyes::Open;
    pose.mouth = frame >= 4 ? Mouth::Grin : Mouth::Smile;
    pose.armsUp = frame >= 1 && frame <= 3 ? 0.45 : 0.0;
    pose.starTilt = 0.3;
    return pose;
}

// Little dizzy stars, puffs of breath and sparkles drawn around a pose.
void Twinkle(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha = 1.0)
{
    cairo_new_path(cr);
    SparklePath(cr, x, y, r);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void Puffs(cairo_t* cr, double x, double y, double dx, double dy, double strength)
{
    // Three short strokes of breath fanning out along (dx, dy).
    for (int i = -1; i <= 1; ++i) {
        const double ox = -dy * i * 3.5, oy = dx * i * 3.5;
        cairo_new_path(cr);
        cairo_move_to(cr, x + ox, y + oy);
        cairo_line_to(cr, x + ox + dx * strength, y + oy + dy * strength);
        SetColour(cr, colours::kWhite, 0.95);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
}

// One cell of the sheet, fitted between its sides.
void Cell(cairo_t* cr, int column, int row, const HeroPose& pose, const std::function<void(cairo_t*)>& extra = {},
          double shift = 0)
{
    DrawFitted(cr, column * kCellW, row * kCellH + 1, kCellW, kCellH - 1, [&](cairo_t* c) {
        DrawHero(c, kCellW / 2.0 + shift, kFeet, pose);
        if (extra) {
            extra(c);
        }
    });
}

} // namespace

Canvas PlayerSheet()
{
    Canvas canvas(kCellW * 8, kCellH * 6 + 1);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < 3; ++f) {
        Cell(cr, f, 0, Idle(f));
    }
    for (int f = 0; f < 8; ++f) {
        Cell(cr, f, 1, Walk(f));
    }
    for (int f = 0; f < 8; ++f) {
        Cell(cr, f, 2, Shrink(f), [&](cairo_t* c) {
            if (f == 0) {
                return;
            }
            // Sparkles gather toward the feet as the hero shrinks.
            const double t = f / 7.0;
            const double spread = 20 - 8 * t;
            for (int i = 0; i < 3; ++i) {
                const double angle = i * 2.1 + f * 0.7;
                Twinkle(c, 22.5 + std::cos(angle) * spread, 48 + 14 * t + std::sin(angle) * spread * 0.8,
                        2.5 + (i == f % 3 ? 1.5 : 0), colours::kGold);
            }
        });
    }
    Cell(cr, 0, 3, Hit(), [&](cairo_t* c) {
        Twinkle(c, 7, 9, 4, colours::kGold);
        Twinkle(c, 37, 6, 3.2, colours::kGold);
        Twinkle(c, 30, 3.5, 2.2, colours::kWhite);
    });
    for (int f = 0; f < 6; ++f) {
        Cell(cr, f, 4, Shot(f), [&](cairo_t* c) {
            if (f >= 1 && f <= 2) {
                Puffs(c, 40.5, 44.5, 1, 0, 3.5);
            }
        }, -2.5);
    }
    for (int f = 0; f < 6; ++f) {
        Cell(cr, f, 5, Mona(f), [&](cairo_t* c) {
            if (f >= 2 && f <= 3) {
                Puffs(c, 37, 53, 0.45, 0.9, 7 - 2 * (f - 2));
            }
        }, -1.5);
    }
    return canvas;
}

// The defeated hero, upside down with crossed eyes (the game spins it as it falls).
Canvas PlayerDefeated()
{
    Canvas canvas(kCellW, kCellH);
    cairo_t* cr = canvas.Cr();
    HeroPose pose;
    pose.eyes = Eyes::Crossed;
    pose.mouth = Mouth::Round;
    pose.armsUp = 0.9;
    pose.frontArm = 0.4;
    pose.backArm = 0.4;
    pose.frontFootX = 8;
    pose.backFootX = -8;
    pose.starTilt = 0.5;
    cairo_translate(cr, kCellW / 2.0, kCellH / 2.0);
    cairo_rotate(cr, kPi);
    cairo_translate(cr, -kCellW / 2.0, -kCellH / 2.0);
    // Two pixels toward the raised arms' side keeps both arms clear of the picture's edges.
    DrawHero(cr, kCellW / 2.0 - 2.0, kFeet, pose);
    return canvas;
}

// One row of eight 40 x 40 cells: the curled-up hero rocking gently, blinking once.
Canvas MiniPlayerSheet()
{
    Canvas canvas(40 * 8, 40);
    cairo_t* cr = canvas.Cr();
    for (int f = 0; f < 8; ++f) {
        const double phase = f * 2 * kPi / 8;
        cairo_save(cr);
        cairo_rectangle(cr, f * 40, 0, 40, 40);
        cairo_clip(cr);
        DrawHeroBall(cr, f * 40 + 20, 22.5 - std::fabs(std::sin(phase)) * 1.2, 13.5, std::sin(phase) * 0.14,
                     f == 5 ? Eyes::Closed : Eyes::Open);
        cairo_restore(cr);
    }
    return canvas;
}

// The game-over figure: the hero twice as large, sad, with a tear.
Canvas GameOverPlayer()
{
    Canvas canvas(90, 150);
    HeroPose pose;
    pose.scale = 2;
    pose.eyes = Eyes::Sad;
    pose.sadBrows = true;
    pose.lookX = 0.4;
    pose.lookY = 1.6;
    pose.mouth = Mouth::Frown;
    pose.lean = 0.08;
    pose.starTilt = 0.8;
    pose.frontArm = -0.1;
    pose.backArm = 0.1;
    pose.squashY = 0.97;
    DrawHero(canvas.Cr(), 45, 147, pose, 3.0);
    return canvas;
}

} // namespace pictures
