#include "results/plot_zoom.h"

#include <algorithm>

#include "results/general_number.h"

namespace corvex {

namespace {

void KeepSmallestWindow(double& low, double& high, double fullLow, double fullHigh) {
  const double fullWidth = fullHigh - fullLow;
  if (fullWidth <= 20 * (high - low)) return;
  const double width = fullWidth / 20;
  low = (low + high) / 2 - width / 2;
  if (low < fullLow) low = fullLow;
  if (low + width > fullHigh) low = fullHigh - width;
  high = low + width;
}

void ZoomOutAxis(double& low, double& high, double fullLow, double fullHigh, double click) {
  const double half = std::min(high - low, (fullHigh - fullLow) / 2);
  double centre = std::max(click, fullLow + half);
  centre = std::min(centre, fullHigh - half);
  low = centre - half;
  high = centre + half;
}

}  // namespace

TPixelPoint ClampIntoPlot(const TPlotLayout& layout, TPixelPoint point) {
  const TPixelRect& p = layout.Plot;
  return {std::min(std::max(point.X, p.Left), p.Right), std::min(std::max(point.Y, p.Top), p.Bottom)};
}

bool ZoomToBand(TDataRange& current, const TDataRange& full, const TPlotLayout& layout,
                bool xOnTop, TPixelPoint anchor, TPixelPoint corner) {
  if (anchor.X == corner.X || anchor.Y == corner.Y) return false;
  double x1, y1, x2, y2;
  UnmapPoint(layout, current, xOnTop, anchor.X, anchor.Y, x1, y1);
  UnmapPoint(layout, current, xOnTop, corner.X, corner.Y, x2, y2);
  TDataRange next{std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
  KeepSmallestWindow(next.XMin, next.XMax, full.XMin, full.XMax);
  KeepSmallestWindow(next.YMin, next.YMax, full.YMin, full.YMax);
  current = next;
  return true;
}

void ZoomOut(TDataRange& current, const TDataRange& full, double clickX, double clickY) {
  ZoomOutAxis(current.XMin, current.XMax, full.XMin, full.XMax, clickX);
  ZoomOutAxis(current.YMin, current.YMax, full.YMin, full.YMax, clickY);
}

std::string PositionCaption(const std::string& caption, double x, double y) {
  return caption + " X: " + FormatGeneral(x, 5) + " Y: " + FormatGeneral(y, 5);
}

}  // namespace corvex
