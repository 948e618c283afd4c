#include "results/print_layout.h"

#include <algorithm>

#include "results/graph_plot.h"

namespace corvex {

TPixelRect PrintTarget(const TPageMargins& margins, const TPrinterPage& page) {
  const int mL = std::max(RoundEven(margins.Left * page.Dx / 1000.0), page.OffsetX);
  const int mR = std::max(RoundEven(margins.Right * page.Dx / 1000.0), page.OffsetX);
  const int mT = std::max(RoundEven(margins.Top * page.Dy / 1000.0), page.OffsetY);
  const int mB = std::max(RoundEven(margins.Bottom * page.Dy / 1000.0), page.OffsetY);
  return {mL - page.OffsetX, mT - page.OffsetY, page.Width + page.OffsetX - mR,
          page.Height + page.OffsetY - mB};
}

TPlotLayout LayoutForPrint(const TGraphPlot& graph, const TPixelRect& target, int dx, int dy,
                           int h) {
  TPlotLayout l;
  l.Target = target;
  l.Dx = dx;
  l.Dy = dy;
  l.H = h;
  // Room for the Y caption and tick labels at the left, for the X caption and labels at the
  // X axis; both measured with the horizontal resolution.
  const int axisRoom = 2 * h + dx / 8 + h / 8;
  l.Plot.Left = target.Left + axisRoom;
  l.Plot.Right = target.Right;
  if (graph.XOnTop) {
    l.Plot.Top = target.Top + axisRoom;
    l.Plot.Bottom = target.Bottom;
  } else {
    l.Plot.Top = target.Top;
    l.Plot.Bottom = target.Bottom - axisRoom;
  }
  if (!graph.Title.empty()) {
    if (graph.TitleAtTop) l.Plot.Top += dy / 4;
    else l.Plot.Bottom -= dy / 2;
  }
  if (graph.ShowLayers) {
    const int oldRight = l.Plot.Right;
    l.Plot.Right -= dx;
    l.Column = {l.Plot.Right + dx / 5, l.Plot.Top, oldRight, l.Plot.Bottom};
  }
  return l;
}

}  // namespace corvex
