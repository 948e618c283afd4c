#include "methods/soil_profile.h"

#include <limits>

#include "methods/cpt_lookup.h"
#include "methods/phi_from_n.h"

namespace corvex {
namespace {

void computeEffectiveStress(RunState& state) {
  ComputationState& c = state.computation;
  const double scale = isEnglish(state.input) ? 1000.0 : 1.0;  // pcf*ft -> ksf
  c.SigmaV[1] = 0.0;
  for (int k = 1; k <= c.incrementCount; ++k) {
    const IncrementSoil& seg = c.increments[k];
    c.SigmaV[2 * k] =
        c.SigmaV[2 * k - 1] + (seg.zbot - seg.ztop) * seg.effectiveUnitWeight / scale;
    c.SigmaV[2 * k + 1] = c.SigmaV[2 * k];
  }
}

void fillMissingFrictionAngles(RunState& state) {
  ComputationState& c = state.computation;
  for (int k = 1; k <= c.incrementCount; ++k) {
    IncrementSoil& seg = c.increments[k];
    // The blow-count column of a clay layer holds its yield stress ratio, which the SPT
    // chart cannot turn into a friction angle: clay keeps its own angle.
    const bool clay = seg.soilType == 2.0;
    if (!clay && seg.frictionAngle < 1.0e-10 && seg.blowCount > 0.0) {
      seg.frictionAngle = PhiFromN(seg.blowCount, bottomStressPsi(state, k));
    }
  }
}

void fillMissingUndrainedStrength(RunState& state) {
  ComputationState& c = state.computation;
  const double scale = isEnglish(state.input) ? 1000.0 : 1.0;
  for (int k = 1; k <= c.incrementCount; ++k) {
    IncrementSoil& seg = c.increments[k];
    if (seg.undrainedShear < 1.0e-10) seg.undrainedShear = seg.coneResistance / scale / 15.0;
  }
}

// Critical depth valid for each increment, by the project's critical-depth mode.
void computeCriticalDepths(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  const int n = c.incrementCount;
  if (in.criticalDepthMode == 1) {
    // The first increment below the top one whose bottom stress passes 3.5 ksf (167.58
    // kPa). When the stress never gets there the profile has no critical depth: the
    // stress is then not limited anywhere (a critical depth of 0 would wipe out every
    // stress-based friction of the column).
    const double threshold = isEnglish(in) ? 3.5 : 167.58;
    double zc = std::numeric_limits<double>::max();
    for (int k = 2; k <= n; ++k) {
      if (c.SigmaV[2 * k] > threshold) {
        zc = c.increments[k].zbot;
        break;
      }
    }
    for (int k = 1; k <= n; ++k) c.criticalDepth[k] = zc;
  } else if (in.criticalDepthMode == 2) {
    for (int k = 1; k <= n; ++k) c.criticalDepth[k] = in.userCriticalDepth;
  } else {
    const double d = diameterInLengthUnit(in, in.outerDiameter);
    double zc = 0.0;
    for (int k = 1; k <= n; ++k) {
      const IncrementSoil& seg = c.increments[k];
      if (seg.soilType < 1.5) {
        const double phi = seg.frictionAngle;
        zc = phi < 33.0 ? 10.0 * d : (phi < 36.0 ? 15.0 * d : 20.0 * d);
      }
      c.criticalDepth[k] = zc;
    }
  }
}

void computeLimitedStress(RunState& state) {
  ComputationState& c = state.computation;
  const int n = c.incrementCount;
  const double scale = isEnglish(state.input) ? 1000.0 : 1.0;
  c.SigmaVc[1] = c.SigmaV[1];
  c.SigmaVc[2] = c.SigmaV[2];
  c.SigmaVc[3] = c.SigmaVc[2];
  for (int k = 2; k <= n; ++k) {
    const double zc = c.criticalDepth[k];
    c.SigmaVc[2 * k] = c.SigmaV[2 * k];
    if (c.increments[k].zbot >= zc) {
      int j = 2;
      while (j < k && c.increments[j].zbot < zc) ++j;
      const IncrementSoil& above = c.increments[j - 1];
      c.SigmaVc[2 * k] =
          c.SigmaV[2 * (j - 1) - 1] + (zc - above.ztop) * above.effectiveUnitWeight / scale;
    }
    c.SigmaVc[2 * k + 1] = c.SigmaVc[2 * k];
  }
}

}  // namespace

double bottomStressPsi(const RunState& state, int k) {
  const double sigma = state.computation.SigmaV[2 * k];
  return isEnglish(state.input) ? sigma * 1000.0 / 144.0 : sigma / 6.8948;
}

double offshoreConeResistance(const RunState& state, int k, double lookupDepth, double pa) {
  const InputModel& in = state.input;
  const IncrementSoil& seg = state.computation.increments[k];
  const double scale = isEnglish(in) ? 1000.0 : 1.0;
  if (seg.coneResistance >= 1.0e-5) return seg.coneResistance / scale;
  // The CPT file carries qc in ksf (English) or kPa, already the unit of the rules; only
  // the layer tables hold lb/ft2.
  if (hasCptData(in)) return CptLookup(in, lookupDepth);
  return 2.8 * pa * seg.blowCount;
}

void computeSoilProfile(RunState& state) {
  computeEffectiveStress(state);
  fillMissingFrictionAngles(state);
  fillMissingUndrainedStrength(state);
  computeCriticalDepths(state);
  computeLimitedStress(state);
}

}  // namespace corvex
