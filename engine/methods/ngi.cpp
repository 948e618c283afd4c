#include "methods/ngi.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_run.h"

namespace corvex {

namespace {

// Unit side friction of a sand increment at a node with effective stress sigmaV.
double sandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                        double sigmaV) {
  // At the ground surface the stress factor is 0, and so is the friction; the relative
  // density is not evaluated there (it would divide by a zero stress).
  if (!(sigmaV > 0.0) || !(pile.embeddedLength > 0.0)) return 0.0;
  const double pa = sideFrictionPa(pile.english);
  const double dr = ngiShaftRelativeDensity(increment.coneResistance, sigmaV, pa);
  const double densityFactor = 2.1 * std::pow(dr - 0.1, 1.7);
  const double stressFactor = std::pow(sigmaV / pa, 0.25);
  const double tipFactor = pile.endInnerDiameter <= 1.0e-5 ? 1.6 : 1.0;
  const double loadFactor = pile.tension ? 1.0 : 1.3;
  const double materialFactor = pile.pileType == 2 ? 1.2 : 1.0;
  return (increment.topDepth / pile.embeddedLength) * pa * densityFactor * stressFactor *
         tipFactor * loadFactor * materialFactor;
}

OffshoreSideFriction claySideFriction(const OffshoreIncrement& increment,
                                      const OffshorePile& pile) {
  const double sigmaV = increment.stressBottom;
  const double su = increment.undrainedShear;
  const double psi = std::max(su / std::max(sigmaV, 1.0e-10), 1.0e-10);
  const double tipFactor = pile.endInnerDiameter >= 1.0e-5 ? 0.8 + 0.2 * std::sqrt(psi) : 1.0;

  OffshoreSideFriction result;
  double f = 0.0;
  double insideTop = 0.0;
  if (psi < 0.25) {
    const double pi = std::max(increment.plasticityIndex, 10.000001);
    f = 0.08 * std::pow(pi - 10.0, 0.3) * sigmaV;
    // This rule for normally consolidated clay takes no strength, so it has no remoulded
    // counterpart: the soil plug sees the same friction as the shaft.
    insideTop = f;
  } else if (psi <= 1.0) {
    const double pi = std::max(increment.plasticityIndex, 12.000001);
    const double alphaNormal = 0.32 * std::pow(pi - 10.0, 0.3);
    const double alphaOver = 0.5 * std::pow(psi, -0.3);
    const double alpha = alphaNormal + (psi - 0.25) * (alphaOver - alphaNormal) / 0.75;
    const double fMin = 0.06 * std::pow(pi - 12.0, 0.33) * sigmaV;
    f = std::max(alpha * su * tipFactor, fMin);
    insideTop = std::max(alpha * increment.remoldedShear * tipFactor, fMin);
  } else {
    const double alpha = 0.5 * std::pow(psi, -0.3);
    f = alpha * su * tipFactor;
    // The plug takes this increment's own alpha on the remoulded strength; this range has
    // no lower bound.
    insideTop = alpha * increment.remoldedShear * tipFactor;
  }
  result.outside = {f, f};
  result.inside = {insideTop, f};
  return result;
}

double sandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile,
                      double sigmaV) {
  const double qc = increment.coneResistance;
  // With no stress (ground surface) or no cone resistance the rule tends to 0.
  if (!(sigmaV > 0.0) || !(qc > 0.0)) return 0.0;
  const double pa = endBearingPa(pile.english);
  const double dr = 0.4 * std::log(qc / (22.0 * std::sqrt(sigmaV * pa)));
  const double q = pile.endInnerDiameter > 1.0e-4 ? 0.7 * qc / (1.0 + 3.0 * dr * dr)
                                                  : 0.8 * qc / (1.0 + dr * dr);
  return limitByMaxEndBearing(q, increment.maxEndBearing);
}

}  // namespace

double ngiShaftRelativeDensity(double coneResistance, double sigmaV, double pa) {
  double dr = 0.200001;
  if (coneResistance > 0.0 && sigmaV > 0.0) {
    dr = 0.4 * std::log(coneResistance / (22.0 * std::sqrt(sigmaV * pa)));
  }
  return std::max(dr, 0.200001);
}

OffshoreSideFriction ngiSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile) {
  if (increment.soilType > 1.0) return claySideFriction(increment, pile);
  OffshoreSideFriction result;
  result.outside.top = sandSideFriction(increment, pile, increment.stressTop);
  result.outside.bottom = sandSideFriction(increment, pile, increment.stressBottom);
  result.inside = result.outside;
  return result;
}

NodePair ngiEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile) {
  if (increment.soilType > 1.0 + 1.0e-6) {
    const double q = 9.0 * increment.undrainedShear;
    return {q, q};
  }
  return {sandEndBearing(increment, pile, increment.stressTop),
          sandEndBearing(increment, pile, increment.stressBottom)};
}

void computeNgiUnitResistance(RunState& state) {
  computeOffshoreUnitResistance(state, kMethodNgi, ngiSideFriction);
}

void ngiSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  offshoreUnitEndBearing(state, k, top, bottom, ngiEndBearing);
}

}  // namespace corvex
