#include <cmath>

#include "images/Bubbles.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

constexpr double kPuffs[][3] = {
    {-0.62, 0.02, 0.30}, {-0.28, -0.22, 0.40}, {0.12, -0.30, 0.46}, {0.48, -0.08, 0.34}, {0.72, 0.06, 0.24},
};

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
// The game lays the backgrounds side by side 1279 pixels apart, so everything repeats with
// that period: curves are sums of whole waves over it, and props are drawn once more on the
// far side when they cross an edge.
constexpr double kPeriod = 1279;

struct Wave {
    double amplitude, waves, phase;
};

double Ridge(double x, double base, const std::vector<Wave>& waves)
{
    double y = base;
    for (const Wave& w : waves) {
        y += w.amplitude * std::sin(2 * kPi * w.waves * x / kPeriod + w.phase);
    }
    return y;
}

void RidgePath(cairo_t* cr, double base, const std::vector<Wave>& waves, double offset = 0)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 0, kHeight + 2);
    for (int x = 0; x <= kWidth; x += 2) {
        cairo_line_to(cr, x, Ridge(x, base, waves) + offset);
    }
    cairo_line_to(cr, kWidth, kHeight + 2);
    cairo_close_path(cr);
}

// Draws `prop` at x, and again one period away when it would cross either edge.
void Wrapped(double x, double halfWidth, const std::function<void(double)>& prop)
{
    prop(x);
    if (x - halfWidth < 0) {
        prop(x + kPeriod);
    }
    if (x + halfWidth > kPeriod) {
        prop(x - kPeriod);
    }
}

void Gradient(cairo_t* cr, const std::vector<std::pair<double, Rgb>>& stops)
{
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHeight);
    for (const auto& [at, colour] : stops) {
        cairo_pattern_add_color_stop_rgb(sky, at, colour.r, colour.g, colour.b);
    }
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
}

// A soft cloud: puffs on a flat base, a blue-grey shade underneath, no outline. `variant`
// varies the puffs from cloud to cloud.
void Cloud(cairo_t* cr, double x, double y, double size, double alpha, std::uint32_t variant,
           Rgb body = colours::kWhite, Rgb shade = Hex(0xB3DDF5))
{
    Random random(variant);
    double puffs[5][3];
    for (int i = 0; i < 5; ++i) {
        puffs[i][0] = kPuffs[i][0] + random.Range(-0.06, 0.06);
        puffs[i][1] = kPuffs[i][1] + random.Range(-0.08, 0.06);
        puffs[i][2] = kPuffs[i][2] * random.Range(0.8, 1.15);
    }
    const auto outline = [&](double dy) {
        cairo_new_path(cr);
        for (const auto& p : puffs) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + p[0] * size, y + p[1] * size + dy, p[2] * size, 0, 2 * kPi);
        }
        RoundedRectPath(cr, x - 0.8 * size, y - 0.05 * size + dy, 1.6 * size, 0.3 * size, 0.15 * size);
    };
    outline(0.06 * size);
    SetColour(cr, shade, alpha);
    cairo_fill(cr);
    outline(0);
    SetColour(cr, body, alpha);
    cairo_fill(cr);
    Gloss(cr, x - 0.1 * size, y - 0.38 * size, 0.3 * size, 0.08 * size, 0, 0.5 * alpha);
}

void Twinkle(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha)
{
    cairo_new_path(cr);
    SparklePath(cr, x, y, r);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void FarBubbles(cairo_t* cr, Random& random, int count, double top, double bottom, double alpha)
{
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, kPeriod), y = random.Range(top, bottom), r = random.Range(7, 26);
        Wrapped(x, r + 2, [&](double at) {
            cairo_push_group(cr);
            DrawBubble(cr, at, y, r, r, bubbles::kPlain, BubbleLayer::Body);
            cairo_pop_group_to_source(cr);
            cairo_paint_with_alpha(cr, alpha);
        });
    }
}

