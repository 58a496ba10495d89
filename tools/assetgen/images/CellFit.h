#pragma once
#include <functional>

#include "images/Canvas.h"

// Draws one figure into the cell (left, top, w, h) of a sheet. The figure is drawn off the
// sheet first; if a swinging arm or a puff would reach the cell's left or right edge, it is
// moved, and if still too wide narrowed, so that a clear column stays on both sides: on screen
// a figure touching its cell's edge ends in a hard cut. `draw` gets a context in which the
// cell's top-left corner is (0, 0).
void DrawFitted(cairo_t* sheet, double left, double top, int w, int h, const std::function<void(cairo_t*)>& draw);
