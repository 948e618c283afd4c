#pragma once
// Zooming a plot window in (rubber band) and out (right click), and the caption that shows the
// data coordinates under the mouse.

#include <string>

#include "results/graph_layout.h"

namespace corvex {

// Moves a pixel into the plot rectangle.
TPixelPoint ClampIntoPlot(const TPlotLayout& layout, TPixelPoint point);

// Zooms the current range to the band between two pixels inside the plot. A band without width
// or height changes nothing (returns false). No axis becomes narrower than a twentieth of the
// full range: such an axis is widened to that width around the band's middle and kept inside
// the full range.
bool ZoomToBand(TDataRange& current, const TDataRange& full, const TPlotLayout& layout,
                bool xOnTop, TPixelPoint anchor, TPixelPoint corner);

// Doubles the visible range around the clicked data point, never beyond the full range.
void ZoomOut(TDataRange& current, const TDataRange& full, double clickX, double clickY);

// "<caption> X: <x> Y: <y>" with both values to 5 significant digits.
std::string PositionCaption(const std::string& caption, double x, double y);

}  // namespace corvex