void Sparkles(cairo_t* cr, Random& random, int count, double top, double bottom, Rgb colour, double alpha)
{
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, kPeriod), y = random.Range(top, bottom), r = random.Range(3, 8);
        Wrapped(x, r, [&](double at) { Twinkle(cr, at, y, r, colour, alpha * random.Range(0.6, 1.0)); });
    }
}

// Rounded trees along a ridge, drawn as simple blobs of a darker green.
void Bushes(cairo_t* cr, Random& random, double base, const std::vector<Wave>& waves, Rgb colour, int count)
{
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, kPeriod), r = random.Range(14, 26);
        Wrapped(x, r * 1.6, [&](double at) {
            const double y = Ridge(at, base, waves) + r * 0.55;
            cairo_new_path(cr);
            cairo_arc(cr, at - r * 0.6, y, r * 0.75, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, at, y - r * 0.35, r, 0, 2 * kPi);
            cairo_new_sub_path(cr);
            cairo_arc(cr, at + r * 0.65, y, r * 0.7, 0, 2 * kPi);
            SetColour(cr, colour);
            cairo_fill(cr);
            Gloss(cr, at - r * 0.3, y - r * 0.8, r * 0.35, r * 0.18, -0.3, 0.25);
        });
    }
}

void Flowers(cairo_t* cr, Random& random, double base, const std::vector<Wave>& waves, int count)
{
    const Rgb petals[] = {colours::kWhite, Hex(0xFFF59D), Hex(0xF8BBD0)};
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, kPeriod);
        const double depth = random.Range(18, 150);
        const Rgb colour = petals[i % 3];
        Wrapped(x, 6, [&](double at) {
            const double y = Ridge(at, base, waves) + depth;
            for (int p = 0; p < 5; ++p) {
                const double a = p * 2 * kPi / 5;
                cairo_new_path(cr);
                cairo_arc(cr, at + std::cos(a) * 3, y + std::sin(a) * 3, 2.4, 0, 2 * kPi);
                SetColour(cr, colour, 0.9);
                cairo_fill(cr);
            }
            cairo_new_path(cr);
            cairo_arc(cr, at, y, 1.8, 0, 2 * kPi);
            SetColour(cr, colours::kGold);
            cairo_fill(cr);
        });
    }
}

// The colours of a stage's look other than the day's: sky, hills and their trimmings.
struct SkyLook {
    std::vector<std::pair<double, Rgb>> upperSky, lowerSky;
    Rgb cloud, cloudShade;
    double cloudAlpha;
    Rgb farHills, farBushes, farRim, nearHills, nearBushes, nearLower, nearRim;
    Rgb sparkle, twinkle;
    bool stars;     // a night sky: dots of stars instead of bubbles high up
    Rgb light;      // the sun or the moon
    double lightX, lightY, lightR;
    std::uint32_t seed;
};

void Stars(cairo_t* cr, Random& random, int count, double top, double bottom)
{
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, kPeriod), y = random.Range(top, bottom), r = random.Range(0.8, 2.0);
        const double alpha = random.Range(0.45, 0.95);
        Wrapped(x, r, [&](double at) {
            cairo_new_path(cr);
            cairo_arc(cr, at, y, r, 0, 2 * kPi);
            SetColour(cr, colours::kWhite, alpha);
            cairo_fill(cr);
        });
    }
}

// A round light low in the sky with a soft halo: the setting sun or the moon.
void SkyLight(cairo_t* cr, const SkyLook& look)
{
    cairo_pattern_t* halo = cairo_pattern_create_radial(look.lightX, look.lightY, look.lightR * 0.8,
                                                        look.lightX, look.lightY, look.lightR * 4);
    cairo_pattern_add_color_stop_rgba(halo, 0.0, look.light.r, look.light.g, look.light.b, 0.45);
    cairo_pattern_add_color_stop_rgba(halo, 1.0, look.light.r, look.light.g, look.light.b, 0.0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);
    cairo_new_path(cr);
    cairo_arc(cr, look.lightX, look.lightY, look.lightR, 0, 2 * kPi);
    SetColour(cr, look.light);
    cairo_fill(cr);
    Gloss(cr, look.lightX - look.lightR * 0.3, look.lightY - look.lightR * 0.35, look.lightR * 0.4,
          look.lightR * 0.2, -0.4, 0.35);
}

