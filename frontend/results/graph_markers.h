#pragma once
// Marker shapes of the curves: ten outlines centred on a point.

#include <vector>

#include "results/graph_geometry.h"

namespace corvex {

// Shape for the curve (or legend position) with index i: (i mod 10) + 1.
int MarkerShape(int index);

// Closed outline of marker shape m (1 ... 10) around (px, py); its radius is 1/32 inch.
// 1 is a triangle pointing down, 2 a square, 3 ... 10 regular m-gons with a vertex on top.
std::vector<TPixelPoint> MarkerOutline(int shape, int px, int py, int dx, int dy);

}  // namespace corvex
