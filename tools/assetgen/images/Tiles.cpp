#include <cmath>
#include <cstddef>
#include <cstdint>

#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

constexpr double kInk = 1.5; // outlines on 40-pixel cells

void Clip(cairo_t* cr, double left)
{
    cairo_rectangle(cr, left, 0, 40, 40);
    cairo_clip(cr);
}

// Soil with pebbles that stay clear of the edges, so neighbouring cells join without a seam.
void Soil(cairo_t* cr, double left, double top, std::uint32_t seed)
{
    cairo_rectangle(cr, left, top, 40, 40 - top);
    SetColour(cr, colours::kSoil);
    cairo_fill(cr);
    Random random(seed);
    for (int i = 0; i < 5; ++i) {
        const double x = left + random.Range(6, 34), y = random.Range(top + 5, 35);
        const double r = random.Range(1.8, 3.0);
        cairo_new_path(cr);
        EllipsePath(cr, x, y, r * 1.25, r, random.Range(-0.4, 0.4));
        SetColour(cr, colours::kSoilDark);
        cairo_fill(cr);
    }
    for (int i = 0; i < 6; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, left + random.Range(3, 37), random.Range(top + 3, 37), 0.9, 0, 2 * kPi);
        SetColour(cr, Hex(0xA1887F));
        cairo_fill(cr);
    }
}

void Grass(cairo_t* cr, double left, std::uint32_t seed)
{
    Soil(cr, left, 0, seed);
    // Four scallops of grass per cell: the pattern repeats every 40 pixels.
    cairo_new_path(cr);
    cairo_move_to(cr, left, 0);
    cairo_line_to(cr, left + 40, 0);
    cairo_line_to(cr, left + 40, 9);
    for (int i = 3; i >= 0; --i) {
        const double x0 = left + i * 10 + 10, x1 = left + i * 10;
        cairo_curve_to(cr, x0 - 2, 14.5, x1 + 2, 14.5, x1, 9);
    }
    cairo_close_path(cr);
    SetColour(cr, colours::kGrass);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x2E7D32));
    cairo_set_line_width(cr, kInk);
    cairo_stroke(cr);
    cairo_rectangle(cr, left, 1.5, 40, 3);
    SetColour(cr, colours::kGrassLight);
    cairo_fill(cr);
    // A few blades of light grass.
    for (int i = 0; i < 4; ++i) {
        const double x = left + 4 + i * 10;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 8);
        cairo_line_to(cr, x + 1.5, 5);
        SetColour(cr, colours::kGrassLight);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, left, 0, 40, kInk);
    SetColour(cr, colours::kOutline);
    cairo_fill(cr);
}

void StoneBlock(cairo_t* cr, double left)
{
    const PathFn block = [=](cairo_t* c) { RoundedRectPath(c, left + 0.75, 0.75, 38.5, 38.5, 4); };
    ShadedShape(cr, block, {colours::kStone, colours::kStoneDark, {-3, -3}, kInk});
    // A lit upper edge and a crack.
    cairo_new_path(cr);
    cairo_move_to(cr, left + 5, 4.5);
    cairo_line_to(cr, left + 33, 4.5);
    SetColour(cr, colours::kStoneLight, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, left + 24, 13);
    cairo_line_to(cr, left + 28, 19);
    cairo_line_to(cr, left + 26, 25);
    SetColour(cr, colours::kStoneDark);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    EllipsePath(cr, left + 11, 28, 2.5, 1.6);
    SetColour(cr, colours::kStoneDark, 0.8);
    cairo_fill(cr);
}

