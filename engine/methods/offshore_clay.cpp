#include "methods/offshore_clay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "methods/offshore_run.h"

namespace corvex {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Interface friction angle (degrees) at PI = 0, 5, 10, ..., 80.
constexpr std::array<double, 17> kInterfaceAngleByPi = {
    34.0, 32.0, 29.0, 27.0, 24.5, 22.5, 20.0, 18.5, 17.0,
    15.2, 14.7, 13.0, 12.3, 11.5, 10.0, 9.2,  8.5};
constexpr double kPiStep = 5.0;

}  // namespace

double heightOverEquivalentRadius(const OffshoreIncrement& increment, const OffshorePile& pile) {
  const double d = pile.diameter;
  const double di = pile.endInnerDiameter;
  const double equivalentRadius = std::sqrt(std::max(d * d - di * di, 0.0) / 4.0);
  if (!(equivalentRadius > 0.0)) return 8.0;
  return std::max(heightAboveTip(increment, pile) / equivalentRadius, 8.0);
}

double ultimateInterfaceAngle(double plasticityIndex) {
  if (!(plasticityIndex > 0.0)) return kInterfaceAngleByPi.front();
  const double last = kPiStep * (kInterfaceAngleByPi.size() - 1);
  if (plasticityIndex >= last) return kInterfaceAngleByPi.back();
  const auto upper = static_cast<std::size_t>(std::ceil(plasticityIndex / kPiStep));
  const double x = kPiStep * upper;
  const double y = kInterfaceAngleByPi[upper];
  const double yBelow = kInterfaceAngleByPi[upper - 1];
  return y - (x - plasticityIndex) * (y - yBelow) / kPiStep;
}

double clayRadialStressCoefficient(const OffshoreIncrement& increment, const OffshorePile& pile) {
  // Sensitivity su/sur enters through its logarithm. A layer without a remoulded (or an
  // undrained) strength has no measured sensitivity, so the term is left out rather than
  // turned into an infinite or undefined value.
  const double su = increment.undrainedShear;
  const double sur = increment.remoldedShear;
  const double logSensitivity = (su > 0.0 && sur > 0.0) ? std::log10(su / sur) : 0.0;
  const double ysr = std::max(increment.yieldStressRatio, 0.0);
  const double kc = (2.0 - 0.625 * logSensitivity) * std::pow(ysr, 0.42) *
                    std::pow(heightOverEquivalentRadius(increment, pile), -0.2);
  // A very sensitive clay would drive the coefficient below zero; the shaft cannot pull
  // the soil, so the radial stress stops at zero.
  return std::max(kc, 0.0);
}

OffshoreSideFriction offshoreClaySideFriction(const OffshoreIncrement& increment,
                                              const OffshorePile& pile) {
  OffshoreSideFriction result;
  result.negativePlasticityIndex = increment.plasticityIndex < 0.0;
  const double tanDelta = std::tan(ultimateInterfaceAngle(increment.plasticityIndex) * kDegree);
  const double kc = clayRadialStressCoefficient(increment, pile);
  result.outside.top = 0.8 * kc * increment.stressTop * tanDelta;
  result.outside.bottom = 0.8 * kc * increment.stressBottom * tanDelta;
  result.inside = result.outside;
  return result;
}

double offshoreClayEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile) {
  const double qc = increment.coneResistance;
  if (pile.plugMode == 1) return (pile.drainedClay ? 0.65 : 0.4) * qc;
  if (pile.endInnerDiameter < 1.0e-6) return (pile.drainedClay ? 1.3 : 0.8) * qc;
  if (pile.plugMode == 2) return (pile.drainedClay ? 1.6 : 1.0) * qc;
  return 9.0 * increment.undrainedShear;
}

NodePair offshoreEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile,
                            SandEndBearingRule sandRule) {
  const double q = increment.soilType > 1.0 + 1.0e-6 ? offshoreClayEndBearing(increment, pile)
                                                     : sandRule(increment, pile);
  return {q, q};
}

void offshoreClayUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  offshoreUnitEndBearing(state, k, top, bottom,
                         [](const OffshoreIncrement& increment, const OffshorePile& pile) {
                           const double q = offshoreClayEndBearing(increment, pile);
                           return NodePair{q, q};
                         });
}

}  // namespace corvex
