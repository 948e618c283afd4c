#include "results/side_view_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "results/general_number.h"
#include "results/graph_layout.h"

namespace corvex {

double SidePileWidth(double outerDiameter, double perimeter, int units) {
  const double w = outerDiameter < 1e-4 ? perimeter / 4 : outerDiameter;
  return units == 1 ? w / 12 : w / 1000;
}

TSideQuad SidePileOutline(double width, double totalLength, double stickup, double taperDegrees) {
  const double theta = taperDegrees * 3.1416 / 180;
  const double narrowing = totalLength * std::tan(theta);
  TSideQuad q;
  q.X[0] = -width / 2;
  q.Y[0] = -stickup;
  q.X[1] = width / 2;
  q.Y[1] = -stickup;
  q.X[2] = -width / 2 + narrowing;
  q.Y[2] = totalLength - stickup;
  q.X[3] = width / 2 - narrowing;
  q.Y[3] = totalLength - stickup;
  return q;
}

TSideRange SideBounds(const std::vector<TSideQuad>& outline, double lastLayerBottom) {
  TSideRange b{0, 0, 0, 0};
  for (const TSideQuad& q : outline) {
    b.XMin = std::min({b.XMin, q.X[0], q.X[2]});
    b.XMax = std::max({b.XMax, q.X[1], q.X[3]});
    b.YMin = std::min({b.YMin, q.Y[0], q.Y[1]});
    b.YMax = std::max({b.YMax, q.Y[2], q.Y[3]});
  }
  b.YMax = std::max(b.YMax, lastLayerBottom);
  b.XMin *= 1.05;
  b.XMax *= 1.05;
  b.YMin *= 1.05;
  b.YMax *= 1.05;
  return b;
}

TSideRange SideViewRange(const TSideRange& bounds, int clientWidth, int clientHeight) {
  TSideRange v = bounds;
  const double dx = bounds.XMax - bounds.XMin;
  const double dy = bounds.YMax - bounds.YMin;
  double r = 1;
  if (dx != 0 && dy != 0 && clientHeight != 0)
    r = (static_cast<double>(clientWidth) / clientHeight) / (dx / dy);
  if (r >= 1) {
    v.XMin *= r;
    v.XMax *= r;
  } else {
    v.YMin /= r;
    v.YMax /= r;
  }
  return v;
}

bool SideRangeUsable(const TSideRange& r) {
  return std::isfinite(r.XMin) && std::isfinite(r.XMax) && std::isfinite(r.YMin) &&
         std::isfinite(r.YMax);
}

int SideMapX(const TSideRange& view, int clientWidth, double x) {
  if (view.XMax == view.XMin) return 0;
  return RoundEven(clientWidth * (x - view.XMin) / (view.XMax - view.XMin));
}

int SideMapY(const TSideRange& view, int clientHeight, double y) {
  if (view.YMax == view.YMin) return 0;
  return RoundEven(clientHeight * (y - view.YMin) / (view.YMax - view.YMin));
}

double SideDepthAt(const TSideRange& view, int clientHeight, int y) {
  if (clientHeight == 0) return 0;
  return static_cast<double>(y) / clientHeight * (view.YMax - view.YMin) + view.YMin;
}

namespace {

std::string DepthRange(const TSideLayer& layer) {
  return "depth= " + FormatGeneral(layer.Top, 15) + " - " + FormatGeneral(layer.Bottom, 15);
}

}  // namespace

std::string SideScreenLabel(const TSideLayer& layer, bool& labelBelowTop) {
  labelBelowTop = true;
  switch (layer.SoilType) {
    case 1: return DepthRange(layer) + "; Sand";
    case 2: return DepthRange(layer) + "; Clay";
    // The soil layer table calls type 3 silt; the elevation names it so, with its depths like
    // the other soils.
    case 3: return DepthRange(layer) + "; Silt";
    default: break;
  }
  labelBelowTop = false;
  switch (layer.SoilType) {
    case 4: return "Strong Rock";
    case 5: return "Gravel";
    case 6: return "Weak Rock";
    default: return "";
  }
}

std::string SidePrintLabel(const TSideLayer& layer) {
  static const char* const kWords[] = {"; Sand",   "; Clay",   "; Silt",
                                       "; Strong Rock", "; Gravel", "; Soft Rock"};
  const std::string word =
      layer.SoilType >= 1 && layer.SoilType <= 6 ? kWords[layer.SoilType - 1] : "";
  return DepthRange(layer) + word;
}

std::string SideDepthCaption(double depth) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, depth, std::chars_format::fixed, 1);
  return "  Depth: " + std::string(buffer, r.ptr);
}

TSidePrintPage SidePrintLayout(const std::vector<TSideLayer>& layers, double pileWidth,
                               double totalLength, int pageWidth, int pageHeight) {
  TSidePrintPage page;
  const double W = pageWidth, H = pageHeight;
  page.BackLeft = RoundEven(W * 0.1);
  page.BackTop = RoundEven(H * 0.1);
  page.BackRight = RoundEven(W * 0.9);
  page.BackBottom = RoundEven(H * 0.9);
  // Without layers there is no depth scale (the deepest layer bottom divides every depth).
  const double D = layers.empty() ? 0 : layers.back().Bottom;
  if (!(D > 0) || !std::isfinite(D)) return page;
  const auto depthY = [&](double d) { return RoundEven(d / D * H * 0.8 + H * 0.1); };
  const int y0 = RoundEven(H * 0.1);
  const int left = RoundEven(0.1 * W), right = RoundEven(0.9 * W);
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const TSideLayer& layer = layers[i];
    if (i == 0) {
      page.Lines.push_back({left, y0, right, y0});
      // The ground strokes' positions are taken from the page height, as the profile has
      // always been printed.
      for (int j = 1; j <= 10; ++j)
        page.Lines.push_back(
            {RoundEven(0.35 * H) + 50 * j, y0, RoundEven(0.365 * H) + 50 * j, y0 + 70});
    }
    const int bottom = depthY(layer.Bottom);
    page.Lines.push_back({left, bottom, right, bottom});
    page.Labels.push_back({RoundEven(0.15 * H), depthY(layer.Top), SidePrintLabel(layer)});
  }
  // The bar is as wide as the pile at the depth scale, centred on the page.
  const int p = RoundEven(pileWidth / D * H * 0.8);
  const int L = RoundEven(totalLength / D * H * 0.8);
  page.HasBar = p > 0 && L > 0;
  page.BarLeft = pageWidth / 2 - p / 2;
  page.BarRight = page.BarLeft + p;
  page.BarTop = y0;
  page.BarBottom = y0 + L;
  return page;
}

}  // namespace corvex
