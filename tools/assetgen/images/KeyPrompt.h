#pragma once
#include <string>
#include <vector>

#include "images/Canvas.h"

// A line that teaches keys: the key names in gold, what they do in white.
struct PromptRun {
    std::string text;
    bool key = false;
};

// Draws `runs` as one line centred on (cx, cy), at `size` or as much smaller as it takes to
// fit in `maxWidth`, with an outline of `outline` pixels.
void DrawKeyPrompt(const Canvas& canvas, const std::vector<PromptRun>& runs, double cx, double cy, double size,
                   double maxWidth, double outline);

// A dark, soft-edged plate behind lettering, so it reads on any background.
void DrawPlate(cairo_t* cr, double x, double y, double w, double h, double alpha);