Canvas UpperSkyOf(const SkyLook& look)
{
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.Cr();
    Gradient(cr, look.upperSky);
    Random random(look.seed);
    if (look.stars) {
        Stars(cr, random, 160, 10, 640);
    }
    Sparkles(cr, random, 30, 20, 560, look.sparkle, 0.7);
    Sparkles(cr, random, 12, 20, 450, look.twinkle, 0.8);
    FarBubbles(cr, random, 10, 60, 600, look.stars ? 0.3 : 0.45);
    const double clouds[][3] = {{210, 170, 140}, {640, 90, 100}, {930, 300, 170}, {400, 470, 150}};
    std::uint32_t variant = look.seed;
    for (const auto& c : clouds) {
        Wrapped(c[0], c[2] * 1.1,
                [&](double x) { Cloud(cr, x, c[1], c[2], look.cloudAlpha, variant, look.cloud, look.cloudShade); });
        ++variant;
    }
    return canvas;
}

Canvas LowerSkyOf(const SkyLook& look)
{
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.Cr();
    Gradient(cr, look.lowerSky);
    Random random(look.seed + 1);
    if (look.stars) {
        Stars(cr, random, 60, 10, 360);
    }
    SkyLight(cr, look);
    Sparkles(cr, random, 14, 20, 330, look.sparkle, 0.7);
    const double clouds[][3] = {{160, 120, 110}, {560, 210, 150}, {1010, 150, 120}};
    std::uint32_t variant = look.seed + 7;
    for (const auto& c : clouds) {
        Wrapped(c[0], c[2] * 1.1,
                [&](double x) { Cloud(cr, x, c[1], c[2], look.cloudAlpha, variant, look.cloud, look.cloudShade); });
        ++variant;
    }
    FarBubbles(cr, random, 8, 40, 380, look.stars ? 0.3 : 0.45);

    const std::vector<Wave> far = {{30, 2, 1.3}, {12, 5, 0.6}, {6, 11, 2.4}};
    RidgePath(cr, 440, far, 0);
    SetColour(cr, look.farHills);
    cairo_fill(cr);
    Bushes(cr, random, 440, far, look.farBushes, 9);
    cairo_new_path(cr);
    for (int x = 0; x <= kWidth; x += 2) {
        cairo_line_to(cr, x, Ridge(x, 440, far) + 2);
    }
    cairo_set_line_width(cr, 3);
    SetColour(cr, look.farRim, 0.8);
    cairo_stroke(cr);

    const std::vector<Wave> near = {{24, 3, 0.5}, {11, 7, 2.0}, {5, 13, 1.1}};
    Bushes(cr, random, 560, near, look.nearBushes, 8);
    RidgePath(cr, 560, near, 0);
    SetColour(cr, look.nearHills);
    cairo_fill(cr);
    RidgePath(cr, 560, near, 60);
    SetColour(cr, look.nearLower);
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int x = 0; x <= kWidth; x += 2) {
        cairo_line_to(cr, x, Ridge(x, 560, near) + 2.5);
    }
    cairo_set_line_width(cr, 3);
    SetColour(cr, look.nearRim, 0.9);
    cairo_stroke(cr);
    Sparkles(cr, random, 24, 580, 700, look.twinkle, 0.75);
    return canvas;
}

