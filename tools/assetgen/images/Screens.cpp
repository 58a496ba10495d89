#include <cmath>
#include <string>

#include "app/TitleGuide.h"
#include "images/Bubbles.h"
#include "images/KeyPrompt.h"
#include "images/Lettering.h"
#include "images/Pictures.h"
#include "images/Shapes.h"

namespace pictures {
namespace {

void Twinkle(cairo_t* cr, double x, double y, double r, Rgb colour, double ink = 2.0)
{
    cairo_new_path(cr);
    SparklePath(cr, x, y, r);
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    SetColour(cr, colours::kOutline);
    cairo_set_line_width(cr, ink);
    cairo_stroke(cr);
}

// A strip of 128 x 128 letter tiles: each letter floats in a bubble.
Canvas LetterStrip(const std::string& letters, const BubbleLook& look, Rgb fillBottom)
{
    const int count = static_cast<int>(letters.size());
    Canvas canvas(128 * count, 128);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < count; ++i) {
        const double cx = 128 * i + 64;
        DrawBubble(cr, cx, 64, 60, 60, look, BubbleLayer::Body);
        TextStyle style;
        style.size = 80;
        style.outline = 10;
        style.fillBottom = fillBottom;
        style.shadowOffset = 3;
        style.shadowBlur = 5;
        style.rotation = (i % 2 == 0 ? -1 : 1) * 0.07;
        DrawText(canvas, std::string(1, letters[static_cast<std::size_t>(i)]), cx, 66, style);
        // The bubble's shine passes over the letter.
        Gloss(cr, cx - 30, 36, 13, 6.5, -kPi / 4, 0.7);
    }
    return canvas;
}

} // namespace

// The title logo, 900 x 400, drawn at (200, 0): "ZEM" with the E left bare in the middle,
// where the title's big bubble floats over it (screen x 550-806, y 50-344).
Canvas Logo()
{
    Canvas canvas(900, 400);
    cairo_t* cr = canvas.Cr();
    TextStyle big;
    big.size = 280;
    big.outline = 18;
    big.fillTop = colours::kWhite;
    big.fillBottom = Hex(0xB3E5FC);
    big.gloss = true;
    big.shadowAlpha = 0.4;
    big.shadowOffset = 9;
    big.shadowBlur = 12;
    // Little bubbles rising around the letters.
    const double bubbles[][3] = {{70, 330, 16}, {105, 280, 9}, {372, 330, 12}, {395, 290, 7}, {585, 60, 14},
                                 {860, 300, 15}, {835, 345, 8}, {612, 330, 10}};
    for (const auto& b : bubbles) {
        DrawBubble(cr, b[0], b[1], b[2], b[2], bubbles::kShot, BubbleLayer::Body);
    }
    big.rotation = -0.08;
    DrawText(canvas, "Z", 228, 190, big);
    big.rotation = 0.07;
    DrawText(canvas, "M", 742, 196, big);
    TextStyle middle = big;
    middle.size = 190;
    middle.outline = 14;
    middle.rotation = 0;
    middle.fillBottom = Hex(0xFFE082);
    DrawText(canvas, "E", 478, 196, middle);
    Twinkle(cr, 118, 62, 20, colours::kGold, 3);
    Twinkle(cr, 872, 86, 15, colours::kWhite, 3);
    Twinkle(cr, 352, 50, 11, colours::kWhite, 2.5);
    return canvas;
}

// The instruction picture, 900 x 300, drawn at (200, 400) and blinking down to 40 % opacity:
// "PRESS ENTER" over the hills (screen y 455-545) and the stage's keys over the ground
// (screen y 590-670), each on a dark plate so that even the faintest blink stands out. Under it
// the plates and sparkles again without their words (app/TitleGuide.h).
Canvas PressEnter()
{
    using titleguide::kKeys;
    using titleguide::kPress;
    Canvas canvas(900, 600);
    cairo_t* cr = canvas.Cr();
    const double half = MeasureText("PRESS ENTER", kPress.size).advance / 2;
    for (const bool bare : {false, true}) {
        cairo_save(cr);
        cairo_translate(cr, 0, bare ? titleguide::kBare.top : 0);
        DrawPlate(cr, kPress.centreX - half - 78, kPress.centreY - 45, 2 * half + 156, 90, 0.6);
        if (!bare) {
            DrawKeyPrompt(canvas, {{"PRESS ", false}, {"ENTER", true}}, kPress.centreX, kPress.centreY, kPress.size,
                          kPress.widest, 11);
        }
        Twinkle(cr, kPress.centreX - half - 42, kPress.centreY, 16, colours::kGold);
        Twinkle(cr, kPress.centreX + half + 42, kPress.centreY, 16, colours::kGold);
        DrawPlate(cr, 20, kKeys.centreY - 40, 860, 80, 0.65);
        if (!bare) {
            DrawKeyPrompt(canvas,
                          {{"\u2190 \u2192", true}, {" walk   ", false}, {"\u2191", true}, {" jump   ", false},
                           {"Space", true}, {" bubble   ", false}, {"\u2193", true}, {" change form   ", false},
                           {"O", true}, {" options", false}},
                          kKeys.centreX, kKeys.centreY, kKeys.size, kKeys.widest, 7);
        }
        cairo_restore(cr);
    }
    return canvas;
}

