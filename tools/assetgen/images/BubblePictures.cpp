#include "images/Pictures.h"

#include "app/PictureDensity.h"
#include "images/Shapes.h"

namespace pictures {

Canvas ShotBubbles(BubbleLayer layer)
{
    // The status display's stock pulses to 1.1 times this size.
    return BubbleSheet(64, 26, bubbles::kShot, layer, DesignedDensity(files::kShotBubbles));
}

Canvas EnemyBubbles(BubbleLayer layer)
{
    return BubbleSheet(80, 34, bubbles::kEnemy, layer);
}

Canvas SlimeBubbles(BubbleLayer layer)
{
    return BubbleSheet(46, 19.5, bubbles::kSlime, layer);
}

// One row of 80 x 40 cells: the whole platform bubble, then six frames of its pop.
Canvas MonaBubbles(BubbleLayer layer)
{
    Canvas canvas(80 * 7, 40);
    cairo_t* cr = canvas.Cr();
    DrawBubble(cr, 40, 20, 37.5, 17.5, bubbles::kMona, layer);
    if (layer == BubbleLayer::Body) {
        // A firmer, brighter top so it reads as something to stand on.
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 40, 20);
        cairo_scale(cr, 34.5, 14.5);
        cairo_arc(cr, 0, 0, 1, kPi * 1.12, kPi * 1.88);
        cairo_restore(cr);
        SetColour(cr, colours::kWhite, 0.9);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    for (int frame = 0; frame < 6; ++frame) {
        DrawBubblePopping(cr, 80 * (frame + 1) + 40, 20, 37.5 * 0.97, 17.5 * 0.97, bubbles::kMona, layer, frame);
    }
    return canvas;
}

// The bubble around a star and around the mini hero: drawn from its top-left 40 x 40 corner.
Canvas StarBubble(BubbleLayer layer)
{
    Canvas canvas(64, 64, DesignedDensity(files::kStarBubble)); // a big star's is twice as large
    DrawBubble(canvas.Cr(), 20, 20, 19, 19, bubbles::kStar, layer);
    return canvas;
}

// The heal item's bubble in an 80 x 80 cell, and beside it (from x 80) the same bubble at
// 240 x 240: the result screen's fountains blow it up to three times the small one. A heal
// item's bubble grows to three times as it is taken, so the picture is denser still.
Canvas PlayerBubble(BubbleLayer layer)
{
    Canvas canvas(80 + 240, 240, DesignedDensity(files::kHealBubble));
    DrawBubble(canvas.Cr(), 40, 40, 38, 38, bubbles::kPlain, layer);
    DrawBubble(canvas.Cr(), 80 + 120, 120, 114, 114, bubbles::kPlain, layer);
    return canvas;
}

Canvas BigPlayerBubble(BubbleLayer layer)
{
    return SingleBubble(170, 85, 82, bubbles::kPlain, layer);
}

Canvas TitleBubble(BubbleLayer layer)
{
    return SingleBubble(256, 128, 124, bubbles::kPlain, layer);
}

} // namespace pictures
