#pragma once
// Where a graph goes on a printer page: the target inside the page margins and the print
// layout of the plot and soil-layer column.

#include "results/graph_layout.h"

namespace corvex {

class TGraphPlot;

// Page margins in thousandths of an inch.
struct TPageMargins {
  int Left = 1000;
  int Top = 1000;
  int Right = 1000;
  int Bottom = 1000;
};

// The printable page as the printer reports it.
struct TPrinterPage {
  int Dx = 300;       // pixels per inch, horizontally
  int Dy = 300;       // and vertically
  int OffsetX = 0;    // unprintable left edge, pixels
  int OffsetY = 0;    // unprintable top edge, pixels
  int Width = 0;      // printable width, pixels
  int Height = 0;     // printable height, pixels
};

// The target rectangle in the printable area's coordinates: each margin, but never less than
// the unprintable edge, measured from the edge of the paper.
TPixelRect PrintTarget(const TPageMargins& margins, const TPrinterPage& page);

// The plot and column of a printed graph: no room is kept right of the plot, and the soil-layer
// column takes the last inch of the target.
TPlotLayout LayoutForPrint(const TGraphPlot& graph, const TPixelRect& target, int dx, int dy,
                           int h);

}  // namespace corvex
