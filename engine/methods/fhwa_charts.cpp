#include "methods/fhwa_charts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "methods/chart_lookup.h"

namespace corvex::fhwa_charts {
namespace {

// One digitized curve: ordinates over the abscissae of its chart.
using Axis = std::span<const double>;

// Piecewise-linear reading of a digitized curve, clamped at both ends.
double readCurve(Axis xs, Axis ys, double x) { return ChartLookup(xs, ys, x); }

// Linear interpolation between two curve values read at parameters t0 < t1.
double betweenCurves(double t, double t0, double t1, double y0, double y1) {
  return y0 + (y1 - y0) * (t - t0) / (t1 - t0);
}

// ---- δ/φ against displaced volume V (ft³/ft), one curve per pile type ----
constexpr std::array<double, 13> kVolumeAxis{0.08, 0.1, 0.2, 0.3, 0.4, 0.52, 0.6,
                                             0.8,  1.0, 1.2, 1.4, 1.6, 1.9};
constexpr std::array<std::array<double, 13>, 7> kDeltaOverPhi{{
    {0.342, 0.342, 0.342, 0.342, 0.41, 0.476, 0.516, 0.593, 0.652, 0.697, 0.733, 0.763, 0.798},
    {0.404, 0.404, 0.404, 0.404, 0.466, 0.527, 0.562, 0.637, 0.693, 0.734, 0.766, 0.793, 0.825},
    {0.466, 0.466, 0.466, 0.466, 0.525, 0.59, 0.63, 0.708, 0.767, 0.813, 0.848, 0.877, 0.914},
    {0.571, 0.571, 0.571, 0.571, 0.637, 0.699, 0.736, 0.814, 0.873, 0.917, 0.953, 0.985, 1.024},
    {0.801, 0.801, 0.801, 0.801, 0.845, 0.895, 0.925, 0.994, 1.053, 1.11, 1.159, 1.207, 1.27},
    {0.727, 0.747, 0.827, 0.8875, 0.933, 0.972, 0.98, 0.98, 0.98, 0.98, 0.98, 0.98, 0.98},
    {0.643, 0.643, 0.643, 0.643, 0.696, 0.757, 0.792, 0.86, 0.916, 0.958, 0.994, 1.024, 1.062},
}};

// ---- Kδ against taper angle ω (degrees), charts for φ = 25, 30, 35, 40 ----
// Each chart holds three curves, for V = 0.1, 1.0 and 10 ft³/ft.
constexpr std::array<double, 3> kKdeltaVolumes{0.1, 1.0, 10.0};

constexpr std::array<double, 10> kOmega25{0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0, 1.2};
constexpr std::array<std::array<double, 10>, 3> kKdelta25{{
    {0.7, 0.739, 0.817, 0.922, 1.042, 1.194, 1.4, 1.808, 2.322, 2.917},
    {0.85, 0.902, 0.992, 1.085, 1.206, 1.353, 1.536, 1.886, 2.337, 2.917},
    {1.0, 1.05, 1.136, 1.237, 1.349, 1.478, 1.646, 1.944, 2.316, 2.917},
}};

constexpr std::array<double, 14> kOmega30{0,   0.1, 0.2, 0.3, 0.4, 0.5, 0.6,
                                          0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 1.9};
constexpr std::array<std::array<double, 14>, 3> kKdelta30{{
    {0.85, 1.043, 1.26, 1.551, 2.017, 2.56, 3.18, 4.332, 5.36, 5.934, 6.244, 6.399, 6.487, 6.494},
    {1.15, 1.408, 1.629, 1.958, 2.435, 2.928, 3.444, 4.421, 5.36, 5.934, 6.244, 6.399, 6.487,
     6.494},
    {1.45, 1.745, 1.978, 2.339, 2.746, 3.18, 3.638, 4.499, 5.36, 5.934, 6.244, 6.399, 6.487,
     6.494},
}};

constexpr std::array<double, 13> kOmega35{0,   0.1,  0.2, 0.25, 0.3,  0.4, 0.5,
                                          0.6, 0.75, 0.88, 1.0, 1.11, 2.0};
constexpr std::array<std::array<double, 13>, 3> kKdelta35{{
    {1.15, 1.47, 2.0, 2.32, 2.9, 4.18, 5.42, 6.81, 8.55, 9.75, 10.18, 10.34, 10.34},
    {1.75, 2.01, 2.59, 2.98, 3.56, 4.66, 5.65, 6.85, 8.55, 9.75, 10.18, 10.34, 10.34},
    {2.35, 2.76, 3.37, 3.72, 4.26, 5.19, 6.08, 7.12, 8.55, 9.75, 10.18, 10.34, 10.34},
}};

constexpr std::array<double, 10> kOmega40{0, 0.1, 0.15, 0.22, 0.3, 0.4, 0.43, 0.5, 0.56, 2.0};
constexpr std::array<std::array<double, 10>, 3> kKdelta40{{
    {1.7, 5.12, 7.36, 10.56, 13.6, 15.84, 16.64, 17.28, 17.54, 17.54},
    {3.0, 6.352, 8.0, 10.56, 13.6, 15.84, 16.64, 17.28, 17.54, 17.54},
    {4.3, 7.04, 8.48, 10.56, 13.6, 15.84, 16.64, 17.28, 17.54, 17.54},
}};

// ---- CF against φ (degrees), one curve per δ/φ ----
constexpr std::array<double, 9> kCfPhiAxis{14, 18, 22, 26, 30, 34, 38, 42, 45};
constexpr std::array<double, 7> kCfRatios{0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4};
constexpr std::array<std::array<double, 9>, 7> kCorrectionFactor{{
    {0.83, 0.77, 0.71, 0.64, 0.58, 0.5, 0.42, 0.32, 0.24},
    {0.9, 0.85, 0.8, 0.74, 0.69, 0.63, 0.56, 0.49, 0.43},
    {0.95, 0.92, 0.89, 0.85, 0.82, 0.77, 0.72, 0.66, 0.62},
    {0.99, 0.98, 0.97, 0.95, 0.94, 0.92, 0.9, 0.87, 0.84},
    {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0},
    {1.01, 1.02, 1.02, 1.02, 1.03, 1.05, 1.07, 1.09, 1.12},
    {1.02, 1.03, 1.03, 1.04, 1.06, 1.08, 1.1, 1.13, 1.16},
}};

// ---- αt against φ (degrees), one curve per L/D ----
constexpr std::array<double, 13> kAlphaTPhiAxis{20,   20.5, 22.5, 25,   27.5, 30, 32.5,
                                                35,   36.5, 37.5, 40,   42.5, 45};
constexpr std::array<double, 3> kAlphaTSlenderness{20, 30, 45};
constexpr std::array<std::array<double, 13>, 3> kAlphaT{{
    {0.365, 0.375, 0.416, 0.47, 0.525, 0.58, 0.637, 0.68, 0.7, 0.715, 0.75, 0.78, 0.8},
    {0.256, 0.267, 0.319, 0.389, 0.4, 0.52, 0.605, 0.67, 0.7, 0.715, 0.75, 0.78, 0.8},
    {0.177, 0.19, 0.242, 0.318, 0.4, 0.49, 0.578, 0.66, 0.7, 0.715, 0.75, 0.78, 0.8},
}};

// ---- N′q against φ (degrees) ----
constexpr std::array<double, 13> kNqPhiAxis{15, 17.5, 20, 22.5, 25, 27.5, 30,
                                            32.5, 35, 37.5, 40, 42.5, 45};
constexpr std::array<double, 13> kNq{4.8,  6.2,  8.2,  12.0,  15.0,  21.0, 30.0,
                                     43.0, 64.0, 98.0, 160.0, 265.0, 475.0};

// ---- Limiting toe resistance (chart value) against φ (degrees) ----
constexpr std::array<double, 12> kToePhiAxis{30,    31.25, 32.5, 33.75, 35,    36.25,
                                             37.5,  38.75, 40,   41.25, 42.5,  43.75};
constexpr std::array<double, 12> kToeLimit{6.66,  11.25, 20.0,  32.5,  53.8,  81.3,
                                           117.5, 159.5, 208.8, 262.5, 318.8, 368.8};

// ---- Tomlinson adhesion α against su (ksf) ----
constexpr std::array<double, 10> kSuAxis{0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5};
// Case 1, sand above the clay: curves for R = 10, 20, 40.
constexpr std::array<double, 10> kSandAboveR10{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
constexpr std::array<double, 10> kSandAboveR20{1.0, 1.0, 1.0, 1.0, 0.95, 0.875,
                                               0.75, 0.75, 0.75, 0.75};
constexpr std::array<double, 10> kSandAboveR40{1.0, 1.0, 0.9, 0.815, 0.68, 0.5,
                                               0.44, 0.4, 0.4, 0.4};
// Case 2, soft clay above: curves for R = 10, 20.
constexpr std::array<double, 10> kSoftClayAboveR10{0.7,   0.519, 0.398, 0.334, 0.298,
                                                   0.272, 0.246, 0.226, 0.206, 0.186};
constexpr std::array<double, 10> kSoftClayAboveR20{0.97,  0.84,  0.746, 0.694, 0.675,
                                                   0.656, 0.626, 0.599, 0.568, 0.54};
// Case 3, no overlying stratum: curves for R = 10, 40.
constexpr std::array<double, 10> kNoOverlyingR10{1.0,   0.984, 0.923, 0.829, 0.688,
                                                 0.443, 0.303, 0.245, 0.238, 0.238};
constexpr std::array<double, 10> kNoOverlyingR40{1.0, 1.0,   1.0,   1.0,   0.9,
                                                 0.701, 0.502, 0.388, 0.315, 0.299};

// Reads a family of curves (one per parameter value) at x, and interpolates linearly in the
// parameter; a parameter outside the family's range takes the nearest curve.
template <std::size_t NCurves, std::size_t NPoints>
double readFamily(const std::array<double, NCurves>& parameters,
                  const std::array<std::array<double, NPoints>, NCurves>& curves, Axis xs,
                  double parameter, double x) {
  if (parameter <= parameters.front()) return readCurve(xs, curves.front(), x);
  if (parameter >= parameters.back()) return readCurve(xs, curves.back(), x);
  std::size_t upper = 1;
  while (parameter > parameters[upper]) ++upper;
  const double lowValue = readCurve(xs, curves[upper - 1], x);
  const double highValue = readCurve(xs, curves[upper], x);
  return betweenCurves(parameter, parameters[upper - 1], parameters[upper], lowValue, highValue);
}

template <std::size_t NPoints>
double kDeltaOfChart(const std::array<double, NPoints>& omegaAxis,
                     const std::array<std::array<double, NPoints>, 3>& curves, double omega,
                     double volume) {
  return readFamily(kKdeltaVolumes, curves, omegaAxis, volume, omega);
}

double kDeltaAtChart(int chartIndex, double omega, double volume) {
  switch (chartIndex) {
    case 0: return kDeltaOfChart(kOmega25, kKdelta25, omega, volume);
    case 1: return kDeltaOfChart(kOmega30, kKdelta30, omega, volume);
    case 2: return kDeltaOfChart(kOmega35, kKdelta35, omega, volume);
    default: return kDeltaOfChart(kOmega40, kKdelta40, omega, volume);
  }
}

// Reads one case of the adhesion chart between its two R curves.
double adhesionBetween(Axis low, Axis high, double rLow, double rHigh, double su, double ratio) {
  if (ratio <= rLow) return readCurve(kSuAxis, low, su);
  if (ratio >= rHigh) return readCurve(kSuAxis, high, su);
  return betweenCurves(ratio, rLow, rHigh, readCurve(kSuAxis, low, su),
                       readCurve(kSuAxis, high, su));
}

}  // namespace

double deltaOverPhi(int pileType, double volume) {
  // A pile type outside 1..7 cannot come from the editors; it reads the steel pipe curve.
  const int index = (pileType >= 1 && pileType <= 7) ? pileType - 1 : 0;
  return readCurve(kVolumeAxis, kDeltaOverPhi[static_cast<std::size_t>(index)], volume);
}

double kDelta(double phi, double taperAngle, double volume) {
  constexpr std::array<double, 4> chartPhi{25, 30, 35, 40};
  if (phi < chartPhi.front()) return kDeltaAtChart(0, taperAngle, volume);
  if (phi >= chartPhi.back()) return kDeltaAtChart(3, taperAngle, volume);
  int upper = 1;
  while (phi >= chartPhi[static_cast<std::size_t>(upper)]) ++upper;
  const double low = kDeltaAtChart(upper - 1, taperAngle, volume);
  const double high = kDeltaAtChart(upper, taperAngle, volume);
  return betweenCurves(phi, chartPhi[static_cast<std::size_t>(upper - 1)],
                       chartPhi[static_cast<std::size_t>(upper)], low, high);
}

double correctionFactor(double ratio, double phi) {
  return readFamily(kCfRatios, kCorrectionFactor, kCfPhiAxis, ratio, phi);
}

double alphaT(double phi, double lengthOverDiameter) {
  return readFamily(kAlphaTSlenderness, kAlphaT, kAlphaTPhiAxis, lengthOverDiameter, phi);
}

double bearingFactorNq(double phi) { return readCurve(kNqPhiAxis, kNq, phi); }

double limitingToeChartValue(double phi) { return readCurve(kToePhiAxis, kToeLimit, phi); }

double tomlinsonAdhesion(int clayCase, double suKsf, double ratio) {
  switch (clayCase) {
    case 1:
      if (ratio <= 20.0) return adhesionBetween(kSandAboveR10, kSandAboveR20, 10, 20, suKsf, ratio);
      return adhesionBetween(kSandAboveR20, kSandAboveR40, 20, 40, suKsf, ratio);
    case 2:
      return adhesionBetween(kSoftClayAboveR10, kSoftClayAboveR20, 10, 20, suKsf, ratio);
    default:
      return adhesionBetween(kNoOverlyingR10, kNoOverlyingR40, 10, 40, suKsf, ratio);
  }
}

}  // namespace corvex::fhwa_charts
