#include "methods/icp_mtd.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/offshore_run.h"

namespace corvex {

namespace {

// Shear modulus of the sand around the shaft from the cone resistance and the normalised
// cone resistance eta. Beyond the range of the correlation (its denominator no longer
// positive, which happens for very large eta at shallow depth) the modulus is taken as 0
// instead of a negative or infinite value.
double shearModulus(double qc, double eta) {
  const double denominator = 0.0203 + 0.00125 * eta - 1.216e-6 * eta * eta;
  if (!(denominator > 0.0)) return 0.0;
  return qc / denominator;
}

}  // namespace

double icpMtdSandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                              double sigmaV) {
  const double pa = sideFrictionPa(pile.english);
  const double qc = increment.coneResistance;
  const double d = pile.diameter;
  const double di = pile.endInnerDiameter;
  const double hOverR = heightOverEquivalentRadius(increment, pile);
  const double stress = std::max(sigmaV, 0.0);

  const double radialStress = 0.029 * qc * std::pow(stress / pa, 0.13) * std::pow(hOverR, -0.38);

  // The stress at the ground surface is zero; it is floored so that eta stays finite.
  const double eta = qc / std::sqrt(pa * std::max(stress, 1.0e-10));
  const double dr = pile.english ? kDilationDisplacementEnglish : kDilationDisplacementSI;
  const double dilation = d > 0.0 ? 2.0 * shearModulus(qc, eta) * dr / (d / 2.0) : 0.0;

  const double tanDelta = interfaceTangent(increment.frictionAngle);
  if (!pile.tension) return (radialStress + dilation) * tanDelta;
  const double f = (0.8 * radialStress + dilation) * tanDelta;
  return di > 1.0e-5 ? 0.9 * f : f;
}

OffshoreSideFriction icpMtdSideFriction(const OffshoreIncrement& increment,
                                        const OffshorePile& pile) {
  if (increment.soilType > 1.0) return offshoreClaySideFriction(increment, pile);
  OffshoreSideFriction result;
  result.outside.top = icpMtdSandSideFriction(increment, pile, increment.stressTop);
  result.outside.bottom = icpMtdSandSideFriction(increment, pile, increment.stressBottom);
  result.inside = result.outside;
  return result;
}

double icpMtdSandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile) {
  const double qc = increment.coneResistance;
  const double dm = diameterInMillimetres(pile);
  const double logRatio = std::log10(dm / 36.0);
  double q = 0.0;
  if (pile.endInnerDiameter >= 1.0e-4) {
    if (pile.plugMode == 2) {
      q = qc;
    } else {
      q = (0.5 - 0.25 * logRatio) * qc;
      if (dm > 900.0) q = std::max(q, 0.15 * qc);
    }
  } else {
    q = (1.0 - 0.5 * logRatio) * qc;
    if (dm > 900.0) q = std::max(q, 0.3 * qc);
  }
  return limitByMaxEndBearing(q, increment.maxEndBearing);
}

void computeIcpMtdUnitResistance(RunState& state) {
  computeOffshoreUnitResistance(state, kMethodIcpMtd, icpMtdSideFriction);
}

void icpMtdSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  offshoreUnitEndBearing(state, k, top, bottom,
                         [](const OffshoreIncrement& increment, const OffshorePile& pile) {
                           const double q = icpMtdSandEndBearing(increment, pile);
                           return NodePair{q, q};
                         });
}

}  // namespace corvex
