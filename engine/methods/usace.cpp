#include "methods/usace.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "core/run_state.h"
#include "core/segment_table.h"
#include "methods/chart_lookup.h"
#include "methods/end_bearing_steps.h"

namespace corvex {
namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

constexpr double kNoLimitValue = 9999999.0;

// Nq against φ (degrees).
constexpr std::array<double, 13> kNqPhiAxis{0, 5, 10, 15, 20, 30, 32, 36, 38, 39, 40, 45, 50};
constexpr std::array<double, 13> kNq{1.0,  1.6,  2.7,  4.4,  7.4,   23.0, 30.0,
                                     56.0, 68.0, 79.0, 88.0, 200.0, 415.1};

}  // namespace

double usaceInterfaceAngle(int pileType, double phi) {
  switch (pileType) {
    case 1: return 0.75 * phi;
    case 2: return 0.9 * phi;
    case 3: return 0.95 * phi;
    case 4:
    case 5:
    case 7: return 0.75 * phi;
    case 6: return 0.875 * phi;  // mean of 0.75·φ and φ
    default: return phi - 5.0;
  }
}

double usaceLateralCoefficient(double k, bool apiSelected, bool tension) {
  if (apiSelected || k == 0.0) return tension ? 0.6 : 1.25;
  return k;
}

double usaceClayAlpha(double su, bool english) {
  if (english) {
    if (su <= 0.5) return 1.0;
    if (su <= 1.5) return 1.0 - 0.5 * (su - 0.5);
    return 0.5;
  }
  if (su <= 24.0) return 1.0;
  if (su <= 72.0) return 1.0 - 0.5 * (su - 24.0) / 48.0;
  return 0.5;
}

double usaceBearingFactor(double phi) { return ChartLookup(kNqPhiAxis, kNq, phi); }

UsaceSideFriction usaceSideFriction(const UsaceIncrement& inc, const UsaceOptions& options) {
  UsaceSideFriction f;
  const bool sandTerm = usaceHasSandTerm(inc.soilType);
  const bool clayTerm = inc.soilType > 1.0;  // clay and silt
  if (sandTerm) {
    const double k = usaceLateralCoefficient(inc.lateralCoefficient, options.apiSelected,
                                             options.tension);
    const double tanDelta = std::tan(radians(usaceInterfaceAngle(options.pileType,
                                                                 inc.frictionAngle)));
    f.outsideTop = k * inc.limitedStressTop * tanDelta;
    f.outsideBottom = k * inc.limitedStressBottom * tanDelta;
    f.insideTop = f.outsideTop;
    f.insideBottom = f.outsideBottom;
  }
  if (clayTerm) {
    const double alpha = usaceClayAlpha(inc.undrainedShear, options.english);
    f.outsideTop += alpha * inc.undrainedShear;
    f.outsideBottom += alpha * inc.undrainedShear;
    f.insideTop = alpha * inc.remoldedShear;
    f.insideBottom = f.outsideTop;
  }
  return f;
}

double usaceStressCriticalDepth(std::span<const double> soilTypes,
                                std::span<const double> bottomDepths,
                                std::span<const double> bottomStresses, bool english) {
  const double threshold = english ? 3.5 : 168.0;
  for (std::size_t k = 0; k < soilTypes.size(); ++k) {
    if (usaceHasSandTerm(soilTypes[k]) && bottomStresses[k] > threshold) {
      return bottomDepths[k] * 0.5;
    }
  }
  // The stress never gets there: no critical depth in the profile, so the end bearing is
  // not held anywhere. A critical depth of 0 would hold it at the stress of the first sand
  // increment, leaving next to no end bearing at any penetration.
  return kNoCriticalDepth;
}

UsaceCriticalDepths usaceCriticalDepths(int criticalDepthMode, double diameterLength,
                                        double criticalDepth) {
  if (criticalDepthMode > 0) return {criticalDepth, criticalDepth, criticalDepth};
  return {10.0 * diameterLength + 1.0, 15.0 * diameterLength + 1.0, 20.0 * diameterLength + 1.0};
}

