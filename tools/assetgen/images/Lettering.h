#pragma once
#include <string>

#include "images/Canvas.h"
#include "images/Palette.h"

// The game's lettering: DejaVu Sans Bold, a light fill, a dark rounded outline and a soft shadow.
struct TextStyle {
    double size = 48;
    double outline = 8;            // stroke width of the outline (half of it shows outside)
    Rgb fillTop = colours::kWhite; // the fill runs from fillTop to fillBottom down the letters
    Rgb fillBottom = colours::kWhite;
    Rgb outlineColour = colours::kOutline;
    double shadowAlpha = 0.35;
    double shadowOffset = 4;
    double shadowBlur = 6;
    bool gloss = false;   // a soft white band over the upper half of the letters
    double rotation = 0;  // radians, about the text's centre
};

// The ink box of `text` at `size` and the pen advance past it, in pixels.
struct TextMetrics {
    double width = 0, height = 0, advance = 0;
};
TextMetrics MeasureText(const std::string& text, double size);

// Draws `text` with its ink box centred on (cx, cy).
void DrawText(const Canvas& canvas, const std::string& text, double cx, double cy, const TextStyle& style);
// Draws `text` with its pen starting at (x, baseline); returns the pen advance.
double DrawTextRun(const Canvas& canvas, const std::string& text, double x, double baseline, const TextStyle& style);
