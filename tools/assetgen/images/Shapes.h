#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "images/Canvas.h"
#include "images/Palette.h"

inline constexpr double kPi = 3.14159265358979323846;

struct Point {
    double x = 0, y = 0;
};

// Builds a path on the context it is given (used for fills, clips, outlines and shadows).
using PathFn = std::function<void(cairo_t*)>;

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

// Paths: each starts a new sub-path and leaves it closed.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0.0);
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// A polygon whose corners are cut by `radius` along both edges and rounded.
void RoundedPolygonPath(cairo_t* cr, const std::vector<Point>& corners, double radius);
// A chubby star: `points` tips at `outer`, notches at `inner`, first tip straight up turned by `rotation`.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double rotation = 0.0,
              int points = 5, double round = 0.18);
// A heart about `size` wide, centred on (cx, cy).
void HeartPath(cairo_t* cr, double cx, double cy, double size);
// A four-pointed twinkle.
void SparklePath(cairo_t* cr, double cx, double cy, double radius, double waist = 0.22);

// The shading of every figure: a flat base, a darker band on the lower right side (the part
// of the shape not covered by itself moved by `band`), then the dark outline.
struct Shading {
    Rgb base;
    Rgb dark;
    Point band{-2.0, -3.0};
    double outline = 2.0;
};
void ShadedShape(cairo_t* cr, const PathFn& path, const Shading& shading);
void Outline(cairo_t* cr, const PathFn& path, double width, Rgb colour = colours::kOutline);
// A white gloss spot (soft edged) on the upper left of a shape.
void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double angle, double alpha);

// A blurred copy of the path's silhouette (filled and stroked with `spread`), moved by (dx, dy).
void SoftShadow(const Canvas& canvas, const PathFn& path, double spread, double dx, double dy, double blur,
                double alpha, Rgb colour = Hex(0x000000));

// The generator's own repeatable random numbers (fixed seed per picture).
class Random {
public:
    explicit Random(std::uint32_t seed) : mState(seed) {}
    double Next(); // 0 <= value < 1
    double Range(double low, double high) { return low + (high - low) * Next(); }

private:
    std::uint32_t mState;
};
