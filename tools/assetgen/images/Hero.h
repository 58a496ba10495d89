#pragma once
#include <cairo.h>

#include "images/Face.h"

// One pose of the hero, a round bubble-blower facing right. Lengths are in the hero's own
// pixels at scale 1 (45 x 75 cells); angles in radians.
struct HeroPose {
    double scale = 1;          // whole figure, about the feet
    double squashX = 1, squashY = 1; // the body only, about its bottom
    double bob = 0;            // body lift (negative is up)
    double lean = 0;           // body tilt about the hips (positive leans forward)
    double frontFootX = 5, backFootX = -5;
    double frontLift = 0, backLift = 0;
    double legTuck = 0;        // 0 standing, 1 legs pulled up under the body
    double frontArm = 0.3, backArm = -0.3; // arm swing (positive swings forward)
    double armsUp = 0;         // 0 down, 1 raised
    Eyes eyes = Eyes::Open;
    double lookX = 1.4, lookY = 0.6;
    Mouth mouth = Mouth::Smile;
    double puff = 0;           // cheeks puffed toward the front, 0..1
    double starTilt = 0;       // the star on the head leans back and forth
    bool sadBrows = false;
};

// Draws the hero with its feet centred on (x, y). `ink` is the outline width in picture pixels.
void DrawHero(cairo_t* cr, double x, double y, const HeroPose& pose, double ink = 2.0);
// The mini form: the hero curled into a ball of radius `radius` centred on (x, y).
void DrawHeroBall(cairo_t* cr, double x, double y, double radius, double roll, Eyes eyes, double ink = 1.5);