// Sunset: an orange and rose sky, the sun on the far hills, warm clouds, olive hills. The
// hills stay green and light enough that the purple enemies and the orange hero stand out.
const SkyLook& DuskLook()
{
    static const SkyLook look{
        .upperSky = {{0.0, Hex(0x4B3A8C)}, {0.5, Hex(0x9A5FA6)}, {1.0, Hex(0xF0919A)}},
        .lowerSky = {{0.0, Hex(0xF0919A)}, {0.45, Hex(0xFBB28A)}, {0.75, Hex(0xFFD59A)}, {1.0, Hex(0xFFE3B0)}},
        .cloud = Hex(0xFFE6D8), .cloudShade = Hex(0xE7A0B4), .cloudAlpha = 0.85,
        .farHills = Hex(0xC99A8C), .farBushes = Hex(0xB58679), .farRim = Hex(0xF3CDB6),
        .nearHills = Hex(0x7FA05A), .nearBushes = Hex(0x6A8C4A), .nearLower = Hex(0x759752), .nearRim = Hex(0xC7D98E),
        .sparkle = Hex(0xFFF3C4), .twinkle = Hex(0xFFE082), .stars = false,
        .light = Hex(0xFFE9A8), .lightX = 900, .lightY = 400, .lightR = 70, .seed = 5150,
    };
    return look;
}

// Night: a deep blue sky full of stars, a pale moon, blue-green hills with fireflies. It stays
// a friendly blue rather than black, so outlines and the purple enemies still read.
const SkyLook& NightLook()
{
    static const SkyLook look{
        .upperSky = {{0.0, Hex(0x111A45)}, {0.55, Hex(0x1F2D66)}, {1.0, Hex(0x2C3F80)}},
        .lowerSky = {{0.0, Hex(0x2C3F80)}, {0.6, Hex(0x40599A)}, {1.0, Hex(0x5670AA)}},
        .cloud = Hex(0x8E9CC8), .cloudShade = Hex(0x5B6A9E), .cloudAlpha = 0.55,
        .farHills = Hex(0x35577E), .farBushes = Hex(0x2D4C70), .farRim = Hex(0x7FA3C9),
        .nearHills = Hex(0x2E6B6A), .nearBushes = Hex(0x275C5C), .nearLower = Hex(0x2A6463), .nearRim = Hex(0x6FB3A8),
        .sparkle = Hex(0xE3ECFF), .twinkle = Hex(0xFFF59D), .stars = true,
        .light = Hex(0xF4F1DA), .lightX = 320, .lightY = 260, .lightR = 46, .seed = 9091,
    };
    return look;
}

} // namespace

// The upper background row (also the result screen's backdrop): high sky, clouds, twinkles.
// Its last rows match the top of the lower row, which they overlap.
Canvas UpperSky()
{
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.Cr();
    Gradient(cr, {{0.0, Hex(0x3A9BE6)}, {0.55, Hex(0x55B5F5)}, {1.0, colours::kSkyTop}});
    Random random(2024);
    Sparkles(cr, random, 40, 20, 560, colours::kWhite, 0.75);
    Sparkles(cr, random, 14, 20, 450, Hex(0xFFF59D), 0.8);
    FarBubbles(cr, random, 12, 60, 600, 0.55);
    const double clouds[][3] = {{150, 150, 150}, {560, 80, 100}, {850, 260, 180}, {330, 450, 160}, {1060, 520, 130}};
    std::uint32_t variant = 1;
    for (const auto& c : clouds) {
        Wrapped(c[0], c[2] * 1.1, [&](double x) { Cloud(cr, x, c[1], c[2], 0.92, variant); });
        ++variant;
    }
    return canvas;
}

