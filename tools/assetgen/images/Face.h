#pragma once
#include <cairo.h>

#include "images/Palette.h"

// Faces shared by the hero and the enemies, drawn in the figure's own coordinates.
// Angry eyes are narrowed under the brow; Wide ones have small pupils; Sad ones hold a tear.
enum class Eyes { Open, Closed, Dizzy, Crossed, Wide, Sad, Angry };
enum class Mouth { Smile, Pursed, Round, Frown, Wavy, Grin, Fang };

struct EyeLook {
    Eyes kind = Eyes::Open;
    double rx = 4.2, ry = 5.6;   // white of the eye
    double lookX = 1.4, lookY = 0.6; // where the pupil sits, relative to the eye's centre
    double ink = 1.5;            // outline width
};

void DrawEye(cairo_t* cr, double x, double y, const EyeLook& eye, Rgb pupil = Hex(0x263238));
void DrawMouth(cairo_t* cr, double x, double y, double size, Mouth mouth, double ink);
// A stern brow over an eye, sloping down toward the nose at `slope` (radians).
void DrawBrow(cairo_t* cr, double x, double y, double length, double slope, double ink);
void DrawBlush(cairo_t* cr, double x, double y, double rx, double ry, Rgb colour, double alpha);
