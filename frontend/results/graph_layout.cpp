#include "results/graph_layout.h"

#include <cmath>
#include <limits>

#include "results/graph_plot.h"

namespace corvex {

int TextHeight(int fontHeight, int sizeFont) {
  const int h = std::abs(fontHeight) * sizeFont / 10;
  return h > 0 ? h : 1;
}

TPlotLayout LayoutForWindow(const TGraphPlot& graph, const TPixelRect& target, int dx, int dy,
                            int h, int columnWidth) {
  TPlotLayout l;
  l.Target = target;
  l.Dx = dx;
  l.Dy = dy;
  l.H = h;
  l.Plot.Left = target.Left + 2 * h + dx / 8 + h / 8;
  l.Plot.Right = target.Right - dx / 4 - h / 2;
  if (graph.XOnTop) {
    l.Plot.Top = target.Top + 2 * h + dy / 8 + h / 8;
    l.Plot.Bottom = target.Bottom - dy / 4 - h / 2;
  } else {
    l.Plot.Top = target.Top + h / 2 + dy / 4;
    l.Plot.Bottom = target.Bottom - 2 * h - dy / 8 - h / 8;
  }
  if (!graph.Title.empty()) {
    if (graph.TitleAtTop) l.Plot.Top += h / 8 + h;
    else l.Plot.Bottom -= h;
  }
  if (graph.ShowLayers) {
    const int oldRight = l.Plot.Right;
    l.Plot.Right -= columnWidth;
    l.Column = {l.Plot.Right + dx / 5, l.Plot.Top, oldRight, l.Plot.Bottom};
  }
  return l;
}

int RoundEven(double v) {
  if (!std::isfinite(v)) return 0;
  constexpr double limit = 1e9;
  if (v > limit) return static_cast<int>(limit);
  if (v < -limit) return static_cast<int>(-limit);
  return static_cast<int>(std::nearbyint(v));
}

int MapX(const TPlotLayout& layout, const TDataRange& range, double x) {
  const TPixelRect& p = layout.Plot;
  return p.Left + RoundEven((x - range.XMin) / (range.XMax - range.XMin) * (p.Right - p.Left));
}

int MapY(const TPlotLayout& layout, const TDataRange& range, double y, bool xOnTop) {
  const TPixelRect& p = layout.Plot;
  const int c = RoundEven((y - range.YMin) / (range.YMax - range.YMin) * (p.Bottom - p.Top));
  return xOnTop ? p.Top + c : p.Bottom - c;
}

void UnmapPoint(const TPlotLayout& layout, const TDataRange& range, bool xOnTop, int px, int py,
                double& x, double& y) {
  const TPixelRect& p = layout.Plot;
  x = 0;
  y = 0;
  if (!p.Contains(px, py) || p.Width() == 0 || p.Height() == 0) return;
  x = range.XMin + static_cast<double>(px - p.Left) / p.Width() * (range.XMax - range.XMin);
  const int c = xOnTop ? py - p.Top : p.Bottom - py;
  y = range.YMin + static_cast<double>(c) / p.Height() * (range.YMax - range.YMin);
}

}  // namespace corvex