// The lower background row (also the title backdrop): sky down to the horizon, two rows of
// hills with bushes and flowers, clouds, floating bubbles.
Canvas LowerSky()
{
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.Cr();
    Gradient(cr, {{0.0, colours::kSkyTop}, {0.62, colours::kHorizon}, {1.0, colours::kHorizon}});
    Random random(77);
    Sparkles(cr, random, 18, 20, 330, colours::kWhite, 0.7);
    const double clouds[][3] = {{120, 110, 120}, {470, 200, 160}, {790, 80, 100}, {1080, 230, 140}};
    std::uint32_t variant = 11;
    for (const auto& c : clouds) {
        Wrapped(c[0], c[2] * 1.1, [&](double x) { Cloud(cr, x, c[1], c[2], 0.95, variant); });
        ++variant;
    }
    FarBubbles(cr, random, 10, 40, 380, 0.6);

    const std::vector<Wave> far = {{26, 2, 0.4}, {14, 5, 1.9}, {6, 11, 0.3}};
    RidgePath(cr, 440, far, 0);
    SetColour(cr, colours::kFarHills);
    cairo_fill(cr);
    Bushes(cr, random, 440, far, Hex(0x8CCF95), 9);
    RidgePath(cr, 440, far, 3);
    cairo_set_line_width(cr, 3);
    SetColour(cr, Hex(0xC5EBC9), 0.8);
    cairo_new_path(cr);
    for (int x = 0; x <= kWidth; x += 2) {
        cairo_line_to(cr, x, Ridge(x, 440, far) + 2);
    }
    cairo_stroke(cr);

    const std::vector<Wave> near = {{22, 3, 2.2}, {12, 7, 0.8}, {5, 13, 2.9}};
    Bushes(cr, random, 560, near, Hex(0x4FA955), 8);
    RidgePath(cr, 560, near, 0);
    SetColour(cr, colours::kNearHills);
    cairo_fill(cr);
    RidgePath(cr, 560, near, 60);
    SetColour(cr, Hex(0x52AE58));
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int x = 0; x <= kWidth; x += 2) {
        cairo_line_to(cr, x, Ridge(x, 560, near) + 2.5);
    }
    cairo_set_line_width(cr, 3);
    SetColour(cr, Hex(0x8ED694), 0.9);
    cairo_stroke(cr);
    Flowers(cr, random, 560, near, 40);
    return canvas;
}

// The game-over backdrop: a dusk sky, the last light behind dark hills, the first stars.
Canvas DuskSky()
{
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.Cr();
    Gradient(cr, {{0.0, Hex(0x1E1838)}, {0.42, Hex(0x4A3270)}, {0.7, Hex(0xB2607F)}, {0.86, Hex(0xF09A7E)},
                  {1.0, Hex(0xF7B98C)}});
    Random random(4711);
    for (int i = 0; i < 70; ++i) {
        const double x = random.Range(0, kWidth), y = random.Range(0, 380), r = random.Range(0.8, 2.2);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetColour(cr, colours::kWhite, random.Range(0.4, 0.9));
        cairo_fill(cr);
    }
    for (int i = 0; i < 9; ++i) {
        Twinkle(cr, random.Range(40, 1240), random.Range(20, 330), random.Range(4, 9), Hex(0xFFF3C4), 0.85);
    }
    // The sun just set: a glow on the horizon.
    cairo_pattern_t* glow = cairo_pattern_create_radial(640, 640, 10, 640, 640, 420);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, 1.0, 0.85, 0.6, 0.75);
    cairo_pattern_add_color_stop_rgba(glow, 1.0, 1.0, 0.85, 0.6, 0.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    FarBubbles(cr, random, 8, 380, 560, 0.25);
    const std::vector<Wave> far = {{24, 2, 1.0}, {12, 5, 0.2}, {5, 12, 2.0}};
    RidgePath(cr, 560, far);
    SetColour(cr, Hex(0x5E3F78));
    cairo_fill(cr);
    const std::vector<Wave> near = {{20, 3, 0.3}, {10, 8, 1.6}, {4, 15, 0.9}};
    Bushes(cr, random, 640, near, Hex(0x352553), 7);
    RidgePath(cr, 640, near);
    SetColour(cr, Hex(0x3B2A5C));
    cairo_fill(cr);
    return canvas;
}

// The other stages' looks: the same two rows at sunset and at night.
Canvas DuskUpperSky() { return UpperSkyOf(DuskLook()); }
Canvas DuskLowerSky() { return LowerSkyOf(DuskLook()); }
Canvas NightUpperSky() { return UpperSkyOf(NightLook()); }
Canvas NightLowerSky() { return LowerSkyOf(NightLook()); }

} // namespace pictures
