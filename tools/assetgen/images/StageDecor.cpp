// What the stage shows behind its tiles: the signs that teach a key where it is first needed,
// and the darkness of a pit.
#include <string>

#include "app/SignSheet.h"
#include "images/Lettering.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

constexpr double kSign = 80; // one sign: an 80 x 80 cell, its post standing on the cell's bottom

enum class Arrow { Left, Right, Up, Down };

// A light key cap with an outline, its top face a little lighter, like a keyboard key.
void KeyCap(cairo_t* cr, double x, double y, double w, double h)
{
    const PathFn cap = [=](cairo_t* c) { RoundedRectPath(c, x, y, w, h, 4); };
    ShadedShape(cr, cap, {Hex(0xECEFF1), Hex(0xB0BEC5), {0, -3}, 1.6});
    cairo_new_path(cr);
    RoundedRectPath(cr, x + 3, y + 2.5, w - 6, h - 8, 3);
    SetColour(cr, colours::kWhite, 0.7);
    cairo_fill(cr);
}

// A bold arrow centred on (cx, cy) inside a key cap.
void ArrowGlyph(cairo_t* cr, double cx, double cy, double size, Arrow arrow)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    const double turn = arrow == Arrow::Up      ? 0
                        : arrow == Arrow::Right ? kPi / 2
                        : arrow == Arrow::Down  ? kPi
                                                : -kPi / 2;
    cairo_rotate(cr, turn);
    const double s = size / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -s);
    cairo_line_to(cr, s * 0.85, 0);
    cairo_line_to(cr, s * 0.32, 0);
    cairo_line_to(cr, s * 0.32, s);
    cairo_line_to(cr, -s * 0.32, s);
    cairo_line_to(cr, -s * 0.32, 0);
    cairo_line_to(cr, -s * 0.85, 0);
    cairo_close_path(cr);
    SetColour(cr, colours::kOutline);
    cairo_fill(cr);
    cairo_restore(cr);
}

void ArrowKey(cairo_t* cr, double x, double y, Arrow arrow)
{
    KeyCap(cr, x, y, 24, 24);
    ArrowGlyph(cr, x + 12, y + 11, 14, arrow);
}

// The board on its post; `left` is the sign's cell. Returns nothing: the face is drawn on it.
void Board(cairo_t* cr, double left, Rgb face, Rgb faceDark)
{
    const PathFn post = [=](cairo_t* c) { RoundedRectPath(c, left + 35, 44, 10, 37, 2); };
    ShadedShape(cr, post, {colours::kWoodDark, Hex(0x5D4037), {-2, 0}, 1.5});
    const PathFn board = [=](cairo_t* c) { RoundedRectPath(c, left + 3, 4, 74, 46, 6); };
    ShadedShape(cr, board, {face, faceDark, {0, -3}, 2});
}

void WoodBoard(cairo_t* cr, double left)
{
    Board(cr, left, Hex(0xE0B07E), colours::kWood);
}

void Caption(const Canvas& canvas, double left, const std::string& text)
{
    TextStyle style;
    style.size = 9;
    style.outline = 0;
    style.fillTop = style.fillBottom = colours::kOutline;
    style.shadowAlpha = 0;
    DrawText(canvas, text, left + 40, 43, style);
}

void WalkSign(const Canvas& canvas, double left, bool bare)
{
    cairo_t* cr = canvas.Cr();
    WoodBoard(cr, left);
    if (!bare) {
        ArrowKey(cr, left + 12, 9, Arrow::Left);
        ArrowKey(cr, left + 44, 9, Arrow::Right);
    }
    Caption(canvas, left, "WALK");
}

void JumpSign(const Canvas& canvas, double left, bool bare)
{
    cairo_t* cr = canvas.Cr();
    WoodBoard(cr, left);
    if (!bare) ArrowKey(cr, left + 28, 9, Arrow::Up);
    Caption(canvas, left, "JUMP");
}

void BubbleSign(const Canvas& canvas, double left, bool bare)
{
    cairo_t* cr = canvas.Cr();
    WoodBoard(cr, left);
    if (!bare) {
        KeyCap(cr, left + 10, 9, 60, 24);
        TextStyle style;
        style.size = 11;
        style.outline = 0;
        style.fillTop = style.fillBottom = colours::kOutline;
        style.shadowAlpha = 0;
        DrawText(canvas, "SPACE", left + 40, 20, style);
    }
    Caption(canvas, left, "BUBBLE");
}

void FormSign(const Canvas& canvas, double left, bool bare)
{
    cairo_t* cr = canvas.Cr();
    WoodBoard(cr, left);
    if (!bare) ArrowKey(cr, left + 12, 9, Arrow::Down);
    // A big and a small body: the two forms.
    cairo_new_path(cr);
    EllipsePath(cr, left + 50, 21, 6, 8);
    SetColour(cr, colours::kHero);
    cairo_fill_preserve(cr);
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    EllipsePath(cr, left + 66, 25, 4, 4);
    SetColour(cr, colours::kHero);
    cairo_fill_preserve(cr);
    SetColour(cr, colours::kOutline);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, left + 66, 25, 6.5, 0, 2 * kPi);
    SetColour(cr, colours::kBubbleDeep, 0.9);
    cairo_stroke(cr);
    Caption(canvas, left, "SMALL / BIG");
}

