#include "results/graph_render.h"

#include <algorithm>
#include <cmath>

#include "results/general_number.h"
#include "results/graph_markers.h"
#include "results/graph_plot.h"
#include "results/soil_patterns.h"

namespace corvex {

namespace {

std::string AxisTitle(const std::string& caption, const std::string& units, int unitSystem) {
  if (units.empty()) return caption;
  return caption + " (" + UnitLabel(units, unitSystem) + ")";
}

// Everything a drawing step needs.
struct Frame {
  TCanvas& canvas;
  const TGraphPlot& graph;
  const TPlotLayout& layout;
  const TDataRange& range;
  const TRenderOptions& options;
  int curvePen;
};

void DrawCaptions(const Frame& f) {
  const TGraphPlot& g = f.graph;
  const TPixelRect& t = f.layout.Target;
  const int h = f.layout.H;
  const bool titleTop = !g.Title.empty() && g.TitleAtTop;
  const bool titleBottom = !g.Title.empty() && !g.TitleAtTop;

  f.canvas.SetFont({g.SizeFont, 700, 0});
  const std::string xTitle = AxisTitle(g.XCaption, g.XUnits, g.Units());
  TTextSize size = f.canvas.TextExtent(xTitle);
  int y = g.XOnTop ? t.Top + (titleTop ? h + h / 8 : 0)
                   : t.Bottom - size.Height - (titleBottom ? h + h / 8 : 0);
  f.canvas.TextOut((t.Left + t.Right - size.Width) / 2, y, xTitle, kBlack, false);

  if (!g.Title.empty()) {
    size = f.canvas.TextExtent(g.Title);
    y = g.TitleAtTop ? t.Top : t.Bottom - size.Height;
    f.canvas.TextOut((t.Left + t.Right - size.Width) / 2, y, g.Title, kBlack, false);
  }

  f.canvas.SetFont({g.SizeFont, 700, 90});
  const std::string yTitle = AxisTitle(g.YCaption, g.YUnits, g.Units());
  size = f.canvas.TextExtent(yTitle);
  f.canvas.TextOut(t.Left, (t.Top + t.Bottom + size.Width) / 2, yTitle, kBlack, false);
}

TRenderResult DrawTicks(const Frame& f) {
  const TGraphPlot& g = f.graph;
  const TPixelRect& p = f.layout.Plot;
  const int dx = f.layout.Dx, dy = f.layout.Dy;
  TRenderResult ticks;
  ticks.XTicks = TickSpacing(f.range.XMin, f.range.XMax, p.Right - p.Left, f.layout.H);
  ticks.YTicks = TickSpacing(f.range.YMin, f.range.YMax, p.Bottom - p.Top, f.layout.H);
  // Too little room on either axis: neither axis gets ticks, grid lines or labels.
  if (ticks.XTicks.Step == 0 || ticks.YTicks.Step == 0) {
    ticks.XTicks.Present = ticks.YTicks.Present = false;
    return ticks;
  }

  if (ticks.XTicks.Present) {
    const TAxisTicks& t = ticks.XTicks;
    for (int i = t.First; i <= t.Last; ++i) {
      const double value = i * t.Step;
      const int x = MapX(f.layout, f.range, value);
      if (x < p.Left || x > p.Right) continue;
      if (i % 5 == 0) {
        f.canvas.SetPen(kBlack, 1, TPenStyle::Dot);
        f.canvas.Line(x, p.Top, x, p.Bottom);
        f.canvas.SetFont({g.SizeFont, 400, 0});
        const std::string label = FormatGeneral(value, 4);
        const TTextSize size = f.canvas.TextExtent(label);
        const int y = g.XOnTop ? p.Top - dy / 32 - size.Height : p.Bottom + dy / 16;
        f.canvas.TextOut(x - size.Width / 2, y, label, kBlack, false);
      }
      f.canvas.SetPen(kBlack, 1, TPenStyle::Solid);
      if (g.XOnTop) f.canvas.Line(x, p.Top, x, p.Top + dy / 16);
      else f.canvas.Line(x, p.Bottom, x, p.Bottom - dy / 16);
    }
  }

  if (ticks.YTicks.Present) {
    const TAxisTicks& t = ticks.YTicks;
    for (int i = t.First; i <= t.Last; ++i) {
      const double value = i * t.Step;
      const int y = MapY(f.layout, f.range, value, g.XOnTop);
      if (y < p.Top || y > p.Bottom) continue;
      if (i % 5 == 0) {
        f.canvas.SetPen(kBlack, 1, TPenStyle::Dot);
        f.canvas.Line(p.Left, y, p.Right, y);
        f.canvas.SetFont({g.SizeFont, 400, 90});
        const std::string label = FormatGeneral(value, 4);
        const TTextSize size = f.canvas.TextExtent(label);
        f.canvas.TextOut(p.Left - size.Height - dx / 32, y + size.Width / 2, label, kBlack,
                         false);
      }
      f.canvas.SetPen(kBlack, 1, TPenStyle::Solid);
      f.canvas.Line(p.Left, y, p.Left + dx / 16, y);
    }
  }
  f.canvas.SetPen(kBlack, f.curvePen, TPenStyle::Solid);
  return ticks;
}

TPixelRect ClipOf(const TPixelRect& r) { return {r.Left, r.Top, r.Right + 1, r.Bottom + 1}; }

void DrawCurves(const Frame& f) {
  const TGraphPlot& g = f.graph;
  if (g.LineCount() == 0 || g.Lines(0).Points.size() <= 1) return;
  f.canvas.SetClip(ClipOf(f.layout.Plot));
  int color = 0;
  for (int i = 0; i < g.LineCount(); ++i) {
    const TLine& curve = g.Lines(i);
    if (!curve.Active) continue;
    if (curve.Shown) {
      const TColor c = CurveColor(color);
      f.canvas.SetPen(c, f.curvePen, TPenStyle::Solid);
      f.canvas.SetBrush(c, TFillStyle::Solid);
      std::vector<TPixelPoint> path;
      path.reserve(curve.Points.size());
      for (const TFloatPoint& pt : curve.Points)
        path.push_back({MapX(f.layout, f.range, pt.X), MapY(f.layout, f.range, pt.Y, g.XOnTop)});
      f.canvas.Polyline(path);
      if (g.Markers > 0) {
        for (std::size_t j = 0; j < path.size(); ++j) {
          if (j % static_cast<std::size_t>(g.Markers) != 0) continue;
          f.canvas.Polyline(MarkerOutline(MarkerShape(i), path[j].X, path[j].Y, f.layout.Dx,
                                          f.layout.Dy));
        }
      }
    }
    ++color;  // hidden curves keep their colour slot, so the others keep their colours
  }
  f.canvas.SetPen(kBlack, f.curvePen, TPenStyle::Solid);
  f.canvas.SetBrush(kWhite, TFillStyle::Solid);
  f.canvas.ClearClip();
}

void DrawLegendBox(const Frame& f) {
  const TGraphPlot& g = f.graph;
  const TPixelRect& p = f.layout.Plot;
  const int dx = f.layout.Dx, dy = f.layout.Dy;
  struct Entry {
    int position;
    std::string name;
  };
  std::vector<Entry> entries;
  int position = 0;
  for (int i = 0; i < g.LineCount(); ++i) {
    const TLine& curve = g.Lines(i);
    if (!curve.Active) continue;
    if (curve.Shown) entries.push_back({position, g.DisplayName(curve)});
    ++position;
  }
  if (entries.empty()) return;

  f.canvas.SetFont({g.SizeFont, 400, 0});
  int widest = 0, textHeight = 0;
  for (const Entry& e : entries) {
    const TTextSize size = f.canvas.TextExtent(e.name);
    widest = std::max(widest, size.Width);
    textHeight = std::max(textHeight, size.Height);
  }
  const int left = p.Left + static_cast<int>((p.Right - p.Left) * f.options.LegendLeftFraction);
  const int top = p.Top + static_cast<int>((p.Bottom - p.Top) * f.options.LegendTopFraction);
  const int width = widest + 3 * dx / 16;
  const int count = static_cast<int>(entries.size());
  const int height = count * (textHeight + dy / 32) + dy / 32;
  f.canvas.SetPen(kBlack, 1, TPenStyle::Solid);
  f.canvas.SetBrush(kWhite, TFillStyle::Solid);
  f.canvas.Rectangle({left, top, left + width, top + height});
  int entryTop = top + dy / 32;
  for (const Entry& e : entries) {
    f.canvas.SetPen(kBlack, 1, TPenStyle::Solid);
    f.canvas.Polyline(MarkerOutline(MarkerShape(e.position), left + dx / 16,
                                    entryTop + textHeight / 2, dx, dy));
    f.canvas.TextOut(left + dx / 8, entryTop, e.name, CurveColor(e.position), false);
    entryTop += textHeight + dy / 32;
  }
  f.canvas.SetPen(kBlack, f.curvePen, TPenStyle::Solid);
}

void SetLayerFill(const Frame& f, double code) {
  const bool printSize = f.options.LegendIntoOutput && !f.options.ScreenPatterns;
  const int c = code == std::floor(code) && std::fabs(code) < 1000 ? static_cast<int>(code) : 0;
  if (const TPattern* pattern = SoilPattern(c, printSize)) {
    f.canvas.SetPatternBrush(kBlack, *pattern);
    return;
  }
  TFillStyle style = TFillStyle::None;
  switch (c) {
    case 2: style = TFillStyle::ForwardDiagonal; break;
    case 3: style = TFillStyle::Cross; break;
    case 4: style = TFillStyle::DiagonalCross; break;
    case 5: style = TFillStyle::Horizontal; break;
    case 6: style = TFillStyle::Vertical; break;
    default: break;
  }
  f.canvas.SetBrush(kBlack, style);
}

void DrawLayerColumn(const Frame& f) {
  const TGraphPlot& g = f.graph;
  if (g.LayerCount() == 0 || g.Layers(0).Points.empty()) return;
  const TPixelRect& col = f.layout.Column;
  const TPixelRect& p = f.layout.Plot;
  f.canvas.SetClip(ClipOf(col));
  int upper = col.Top;
  for (int i = 0; i < g.LayerCount(); ++i) {
    const TLine& layer = g.Layers(i);
    if (layer.Points.empty()) continue;
    const TFloatPoint& pt = layer.Points.front();
    const int y = MapY(f.layout, f.range, pt.Y, g.XOnTop);
    f.canvas.SetPen(kBlack, f.curvePen, TPenStyle::Solid);
    SetLayerFill(f, pt.X);
    const bool last = i == g.LayerCount() - 1;
    f.canvas.Rectangle({col.Left, upper, col.Right - 1, std::min(p.Bottom, last ? y : y + 1)});
    f.canvas.SetFont({10, 400, 0});
    const std::string name = g.DisplayName(layer);
    const TTextSize size = f.canvas.TextExtent(name);
    f.canvas.TextOut((col.Left + col.Right - size.Width) / 2, (upper + y - size.Height) / 2, name,
                     kBlack, true);
    upper = y;
  }
  f.canvas.SetPen(kBlack, f.curvePen, TPenStyle::Solid);
  f.canvas.SetBrush(kWhite, TFillStyle::Solid);
  f.canvas.ClearClip();
}

void DrawFrame(const Frame& f) {
  const TPixelRect& p = f.layout.Plot;
  f.canvas.SetPen(kBlack, 1, TPenStyle::Solid);
  f.canvas.Polyline({{p.Left, p.Top}, {p.Right, p.Top}, {p.Right, p.Bottom}, {p.Left, p.Bottom},
                     {p.Left, p.Top}});
}

}  // namespace

int CurvePenWidth(int dx, int widthLine) { return (RoundEven(dx / 300.0) + 1) * widthLine; }

TRenderResult DrawGraph(TCanvas& canvas, const TGraphPlot& graph, const TPlotLayout& layout,
                        const TDataRange& range, const TRenderOptions& options) {
  const Frame f{canvas, graph, layout, range, options, CurvePenWidth(layout.Dx, graph.WidthLine)};
  const TPixelRect& t = layout.Target;
  canvas.FillRect(t, kWhite);
  canvas.SetPen(kBlack, f.curvePen, TPenStyle::Solid);
  canvas.SetBrush(kWhite, TFillStyle::Solid);
  TRenderResult result;
  // Less than an inch either way: nothing but white.
  if (t.Width() < layout.Dx || t.Height() < layout.Dy) return result;
  // A degenerate range cannot be mapped; show the empty target rather than garbage.
  if (!(range.XMax != range.XMin) || !(range.YMax != range.YMin)) return result;

  DrawCaptions(f);
  result = DrawTicks(f);
  DrawCurves(f);
  if (options.LegendIntoOutput) DrawLegendBox(f);
  if (graph.ShowLayers) DrawLayerColumn(f);
  DrawFrame(f);
  return result;
}

}  // namespace corvex
