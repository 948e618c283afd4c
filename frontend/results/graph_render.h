#pragma once
// Draws one graph onto a canvas: the same routine paints the plot window, a printer page and
// a bitmap; only the layout, the resolution and the output flags differ.

#include "results/canvas.h"
#include "results/graph_layout.h"
#include "results/graph_scale.h"

namespace corvex {

class TGraphPlot;

struct TRenderOptions {
  // Print and bitmap output draw their own legend box (the window shows a list box instead).
  bool LegendIntoOutput = false;
  // A saved bitmap keeps the screen-size soil patterns even though it draws the legend.
  bool ScreenPatterns = false;
  // Where the on-screen legend box sits, as fractions of the window's width and height.
  double LegendLeftFraction = 0;
  double LegendTopFraction = 0;
};

struct TRenderResult {
  TAxisTicks XTicks;
  TAxisTicks YTicks;
};

TRenderResult DrawGraph(TCanvas& canvas, const TGraphPlot& graph, const TPlotLayout& layout,
                        const TDataRange& range, const TRenderOptions& options);

// Pen width of the curves: (round(dx / 300) + 1) * WidthLine.
int CurvePenWidth(int dx, int widthLine);

}  // namespace corvex