void PlatformSign(const Canvas& canvas, double left, bool bare)
{
    cairo_t* cr = canvas.Cr();
    WoodBoard(cr, left);
    if (!bare) ArrowKey(cr, left + 8, 9, Arrow::Up);
    // "then" as a small arrow between the keys.
    cairo_new_path(cr);
    cairo_move_to(cr, left + 35, 21);
    cairo_line_to(cr, left + 43, 21);
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, left + 45, 21);
    cairo_line_to(cr, left + 40, 17);
    cairo_line_to(cr, left + 40, 25);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (!bare) ArrowKey(cr, left + 48, 9, Arrow::Down);
    Caption(canvas, left, "IN THE AIR");
}

// A warning board: yellow, a red-rimmed triangle with "!" and a drop below it.
void PitSign(const Canvas& canvas, double left, bool /*bare: no caps*/)
{
    cairo_t* cr = canvas.Cr();
    Board(cr, left, colours::kGold, colours::kGoldDark);
    const PathFn triangle = [=](cairo_t* c) {
        RoundedPolygonPath(c, {{left + 40, 8}, {left + 58, 38}, {left + 22, 38}}, 3);
    };
    ShadedShape(cr, triangle, {colours::kWhite, Hex(0xECEFF1), {0, -2}, 0});
    Outline(cr, triangle, 4, colours::kDanger);
    TextStyle style;
    style.size = 18;
    style.outline = 0;
    style.fillTop = style.fillBottom = colours::kOutline;
    style.shadowAlpha = 0;
    DrawText(canvas, "!", left + 40, 27, style);
    for (double x : {12.0, 62.0}) ArrowGlyph(cr, left + x + 3, 26, 14, Arrow::Down);
}

// The goal ahead: a gold star and an arrow.
void GoalSign(const Canvas& canvas, double left, bool /*bare: no caps*/)
{
    cairo_t* cr = canvas.Cr();
    WoodBoard(cr, left);
    const PathFn star = [=](cairo_t* c) { StarPath(c, left + 24, 22, 14, 6.5); };
    ShadedShape(cr, star, {colours::kGold, colours::kGoldDark, {-1.5, -2}, 1.5});
    ArrowGlyph(cr, left + 56, 22, 22, Arrow::Right);
    Caption(canvas, left, "GOAL");
}

} // namespace

// The seven 80 x 80 signs, sign k (SignCode) in cell k - 1: walk, jump, bubble, change of form,
// bubble platform, pit ahead, goal ahead; under them the same boards without their key caps, and
// a blank cap (app/SignSheet.h).
Canvas Signs()
{
    Canvas canvas(signsheet::kSheetWidth, signsheet::kSheetHeight);
    void (*const signs[])(const Canvas&, double, bool) = {WalkSign,     JumpSign, BubbleSign, FormSign,
                                                          PlatformSign, PitSign,  GoalSign};
    for (const bool bare : {false, true}) {
        for (int k = 0; k < signsheet::kSigns; ++k) {
            cairo_t* cr = canvas.Cr();
            cairo_save(cr);
            cairo_translate(cr, 0, bare ? kSign : 0);
            cairo_rectangle(cr, kSign * k, 0, kSign, kSign);
            cairo_clip(cr);
            signs[k](canvas, kSign * k, bare);
            cairo_restore(cr);
        }
    }
    const platform::Rect cap = signsheet::kBlankCap;
    KeyCap(canvas.Cr(), cap.left, cap.top, cap.right - cap.left, cap.bottom - cap.top);
    return canvas;
}

// Two 40 x 40 cells: the rim of a pit, where the light falls off from the ground's level into
// the dark with a ragged edge, and the darkness below it.
Canvas PitShade()
{
    Canvas canvas(80, 40);
    cairo_t* cr = canvas.Cr();
    const Rgb dark = Hex(0x0B0A14);
    cairo_pattern_t* fall = cairo_pattern_create_linear(0, 0, 0, 40);
    cairo_pattern_add_color_stop_rgba(fall, 0.0, dark.r, dark.g, dark.b, 0.55);
    cairo_pattern_add_color_stop_rgba(fall, 0.45, dark.r, dark.g, dark.b, 0.92);
    cairo_pattern_add_color_stop_rgba(fall, 1.0, dark.r, dark.g, dark.b, 1.0);
    // The ragged top edge repeats every 40 pixels, so rims of any width join.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 6);
    for (int i = 0; i < 4; ++i) {
        const double x = i * 10;
        cairo_line_to(cr, x + 3, 3);
        cairo_line_to(cr, x + 6, 8);
        cairo_line_to(cr, x + 10, 6);
    }
    cairo_line_to(cr, 40, 40);
    cairo_line_to(cr, 0, 40);
    cairo_close_path(cr);
    cairo_set_source(cr, fall);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fall);
    cairo_set_source_rgba(cr, 0.85, 0.15, 0.25, 0.55); // a faint red lip: it is a hazard
    cairo_set_line_width(cr, 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 6);
    for (int i = 0; i < 4; ++i) {
        const double x = i * 10;
        cairo_line_to(cr, x + 3, 3);
        cairo_line_to(cr, x + 6, 8);
        cairo_line_to(cr, x + 10, 6);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, 40, 0, 40, 40);
    SetColour(cr, dark);
    cairo_fill(cr);
    return canvas;
}

} // namespace pictures
