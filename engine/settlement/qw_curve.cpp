#include "settlement/qw_curve.h"

#include <algorithm>
#include <cmath>

#include "settlement/settlement_units.h"

namespace corvex::settlement {
namespace {

using Column = std::array<double, kCurvePointCount + 1>;

// Tip curve of every method but USACE: movement as a fraction of the diameter.
constexpr Column kMovementPerDiameter = {0,     0.0,   0.0005, 0.001, 0.002, 0.013,
                                         0.042, 0.073, 0.1,    0.15,  0.2};
constexpr Column kLoadRatio = {0, 0.0, 0.0625, 0.125, 0.25, 0.5, 0.75, 0.9, 1.0, 1.0, 1.0};

// USACE tip movements in inches.
constexpr Column kUsaceMovement = {0, 0.0, 0.0001, 0.005, 0.01, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0};

bool isSandOrSilt(double soilType) {
  return std::abs(soilType - 1.0) < 1.0e-6 || std::abs(soilType - 3.0) < 1.0e-6;
}

// USACE sand and silt: a power of the movement relative to 5 % of the diameter, without a
// cap at Qp, so points beyond that movement exceed Qp.
double usaceGranularLoad(const QwCurveInput& in, double w) {
  if (in.diameter <= 0.0) return 0.0;
  const double r = w / (0.05 * in.diameter);
  if (in.frictionAngle <= 31.0) return in.tipResistance * std::sqrt(r);
  if (in.frictionAngle <= 38.0) return in.tipResistance * std::pow(r, 0.333);
  return in.tipResistance * std::pow(r, 0.25);
}

// USACE clay: half of Qp at 1 % of the diameter, the full Qp from 4 %.
double usaceClayLoad(const QwCurveInput& in, double w) {
  if (in.diameter <= 0.0) return in.tipResistance;
  return std::min(in.tipResistance, 0.5 * in.tipResistance * std::sqrt(w / (0.01 * in.diameter)));
}

}  // namespace

void buildQwCurve(QwCurve& curve, const QwCurveInput& in) {
  if (!in.usace) {
    for (int k = 1; k <= kCurvePointCount; ++k) {
      curve.w[k] = kMovementPerDiameter[k] * in.diameter;
      curve.q[k] = kLoadRatio[k] * in.tipResistance;
    }
    return;
  }
  const double toWorkingLength = in.english ? 1.0 : 1.0 / kInchesPerMetre;
  const bool granular = isSandOrSilt(in.tipSoilType);
  curve.w[1] = 0.0;
  curve.q[1] = 0.0;
  for (int k = 2; k <= kCurvePointCount; ++k) {
    const double w = kUsaceMovement[k] * toWorkingLength;
    curve.w[k] = w;
    curve.q[k] = granular ? usaceGranularLoad(in, w) : usaceClayLoad(in, w);
  }
}

}  // namespace corvex::settlement
