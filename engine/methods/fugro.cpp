#include "methods/fugro.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/offshore_run.h"

namespace corvex {

double fugroEquivalentRadius(const OffshorePile& pile) {
  const double d = pile.diameter;
  if (!(d > 0.0)) return 0.0;
  const double ratio = pile.endInnerDiameter / d;
  return (d / 2.0) * std::sqrt(std::max(1.0 - ratio * ratio, 0.0));
}

double fugroSandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                             double sigmaV) {
  const double equivalentRadius = fugroEquivalentRadius(pile);
  if (!(equivalentRadius > 0.0)) return 0.0;
  const double qc = increment.coneResistance;
  const double s = std::max(sigmaV, 0.0) / sideFrictionPa(pile.english);
  const double r = heightAboveTip(increment, pile) / equivalentRadius;
  if (pile.tension) {
    return 0.045 * qc * std::pow(s, 0.15) * std::pow(std::max(r, 4.0), -0.85);
  }
  const double f = 0.08 * qc * std::pow(s, 0.05) * std::pow(r, -0.9);
  return r > 4.0 ? f : f * (r / 4.0);
}

OffshoreSideFriction fugroSideFriction(const OffshoreIncrement& increment,
                                       const OffshorePile& pile) {
  if (increment.soilType > 1.0) return offshoreClaySideFriction(increment, pile);
  OffshoreSideFriction result;
  result.outside.top = fugroSandSideFriction(increment, pile, increment.stressTop);
  result.outside.bottom = fugroSandSideFriction(increment, pile, increment.stressBottom);
  result.inside = result.outside;
  return result;
}

double fugroSandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile) {
  const double qc = increment.coneResistance;
  const double dm = diameterInMillimetres(pile);
  const double logRatio = std::log10(dm / 36.0);
  double q = 0.0;
  if (pile.endInnerDiameter > 1.0e-4 || pile.plugMode == 1) {
    q = (0.5 - 0.25 * logRatio) * qc;
    if (dm > 900.0) q = std::max(q, 0.15 * qc);
  } else {
    q = (1.0 - 0.5 * logRatio) * qc;
    if (dm > 900.0) q = std::max(q, 0.3 * qc);
  }
  return limitByMaxEndBearing(q, increment.maxEndBearing);
}

void computeFugroUnitResistance(RunState& state) {
  computeOffshoreUnitResistance(state, kMethodFugro, fugroSideFriction);
}

void fugroSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  offshoreUnitEndBearing(state, k, top, bottom,
                         [](const OffshoreIncrement& increment, const OffshorePile& pile) {
                           const double q = fugroSandEndBearing(increment, pile);
                           return NodePair{q, q};
                         });
}

}  // namespace corvex