// A wooden plank across the upper third; below it the cell stays empty.
void Plank(cairo_t* cr, double left)
{
    const PathFn plank = [=](cairo_t* c) { RoundedRectPath(c, left - 2, 1, 44, 12, 3); };
    ShadedShape(cr, plank, {colours::kWood, colours::kWoodDark, {0, -3}, kInk});
    for (double y : {5.0, 8.5}) {
        cairo_new_path(cr);
        cairo_move_to(cr, left + 6, y);
        cairo_curve_to(cr, left + 14, y - 1, left + 22, y + 1, left + 30, y);
        SetColour(cr, colours::kWoodDark, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    for (double x : {3.5, 36.5}) {
        cairo_new_path(cr);
        cairo_arc(cr, left + x, 7, 1.4, 0, 2 * kPi);
        SetColour(cr, colours::kOutline);
        cairo_fill(cr);
    }
    // Brackets under the ends.
    for (double x : {2.0, 38.0}) {
        const double side = x < 20 ? 1 : -1;
        const PathFn bracket = [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_move_to(c, left + x, 12);
            cairo_line_to(c, left + x + side * 7, 12);
            cairo_line_to(c, left + x, 19);
            cairo_close_path(c);
        };
        ShadedShape(cr, bracket, {colours::kWoodDark, Hex(0x5D4037), {0, -1}, kInk});
    }
}

// Spikes: a row of tall red thorns with white glints on a dark iron base, and a thin red glow
// line along the base, so they read as danger from afar and never as ground.
void Spikes(cairo_t* cr, double left)
{
    const PathFn base = [=](cairo_t* c) { cairo_rectangle(c, left - 1, 28, 42, 13); };
    ShadedShape(cr, base, {Hex(0x37474F), Hex(0x212B30), {0, -3}, kInk});
    cairo_rectangle(cr, left, 30, 40, 2);
    SetColour(cr, colours::kDanger, 0.9);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = left + i * 10;
        const PathFn spike = [=](cairo_t* c) {
            RoundedPolygonPath(c, {{x + 0.3, 29}, {x + 5, 0.5}, {x + 9.7, 29}}, 0.8);
        };
        ShadedShape(cr, spike, {Hex(0xFF3D3D), Hex(0xB71C1C), {1.8, 0}, kInk});
        cairo_new_path(cr);
        cairo_move_to(cr, x + 4.4, 6);
        cairo_line_to(cr, x + 3.2, 20);
        SetColour(cr, colours::kWhite, 0.95);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    for (double x : {8.0, 28.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, left + x, 35.5, 1.6, 0, 2 * kPi);
        SetColour(cr, Hex(0x90A4AE), 0.8);
        cairo_fill(cr);
    }
}

// The wall only enemies feel: a light picket fence, half see-through, with a violet ribbon
// (the enemies' colour) on each post. Rails run through the cell's full width and posts stand
// on both edges, so fences of any length and height join up; the hero plainly walks past it.
void EnemyWall(cairo_t* cr, double left)
{
    cairo_push_group(cr);
    for (double y : {9.0, 27.0}) {
        const PathFn rail = [=](cairo_t* c) { RoundedRectPath(c, left - 2, y, 44, 5, 2); };
        ShadedShape(cr, rail, {colours::kWood, colours::kWoodDark, {0, -1.5}, kInk});
    }
    const PathFn post = [=](cairo_t* c) {
        RoundedPolygonPath(c, {{left + 14, 40}, {left + 14, 6}, {left + 20, 0.5}, {left + 26, 6}, {left + 26, 40}},
                           1.2);
    };
    ShadedShape(cr, post, {colours::kWood, colours::kWoodDark, {-2, 0}, kInk});
    cairo_rectangle(cr, left + 14.8, 16, 10.4, 5);
    SetColour(cr, colours::kEnemyPurple);
    cairo_fill(cr);
    cairo_new_path(cr);
    SparklePath(cr, left + 20, 18.5, 2.2);
    SetColour(cr, colours::kWhite, 0.8);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.72);
}

// Multiplies every pixel's colour by `tint`, alpha kept: the same chips in another light.
// Premultiplied values only shrink, so they stay valid.
void Tint(Canvas& canvas, Rgb tint)
{
    cairo_surface_flush(canvas.Surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    const double factors[3] = {tint.b, tint.g, tint.r}; // ARGB32 in memory on little-endian: B G R A
    for (int y = 0; y < canvas.Height(); ++y) {
        auto* pixel = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < canvas.Width(); ++x) {
            std::uint32_t value = pixel[x];
            std::uint32_t out = value & 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                const double channel = static_cast<double>((value >> (8 * c)) & 0xFFu);
                out |= static_cast<std::uint32_t>(std::lround(channel * factors[c])) << (8 * c);
            }
            pixel[x] = out;
        }
    }
    cairo_surface_mark_dirty(canvas.Surface());
}

} // namespace

// Six 40 x 40 chips in a row: grass-topped soil, soil, stone, one-way plank, spikes, enemy wall.
Canvas MapChips()
{
    Canvas canvas(240, 40);
    cairo_t* cr = canvas.Cr();
    const std::function<void(double)> chips[] = {
        [cr](double left) { Grass(cr, left, 11); },
        [cr](double left) { Soil(cr, left, 0, 23); },
        [cr](double left) { StoneBlock(cr, left); },
        [cr](double left) { Plank(cr, left); },
        [cr](double left) { Spikes(cr, left); },
        [cr](double left) { EnemyWall(cr, left); },
    };
    for (int k = 0; k < 6; ++k) {
        cairo_save(cr);
        Clip(cr, 40.0 * k);
        chips[k](40.0 * k);
        cairo_restore(cr);
    }
    return canvas;
}

// The second stage's chips in the warm light of a sunset.
Canvas DuskChips()
{
    Canvas canvas = MapChips();
    Tint(canvas, {1.0, 0.86, 0.76});
    return canvas;
}

// The third stage's chips under the moon: cooler and darker, still lighter than the night
// sky behind them.
Canvas NightChips()
{
    Canvas canvas = MapChips();
    Tint(canvas, {0.72, 0.8, 1.0});
    return canvas;
}

// The title's ground: grass-topped soil (left cell, code 2) and soil (right cell, code 1).
Canvas TitleChips()
{
    Canvas canvas(80, 40);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    Clip(cr, 0);
    Grass(cr, 0, 11);
    cairo_restore(cr);
    cairo_save(cr);
    Clip(cr, 40);
    Soil(cr, 40, 0, 23);
    cairo_restore(cr);
    return canvas;
}

} // namespace pictures
