#include "methods/api.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/segment_table.h"
#include "methods/chart_lookup.h"
#include "methods/end_bearing_steps.h"
#include "methods/soil_profile.h"

namespace corvex {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

constexpr std::array<double, 5> kFrictionPhi = {20, 25, 30, 35, 40};
constexpr std::array<double, 5> kFrictionLimitKsf = {1.0, 1.4, 1.7, 2.0, 2.4};
constexpr std::array<double, 5> kFrictionLimitKpa = {47.8, 67.0, 83.1, 95.5, 114.8};

constexpr std::array<double, 5> kBearingPhi = {20, 25, 30, 35, 40};
constexpr std::array<double, 5> kBearingLimitKsf = {40, 60, 100, 200, 250};
constexpr std::array<double, 5> kBearingLimitKpa = {1900, 2900, 4800, 9600, 12000};

// A maximum unit side friction of exactly this value asks for the API table in sand.
constexpr double kUseApiFrictionLimit = 9999.0;

bool isSand(const IncrementSoil& seg) { return seg.soilType <= 1.0; }

void nodeFriction(RunState& state, MethodResults& m) {
  const ComputationState& c = state.computation;
  for (int k = 1; k <= c.incrementCount; ++k) {
    const IncrementSoil& seg = c.increments[k];
    const int top = 2 * k - 1, bottom = 2 * k;
    if (isSand(seg)) {
      const double tanDelta = std::tan((seg.frictionAngle - 5.0) * kDegree);
      for (int n : {top, bottom}) {
        m.outsideFriction[n] = seg.lateralCoefficient * c.SigmaV[n] * tanDelta;
        m.insideFriction[n] = m.outsideFriction[n];
      }
    } else {
      const double alpha = apiAlpha(seg.undrainedShear, c.SigmaV[bottom]);
      m.outsideFriction[top] = m.outsideFriction[bottom] = alpha * seg.undrainedShear;
      m.insideFriction[top] = alpha * seg.remoldedShear;
      m.insideFriction[bottom] = alpha * seg.undrainedShear;
    }
  }
  m.writesInsideFriction = true;
}

void rowLimits(RunState& state, MethodResults& m) {
  const ComputationState& c = state.computation;
  const bool english = isEnglish(state.input);
  for (int i = 1; i <= c.depthRowCount; ++i) {
    const IncrementSoil& seg = c.increments[incrementOfRow(c, i)];
    m.limitingFriction[i] = seg.maxUnitSideFriction;
    if (seg.maxUnitSideFriction == kUseApiFrictionLimit && isSand(seg)) {
      m.limitingFriction[i] = apiSandFrictionLimit(seg.frictionAngle, english);
    }
  }
}

}  // namespace

double apiAlpha(double su, double sigma) {
  const double psi = std::max(su / std::max(sigma, 1.0e-10), 1.0e-10);
  const double alpha = psi <= 1.0 ? 0.5 * std::pow(psi, -0.5) : 0.5 * std::pow(psi, -0.25);
  return std::min(alpha, 1.0);
}

double apiSandFrictionLimit(double phi, bool english) {
  return ChartLookup(kFrictionPhi, english ? kFrictionLimitKsf : kFrictionLimitKpa, phi);
}

double apiSandEndBearingLimit(double phi, bool english) {
  return ChartLookup(kBearingPhi, english ? kBearingLimitKsf : kBearingLimitKpa, phi);
}

void computeApiUnitResistance(RunState& state) {
  MethodResults& m = state.computation.methods[kMethodApi];
  nodeFriction(state, m);
  rowUnitFriction(state, m);
  rowLimits(state, m);
  accumulateSkinFriction(state, m, /*applyTensionFactor=*/true);
}

void apiSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  const ComputationState& c = state.computation;
  const IncrementSoil& seg = c.increments[k];
  const double limit = seg.maxUnitEndBearing != kNoLimit
                           ? seg.maxUnitEndBearing
                           : apiSandEndBearingLimit(seg.frictionAngle, isEnglish(state.input));
  top = std::min(c.SigmaV[2 * k - 1] * seg.nq, limit);
  bottom = std::min(c.SigmaV[2 * k] * seg.nq, limit);
}

}  // namespace corvex
