#pragma once
#include "images/Canvas.h"
#include "images/Palette.h"

// How one family of bubbles looks: translucent body, a rim a shade deeper, white glints.
struct BubbleLook {
    Rgb tint;
    Rgb rim;
    double centreAlpha = 0.08; // body opacity in the middle
    double edgeAlpha = 0.5;    // body opacity at the edge
    bool iridescent = false;   // a soap-film shimmer along the rim
    double rimWeight = 1.0;    // the rim's width against the usual
};

namespace bubbles {
inline constexpr BubbleLook kShot{Hex(0x81D4FA), Hex(0x0277BD), 0.10, 0.55, false, 1.6};
inline constexpr BubbleLook kEnemy{Hex(0xD1C4E9), Hex(0x7E57C2), 0.0, 0.3, false};
inline constexpr BubbleLook kSlime{Hex(0xC8F7E0), Hex(0x26A69A), 0.0, 0.3, false};
inline constexpr BubbleLook kStar{Hex(0xFFF3C4), Hex(0xFFA000), 0.0, 0.3, false, 1.3};
inline constexpr BubbleLook kPlain{Hex(0xB3E5FC), Hex(0x29B6F6), 0.06, 0.45, true};
inline constexpr BubbleLook kMona{Hex(0x81D4FA), Hex(0x01579B), 0.42, 0.85, false, 1.8};
} // namespace bubbles

// The two pictures of every bubble: the bubble itself and its highlight companion, which the
// game draws over it at low opacity.
enum class BubbleLayer { Body, Sheen };

// A whole bubble (an ellipse of radii rx, ry) centred on (cx, cy).
void DrawBubble(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look, BubbleLayer layer);
// Frame 0-3 of a bubble being blown: from a small drop to nearly full size.
void DrawBubbleAppearing(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look,
                         BubbleLayer layer, int frame);
// Frame 0-5 of a bubble bursting: it wobbles, the film tears and droplets fly off and fade.
void DrawBubblePopping(cairo_t* cr, double cx, double cy, double rx, double ry, const BubbleLook& look,
                       BubbleLayer layer, int frame);

// A sheet of square cells: row 0 appearing (frames 0-3, then the full bubble), row 1 floating,
// row 2 popping (frames 0-5); six columns.
Canvas BubbleSheet(int cell, double radius, const BubbleLook& look, BubbleLayer layer, int density = 1);
// One bubble of `radius` in a square picture of `size`, centred on (centre, centre).
Canvas SingleBubble(int size, double centre, double radius, const BubbleLook& look, BubbleLayer layer);
