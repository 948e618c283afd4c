#include "core/segment_table.h"

#include <algorithm>

namespace corvex {
namespace {

double interpolate(double upper, double lower, double weight) {
  return upper + (lower - upper) * weight;
}

}  // namespace

void buildSegmentTable(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  const double dz = in.depthIncrement;
  c.increment = dz;
  int count = dz > 0.0 ? static_cast<int>(in.deepestProfileDepth / dz + kDepthTolerance) : 0;
  c.incrementCount = std::clamp(count, 0, kMaxIncrements);

  const int np = in.profilePointCount;
  const bool english = in.unitSystem == 1;
  int k = 1;
  double bottom = 0.0;
  for (int j = 1; j <= c.incrementCount; ++j) {
    IncrementSoil& seg = c.increments[j];
    seg.ztop = bottom;
    seg.zbot = bottom + dz;
    seg.length = seg.zbot - seg.ztop;
    bottom = seg.zbot;
    if (np < 1) continue;

    // The upper profile point: the first k (scanning downward, never back up) whose lower
    // neighbour lies below the increment's top. Below the last point the deepest pair
    // is extended along its straight line.
    while (k < np - 1 && !(in.points[k + 1].depth - seg.ztop > kDepthTolerance)) ++k;
    const ProfilePoint& a = in.points[std::min(k, np)];
    const ProfilePoint& b = in.points[std::min(k + 1, np)];
    const double thickness = b.depth - a.depth;
    const double weight = thickness > kDepthTolerance
                              ? (seg.ztop + 0.5 * dz - a.depth) / thickness
                              : 0.0;

    seg.soilType = a.soilType;
    seg.lateralCoefficient = interpolate(a.lateralCoefficient, b.lateralCoefficient, weight);
    seg.effectiveUnitWeight = interpolate(a.effectiveUnitWeight, b.effectiveUnitWeight, weight);
    seg.frictionAngle = interpolate(a.frictionAngle, b.frictionAngle, weight);
    seg.nq = interpolate(a.nq, b.nq, weight);
    seg.maxUnitSideFriction = interpolate(a.maxUnitSideFriction, b.maxUnitSideFriction, weight);
    seg.maxUnitEndBearing = interpolate(a.maxUnitEndBearing, b.maxUnitEndBearing, weight);
    seg.undrainedShear = interpolate(a.undrainedShear, b.undrainedShear, weight);
    seg.remoldedShear = interpolate(a.remoldedShear, b.remoldedShear, weight);
    seg.blowCount = interpolate(a.blowCount, b.blowCount, weight);
    seg.plasticityIndex = interpolate(a.plasticityIndex, b.plasticityIndex, weight);
    seg.coneResistance = interpolate(a.coneResistance, b.coneResistance, weight);
    seg.sideReductionFactor = interpolate(a.sideReductionFactor, b.sideReductionFactor, weight);
    seg.endReductionFactor = interpolate(a.endReductionFactor, b.endReductionFactor, weight);
    seg.userUnitSkinFriction =
        interpolate(a.userUnitSkinFriction, b.userUnitSkinFriction, weight);
    seg.userUnitEndBearing = interpolate(a.userUnitEndBearing, b.userUnitEndBearing, weight);
    // The user's values are psf in English units (turned into ksf here). The reduction
    // factor for tension loading scales them under tension only, and in both unit systems:
    // a compression run is never reduced by it, and an uplift analysis in SI units is
    // reduced exactly as the same analysis in English units.
    const double tensionScale = in.loadingType == 1 ? in.tensionFactor : 1.0;
    const double toStressUnit = english ? 1.0 / 1000.0 : 1.0;
    seg.userUnitSkinFriction = seg.userUnitSkinFriction * tensionScale * toStressUnit;
    seg.userUnitEndBearing = seg.userUnitEndBearing * tensionScale * toStressUnit;
  }
}

void buildDepthRows(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  const double dz = c.increment;
  int rows = dz > 0.0 ? static_cast<int>(in.totalLength / dz + kDepthTolerance) + 1 : 1;
  c.depthRowCount = std::clamp(rows, 1, kRowSlots - 1);
  for (int i = 1; i <= c.depthRowCount; ++i) c.rowDepth[i] = (i - 1) * dz;

  const int step = std::max(in.printInterval, 1);
  c.printedRowCount = 0;
  int last = 0;
  for (int i = 1; i <= c.depthRowCount; i += step) {
    c.printedRows[++c.printedRowCount] = i;
    last = i;
  }
  if (last != c.depthRowCount) c.printedRows[++c.printedRowCount] = c.depthRowCount;
}

int incrementOfRow(const ComputationState& computation, int row) {
  return std::clamp(row, 1, std::max(computation.incrementCount, 1));
}

}  // namespace corvex