UsaceEndBearing::Nodes UsaceEndBearing::sandNodes(const UsaceCriticalDepths& depths,
                                                  double phi, double penetration,
                                                  double stressTop, double stressBottom,
                                                  double limitedStressBottom,
                                                  double maxEndBearing) {
  if (phi < 33.0 && penetration >= depths.loose && held_ < 1.0e-5) {
    held_ = limitedStressBottom;
  }
  if (phi >= 33.0 && penetration >= depths.medium) {
    if (savedMedium_ < 1.0e-5 && phi < 36.0) savedMedium_ = limitedStressBottom;
    held_ = savedMedium_;
  }
  if (phi >= 36.0 && penetration >= depths.dense) {
    if (savedDense_ < 1.0e-5) savedDense_ = limitedStressBottom;
    held_ = savedDense_;
  }
  const double nq = usaceBearingFactor(phi);
  Nodes q{stressTop * nq, stressBottom * nq};
  if (held_ > 1.0e-5 && held_ < stressBottom) q = {held_ * nq, held_ * nq};
  if (maxEndBearing != kNoLimitValue && maxEndBearing > 0.001) {
    if (q.top > maxEndBearing) q.top = maxEndBearing;
    if (q.bottom > maxEndBearing) q.bottom = maxEndBearing;
  }
  return q;
}

void computeUsaceUnitResistance(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  MethodResults& m = c.methods[kMethodUsace];
  const bool english = in.unitSystem == 1;
  const int count = c.incrementCount;

  // The end-bearing pass that follows this routine starts with no saved stresses. A pass
  // run before the routine (with the profile's critical depth, not the one recomputed
  // below) would otherwise leave the medium and dense sand stresses of the wrong depth,
  // and those would stand for the rest of the analysis.
  c.usace.endBearing = UsaceEndBearing{};
  c.usace.lastSandIncrement = 0;

  if (in.criticalDepthMode == 1) {
    std::array<double, kIncrementSlots> types{};
    std::array<double, kIncrementSlots> bottoms{};
    std::array<double, kIncrementSlots> stresses{};
    for (int k = 1; k <= count; ++k) {
      types[static_cast<std::size_t>(k - 1)] = c.increments[k].soilType;
      bottoms[static_cast<std::size_t>(k - 1)] = c.increments[k].zbot;
      stresses[static_cast<std::size_t>(k - 1)] = c.SigmaV[2 * k];
    }
    const std::size_t n = static_cast<std::size_t>(count > 0 ? count : 0);
    c.usace.stressCriticalDepth = usaceStressCriticalDepth(
        std::span<const double>(types.data(), n), std::span<const double>(bottoms.data(), n),
        std::span<const double>(stresses.data(), n), english);
    c.usace.stressCriticalDepthSet = true;
  }

  const UsaceOptions options{english, in.pileType, in.methodSwitch[4] == 1,
                             in.loadingType == 1};
  for (int k = 1; k <= count; ++k) {
    const IncrementSoil& seg = c.increments[k];
    UsaceIncrement inc;
    inc.soilType = seg.soilType;
    inc.lateralCoefficient = seg.lateralCoefficient;
    inc.frictionAngle = seg.frictionAngle;
    inc.undrainedShear = seg.undrainedShear;
    inc.remoldedShear = seg.remoldedShear;
    inc.limitedStressTop = c.SigmaVc[2 * k - 1];
    inc.limitedStressBottom = c.SigmaVc[2 * k];
    const UsaceSideFriction f = usaceSideFriction(inc, options);
    m.outsideFriction[2 * k - 1] = f.outsideTop;
    m.outsideFriction[2 * k] = f.outsideBottom;
    m.insideFriction[2 * k - 1] = f.insideTop;
    m.insideFriction[2 * k] = f.insideBottom;
  }
  m.writesInsideFriction = true;
  rowUnitFriction(state, m);
  limitingFrictionFromProfile(state, m);
  accumulateSkinFriction(state, m, /*applyTensionFactor=*/true);
}

void usaceSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  UsaceRunState& usace = c.usace;
  if (k <= usace.lastSandIncrement) usace.endBearing.startPass();
  usace.lastSandIncrement = k;

  double criticalDepth = 0.0;
  if (in.criticalDepthMode == 2) {
    criticalDepth = in.userCriticalDepth;
  } else if (in.criticalDepthMode == 1) {
    // Before the method routine has run, the profile's critical depth stands.
    criticalDepth = usace.stressCriticalDepthSet ? usace.stressCriticalDepth
                                                 : c.criticalDepth[k];
  }
  const double diameter = in.outerDiameter / (in.unitSystem == 1 ? 12.0 : 1000.0);
  const UsaceCriticalDepths depths =
      usaceCriticalDepths(in.criticalDepthMode, diameter, criticalDepth);
  const IncrementSoil& seg = c.increments[k];
  const double penetration = static_cast<double>(k - 1) * c.increment;
  const UsaceEndBearing::Nodes q = usace.endBearing.sandNodes(
      depths, seg.frictionAngle, penetration, c.SigmaV[2 * k - 1], c.SigmaV[2 * k],
      c.SigmaVc[2 * k], seg.maxUnitEndBearing);
  top = q.top;
  bottom = q.bottom;
}

}  // namespace corvex
