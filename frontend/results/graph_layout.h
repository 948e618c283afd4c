#pragma once
// Where a graph is drawn inside its target, and the mapping between data and device pixels.

#include "results/graph_geometry.h"

namespace corvex {

class TGraphPlot;

struct TPlotLayout {
  TPixelRect Target;   // the area drawn into
  TPixelRect Plot;     // data area
  TPixelRect Column;   // soil-layer column (meaningful only with ShowLayers)
  int Dx = 96;         // device pixels per inch, horizontally
  int Dy = 96;         // and vertically
  int H = 14;          // text height: target font height * SizeFont / 10
};

// Text height for a target font of `fontHeight` pixels and the graph's font size factor.
int TextHeight(int fontHeight, int sizeFont);

// Lays the graph out in `target` as the plot window (and the saved bitmap) does.
// `columnWidth` is the width reserved for the soil-layer column: one inch in the window,
// half an inch in a saved bitmap.
TPlotLayout LayoutForWindow(const TGraphPlot& graph, const TPixelRect& target, int dx, int dy,
                            int h, int columnWidth);

// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(double v);

// Data to pixels.
int MapX(const TPlotLayout& layout, const TDataRange& range, double x);
int MapY(const TPlotLayout& layout, const TDataRange& range, double y, bool xOnTop);
// Pixels to data; a pixel outside the plot rectangle maps to (0, 0).
void UnmapPoint(const TPlotLayout& layout, const TDataRange& range, bool xOnTop, int px, int py,
                double& x, double& y);

}  // namespace corvex
