#include <cmath>
#include <cstdint>

#include "app/Geometry.h"
#include "app/PictureDensity.h"
#include "images/Face.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

// Light pictures for the game's yellow tint: white, pale grey shading, dark outline.
constexpr Rgb kPale = Hex(0xFFFFFF);
constexpr Rgb kPaleShade = Hex(0xD9DEE2);
// Stars drawn with the glowing blend add the light background times their own colour, which
// nearly doubles them: half the HUD gold's green comes out as the HUD gold on the sky.
constexpr Rgb kGlowGold = Hex(0xFF7A40);
constexpr Rgb kGlowGoldShade = Hex(0xE8602C);

void ShadedStar(cairo_t* cr, double cx, double cy, double outer, Rgb base, Rgb dark, double ink, double glossAlpha)
{
    const PathFn star = [=](cairo_t* c) { StarPath(c, cx, cy, outer, outer * 0.5, 0, 5, 0.16); };
    ShadedShape(cr, star, {base, dark, {-outer * 0.07, -outer * 0.11}, ink});
    Gloss(cr, cx - outer * 0.25, cy - outer * 0.3, outer * 0.2, outer * 0.11, -0.6, glossAlpha);
}

void ShadedHeart(cairo_t* cr, double cx, double cy, double size, Rgb base, Rgb dark, double ink)
{
    const PathFn heart = [=](cairo_t* c) { HeartPath(c, cx, cy, size); };
    ShadedShape(cr, heart, {base, dark, {-size * 0.05, -size * 0.08}, ink});
    Gloss(cr, cx - size * 0.24, cy - size * 0.17, size * 0.11, size * 0.07, -0.7, 0.9);
}

void Twinkle(cairo_t* cr, double x, double y, double r, double alpha)
{
    cairo_new_path(cr);
    SparklePath(cr, x, y, r);
    SetColour(cr, colours::kWhite, alpha);
    cairo_fill_preserve(cr);
    SetColour(cr, colours::kGoldDark, 0.6 * alpha);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

} // namespace

// The score star, 40 x 40 (a big star is drawn twice as large), tinted yellow with the glowing
// blend.
Canvas ScoreStar()
{
    Canvas canvas(40, 40, DesignedDensity(files::kScoreStar));
    ShadedStar(canvas.Cr(), 20, 21, 17.5, kGlowGold, kGlowGoldShade, 1.6, 1.0);
    return canvas;
}

// The heart of a heal item, 60 x 60, drawn tinted yellow with the glowing blend: deep red with
// hardly any green, so that under the tint (which takes the blue) it stays the red of the
// status display's hearts instead of turning yellow.
Canvas HealHeart()
{
    Canvas canvas(60, 60);
    ShadedHeart(canvas.Cr(), 30, 31, 48, Hex(0xFF2440), Hex(0xC0102A), 2.0);
    return canvas;
}

// The health icon of the status display, 64 x 64 (its pulse grows it), in its own colours.
Canvas HudHeart()
{
    Canvas canvas(64, 64, DesignedDensity(files::kHpIcon));
    // A dark halo and drop shadow keep the heart's edge visible on white clouds.
    SoftShadow(canvas, [](cairo_t* c) { HeartPath(c, 32, 32, 50); }, 3.0, 0, 1.5, 3, 0.5, colours::kOutline);
    ShadedHeart(canvas.Cr(), 32, 32, 50, colours::kHeart, colours::kHeartDark, 3.0);
    return canvas;
}

// The goal star: a big friendly gold star in a soft glow, drawn in the 120 x 120 units of its
// place in the stage onto a picture kGoalStarPicture pixels a side, the size its turn needs.
Canvas GoalStar()
{
    Canvas canvas(kGoalStarPicture, kGoalStarPicture);
    cairo_t* cr = canvas.Cr();
    const double scale = static_cast<double>(kGoalStarPicture) / kGoalStarSize;
    cairo_scale(cr, scale, scale);
    cairo_pattern_t* halo = cairo_pattern_create_radial(60, 60, 20, 60, 60, 60);
    cairo_pattern_add_color_stop_rgba(halo, 0.0, 1.0, 0.92, 0.5, 0.55);
    cairo_pattern_add_color_stop_rgba(halo, 1.0, 1.0, 0.92, 0.5, 0.0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);
    ShadedStar(cr, 60, 63, 50, colours::kGold, colours::kGoldDark, 3.0, 0.9);
    const EyeLook eye{Eyes::Open, 4.5, 6.5, 0.5, 1.0, 2.0};
    DrawEye(cr, 51, 62, eye);
    DrawEye(cr, 69, 62, eye);
    DrawBlush(cr, 44, 72, 4.5, 2.8, colours::kCheek, 0.8);
    DrawBlush(cr, 76, 72, 4.5, 2.8, colours::kCheek, 0.8);
    DrawMouth(cr, 60, 74, 4.5, Mouth::Smile, 2.0);
    Twinkle(cr, 16, 20, 7, 1.0);
    Twinkle(cr, 104, 30, 5, 1.0);
    Twinkle(cr, 100, 104, 6, 1.0);
    return canvas;
}

// The gauge of the result screen: an empty star and a gold one the game fills it with.
Canvas GaugeStar()
{
    // The empty star in the left 320 x 320 cell, the filled one in the game's gold beside it.
    // Small enough that its points stay inside the result panel it stands on.
    Canvas canvas(640, 320);
    ShadedStar(canvas.Cr(), 160, 168, 138, kPale, kPaleShade, 6.0, 0.0);
    ShadedStar(canvas.Cr(), 320 + 160, 168, 138, colours::kGold, colours::kGoldDark, 6.0, 0.9);
    return canvas;
}

// A plain gold star, 120 x 120 (loaded by the result screen, not shown).
Canvas PlainStar()
{
    Canvas canvas(120, 120);
    ShadedStar(canvas.Cr(), 60, 63, 54, colours::kGold, colours::kGoldDark, 3.0, 0.9);
    return canvas;
}

// The turning star of the result screen, 150 x 150, tinted yellow with the glowing blend.
Canvas TurningStar()
{
    Canvas canvas(150, 150);
    ShadedStar(canvas.Cr(), 75, 79, 66, kGlowGold, kGlowGoldShade, 4.0, 1.0);
    return canvas;
}

// The glow laid over a trapped enemy, 128 x 128: white fading smoothly to black, no alpha.
Canvas Glow()
{
    Canvas canvas(128, 128);
    cairo_surface_flush(canvas.Surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < 128; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < 128; ++x) {
            const double r = std::hypot(x + 0.5 - 64, y + 0.5 - 64) / 63.5;
            const double t = std::fmax(0.0, 1 - r * r);
            const auto v = static_cast<std::uint32_t>(std::lround(255 * std::pow(t, 2.2)));
            row[x] = 0xFF000000u | (v << 16) | (v << 8) | v;
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
    return canvas;
}

} // namespace pictures
