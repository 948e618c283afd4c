#include "methods/uwa.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/offshore_run.h"

namespace corvex {

double uwaFillingRatio(const OffshorePile& pile) {
  const double innerMetres =
      std::max(pile.endInnerDiameter, 0.0) * (pile.english ? 0.0254 : 0.001);
  return std::min(1.0, std::pow(innerMetres / 1.5, 0.2));
}

double uwaEffectiveAreaRatio(const OffshorePile& pile) {
  if (!(pile.diameter > 0.0)) return 1.0;
  const double ratio = pile.endInnerDiameter / pile.diameter;
  return 1.0 - uwaFillingRatio(pile) * ratio * ratio;
}

double uwaSandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                           double sigmaV) {
  const double pa = sideFrictionPa(pile.english);
  const double qc = increment.coneResistance;
  const double d = pile.diameter;
  if (!(d > 0.0)) return 0.0;
  const double ar = uwaEffectiveAreaRatio(pile);
  const double hOverD = std::max(heightAboveTip(increment, pile) / d, 2.0);
  const double radialStress = 0.03 * qc * std::pow(std::max(ar, 0.0), 0.3) * std::pow(hOverD, -0.5);

  // G = 185 qc qc1N^-0.75 tends to 0 with qc; a zero cone resistance gives no dilation
  // rather than the undefined 0 * infinity.
  double dilation = 0.0;
  if (qc > 0.0) {
    const double qc1n = (qc / pa) / std::sqrt(std::max(sigmaV / pa, 1.0e-7));
    const double g = 185.0 * qc * std::pow(qc1n, -0.75);
    const double dr = pile.english ? kDilationDisplacementEnglish : kDilationDisplacementSI;
    dilation = 4.0 * g * dr / d;
  }

  double normalStress = radialStress + dilation;
  if (pile.tension) normalStress *= 0.75;
  return normalStress * interfaceTangent(increment.frictionAngle);
}

OffshoreSideFriction uwaSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile) {
  if (increment.soilType > 1.0) return offshoreClaySideFriction(increment, pile);
  OffshoreSideFriction result;
  result.outside.top = uwaSandSideFriction(increment, pile, increment.stressTop);
  result.outside.bottom = uwaSandSideFriction(increment, pile, increment.stressBottom);
  result.inside = result.outside;
  return result;
}

double uwaSandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile) {
  const double qc = increment.coneResistance;
  double q = (0.15 + 0.45 * uwaEffectiveAreaRatio(pile)) * qc;
  const bool closedOrPlugged = pile.endInnerDiameter < 1.0e-4 || pile.plugMode == 1;
  q = std::max(q, (closedOrPlugged ? 0.3 : 0.15) * qc);
  return limitByMaxEndBearing(q, increment.maxEndBearing);
}

void computeUwaUnitResistance(RunState& state) {
  computeOffshoreUnitResistance(state, kMethodUwa, uwaSideFriction);
}

void uwaSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  offshoreUnitEndBearing(state, k, top, bottom,
                         [](const OffshoreIncrement& increment, const OffshorePile& pile) {
                           const double q = uwaSandEndBearing(increment, pile);
                           return NodePair{q, q};
                         });
}

}  // namespace corvex
