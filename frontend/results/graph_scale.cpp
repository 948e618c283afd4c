#include "results/graph_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "results/graph_plot.h"

namespace corvex {

namespace {

double RoundAway(double v) { return v > 0 ? std::ceil(v) : std::floor(v); }

// Counting ticks from 0 outward stops here, so that a range far from 0 compared with its width
// cannot keep the drawing busy.
constexpr int kMaxTickIndex = 1000000;

}  // namespace

double ScaleAxis(double& minimum, double& maximum) {
  if (maximum == minimum) {
    maximum += 0.01;
    minimum -= 0.01;
  }
  const double a = std::log10(maximum - minimum);
  double s = std::pow(10.0, std::floor(a));
  // Leading digits below 3: a tenth of the leading decade.
  if (a - std::floor(a) < std::log10(3.0)) s /= 10;
  if (s != 0 && std::isfinite(s)) {
    minimum = s * RoundAway(minimum / s);
    maximum = s * RoundAway(maximum / s);
  }
  return s;
}

TAutoscale Autoscale(const TGraphPlot& graph) {
  TAutoscale result;
  TDataRange& r = result.Range;
  for (int i = 0; i < graph.LineCount(); ++i) {
    for (const TFloatPoint& p : graph.Lines(i).Points) {
      r.XMin = std::min(r.XMin, p.X);
      r.XMax = std::max(r.XMax, p.X);
      r.YMin = std::min(r.YMin, p.Y);
      r.YMax = std::max(r.YMax, p.Y);
    }
  }
  result.YStep = ScaleAxis(r.YMin, r.YMax);
  result.XStep = ScaleAxis(r.XMin, r.XMax);
  const bool finite = std::isfinite(r.XMin) && std::isfinite(r.XMax) && std::isfinite(r.YMin) &&
                      std::isfinite(r.YMax) && std::isfinite(result.XStep) &&
                      std::isfinite(result.YStep);
  result.Usable = finite && result.YStep != 0 && result.XStep != 0;
  return result;
}

TAxisTicks TickSpacing(double minimum, double maximum, int pixels, int h) {
  TAxisTicks ticks;
  if (h <= 0) return ticks;
  const int n = std::abs(pixels) / (6 * h);
  if (n == 0) return ticks;
  const double raw = (maximum - minimum) / n;
  if (!(raw > 0) || !std::isfinite(raw)) return ticks;
  const double g = std::pow(10.0, std::floor(std::log10(raw)));
  const double k = std::trunc(raw / g);
  double major = g;
  if (k >= 9) major = 10 * g;
  else if (k >= 5) major = 5 * g;
  else if (k >= 2) major = 2 * g;
  ticks.Step = major / 5;
  int below = 0;
  while (below < kMaxTickIndex && -(below + 1) * ticks.Step >= minimum) ++below;
  int above = 0;
  while (above < kMaxTickIndex && (above + 1) * ticks.Step <= maximum) ++above;
  ticks.First = -below;
  ticks.Last = above;
  ticks.Present = ticks.First != ticks.Last;
  return ticks;
}

}  // namespace corvex