// The result picture, 600 x 400, drawn at (340, 320): the heading, the keys, and a soft panel
// behind the turning star (screen 405-575), the score (y 610-670) and the gauge star
// (x 659-921), ending 20 pixels above the screen's bottom edge.
Canvas ResultPanel()
{
    Canvas canvas(600, 400);
    cairo_t* cr = canvas.Cr();
    const PathFn panel = [](cairo_t* c) { RoundedRectPath(c, 4, 62, 592, 314, 36); };
    cairo_new_path(cr);
    panel(cr);
    SetColour(cr, colours::kWhite, 0.32);
    cairo_fill(cr);
    Outline(cr, panel, 4, colours::kWhite);
    cairo_new_path(cr);
    RoundedRectPath(cr, 8, 66, 584, 306, 32);
    SetColour(cr, Hex(0x0288D1), 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    TextStyle style;
    style.size = 52;
    style.outline = 10;
    style.fillBottom = Hex(0xFFE082);
    DrawText(canvas, "RESULT", 118, 32, style);
    DrawPlate(cr, 250, 8, 346, 48, 0.45);
    DrawKeyPrompt(canvas, {{"G", true}, {": play again  ", false}, {"M", true}, {": title", false}}, 423, 32, 28,
                  320, 6);
    return canvas;
}

Canvas StageClearLetters()
{
    return LetterStrip("STAGECLEAR", bubbles::kPlain, Hex(0xFFF59D));
}

Canvas GameOverLetters()
{
    BubbleLook dusk = bubbles::kEnemy;
    dusk.tint = Hex(0xB39DDB);
    dusk.rim = Hex(0xE1BEE7);
    return LetterStrip("GAMEOVER", dusk, Hex(0xD1C4E9));
}

// The game-over prompt, 768 x 128, drawn at (290, 550): the three keys and what they do.
// The game-over prompt, 768 x 256: in the upper 128 rows its words alone, which the game fades
// in a cycle; in the lower rows a plate with the same words half as bright, which it draws
// unfaded beneath, so the prompt reads even when the bright words have faded out.
Canvas RetryPrompt()
{
    const auto words = [] {
        Canvas layer(768, 128);
        DrawKeyPrompt(layer, {{"G", true}, {": continue   ", false}, {"Enter", true}, {": new game   ", false},
                              {"M", true}, {": title", false}},
                      384, 64, 40, 700, 7);
        return layer;
    };
    Canvas canvas(768, 256);
    cairo_t* cr = canvas.Cr();
    const Canvas bright = words();
    cairo_set_source_surface(cr, bright.Surface(), 0, 0);
    cairo_paint(cr);
    DrawPlate(cr, 4, 128 + 24, 760, 80, 0.6);
    const Canvas dim = words();
    cairo_set_source_surface(cr, dim.Surface(), 0, 128);
    cairo_paint_with_alpha(cr, 0.6);
    return canvas;
}

// Digits, 660 x 60: eleven 60 x 60 cells, the times mark then 0-9, in gold (the game tints
// them yellow, which keeps red and green), drawn 40 pixels apart about the point (20, 20).
Canvas Digits()
{
    Canvas canvas(660, 60);
    TextStyle style;
    style.size = 44;
    style.outline = 7;
    style.fillTop = colours::kGold;
    style.fillBottom = colours::kGoldDark;
    style.shadowOffset = 2.5;
    style.shadowBlur = 3;
    style.shadowAlpha = 0.45;
    DrawText(canvas, "\u00D7", 30, 30, style);
    for (int d = 0; d <= 9; ++d) {
        DrawText(canvas, std::to_string(d), 60 * (d + 1) + 30, 30, style);
    }
    return canvas;
}

} // namespace pictures
