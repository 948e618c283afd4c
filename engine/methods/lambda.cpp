#include "methods/lambda.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "core/run_state.h"

namespace corvex {
namespace {

constexpr double kPi = 3.14159;
constexpr double kTiny = 1.0e-10;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Where penetration p lies: the increment that contains it and the depth of its top.
struct Location {
  std::size_t index = 0;
  double top = 0.0;
};

Location locate(std::span<const LambdaIncrement> increments, double p) {
  Location at;
  for (std::size_t k = 0; k < increments.size(); ++k) {
    at.index = k;
    if (at.top + increments[k].length >= p - kDepthTolerance) return at;
    at.top += increments[k].length;
  }
  at.top -= increments.empty() ? 0.0 : increments.back().length;  // below the last: extend it
  return at;
}

// Turns the running Qs values into row friction: a unit friction that does not grow takes
// the previous row's value, the unit friction is limited by the row's fmax and the
// increment force by the mean fmax of the two rows, and Qs is re-accumulated from the
// limited friction.
void limitRows(std::span<const LambdaIncrement> increments, double perimeter, double dz,
               std::span<LambdaRow> rows) {
  double previousSkin = 0.0;
  double previousUnit = 0.0;
  double previousMax = 0.0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::size_t k = std::min(i, increments.size() - 1);
    const double rowMax = increments[k].maxSideFriction;
    double f = (rows[i].skinFriction - previousSkin) / (perimeter * dz);
    if (f < 1.0e-7) f = previousUnit;
    if (f > rowMax) f = rowMax;
    if (i > 0 && f > (previousMax + rowMax) / 2.0) f = (previousMax + rowMax) / 2.0;
    rows[i].unitFriction = f;
    rows[i].skinFriction = previousSkin + perimeter * f * dz;
    previousSkin = rows[i].skinFriction;
    previousUnit = f;
    previousMax = rowMax;
  }
}

}  // namespace

void lambdaStrengthTerms(std::span<const LambdaIncrement> increments, double zeroFrictionLength,
                         std::span<double> strength) {
  for (std::size_t k = 0; k < increments.size(); ++k) {
    const LambdaIncrement& inc = increments[k];
    if (inc.soilType > 1.0) {
      strength[k] = inc.undrainedShear;
    } else {
      const double kLateral = inc.lateralCoefficient == 0.0 ? 1.0 : inc.lateralCoefficient;
      const double meanStress = (inc.stressTop + inc.stressBottom) / 2.0;
      strength[k] = kLateral * meanStress * std::tan(radians(inc.frictionAngle));
    }
  }
  // No strength over the zero-friction length; an increment ending exactly at it is
  // inside it too.
  if (increments.empty()) return;
  double z = increments[0].length;
  for (std::size_t k = 0; k < increments.size(); ++k) {
    if (zeroFrictionLength - z > kDepthTolerance) {
      strength[k] = 0.0;
      if (k + 1 < increments.size()) z += increments[k + 1].length;
    } else {
      if (std::fabs(zeroFrictionLength - z) <= kDepthTolerance) strength[k] = 0.0;
      break;
    }
  }
}

double lambdaCompressibility(const LambdaPile& pile, double p, double meanStrength) {
  const double d = pile.diameter;
  double area = kPi / 4.0 * (d * d - pile.endInnerDiameter * pile.endInnerDiameter);
  // The tip area of a noncircular pile is held in ft² (m²); the compressibility number
  // wants in² (mm²), like the circular section it replaces.
  if (pile.noncircularTipArea > 1.0e-4) {
    area = pile.noncircularTipArea * (pile.english ? 144.0 : 1.0e6);
  }
  double denominator = pile.english ? pile.elasticModulus * area * 0.1
                                    : pile.elasticModulus * area * 2.54;
  const double scale = pile.english ? 1000.0 : 1.0e6;
  if (denominator < kTiny) denominator = kTiny;  // a pile without stiffness: μ very large
  return kPi * d * p * p * meanStrength * scale / denominator;
}

double lambdaFactor(double mu, double meanStrength, double meanStress) {
  if (mu <= 0.0) return 0.0;
  const double ratio = meanStrength / std::max(meanStress, kTiny);
  const double lambda = ratio < 0.4 ? 0.178 - 0.016 * std::log(mu) : 0.232 - 0.032 * std::log(mu);
  return lambda < 0.14 ? 0.14 : lambda;
}

void computeLambdaRows(const LambdaPile& pile, std::span<const LambdaIncrement> increments,
                       std::span<LambdaRow> rows) {
  if (increments.empty() || rows.empty()) return;
  std::array<double, kMaxIncrements> strengthStore{};
  const std::size_t n = std::min(increments.size(), strengthStore.size());
  increments = increments.first(n);
  std::span<double> strength(strengthStore.data(), n);
  lambdaStrengthTerms(increments, pile.zeroFrictionLength, strength);

  const double perimeterLength = kPi * pile.diameter / (pile.english ? 12.0 : 1000.0);
  const double dz = pile.depthIncrement;
  if (perimeterLength <= 0.0 || dz <= 0.0) {  // no shaft: no skin friction
    for (LambdaRow& row : rows) row = LambdaRow{};
    return;
  }

  for (std::size_t i = 0; i < rows.size(); ++i) {
    LambdaRow& row = rows[i];
    row = LambdaRow{};
    const double p = static_cast<double>(i) * dz;
    row.penetration = p;
    const Location at = locate(increments, p);
    const LambdaIncrement& inc = increments[at.index];
    const double within = p - at.top;
    row.stress = inc.stressTop + (inc.stressBottom - inc.stressTop) * within / inc.length;
    if (at.index == 0 || p <= 0.0) {
      row.meanStress = (increments[0].stressTop + row.stress) / 2.0;
      row.meanStrength = strength[0];
    } else {
      double stressSum = 0.0;
      double strengthSum = 0.0;
      for (std::size_t k = 0; k < at.index; ++k) {
        stressSum += (increments[k].stressTop + increments[k].stressBottom) / 2.0 *
                     increments[k].length;
        strengthSum += strength[k] * increments[k].length;
      }
      stressSum += (inc.stressTop + row.stress) / 2.0 * within;
      strengthSum += strength[at.index] * within;
      row.meanStress = stressSum / p;
      row.meanStrength = strengthSum / p;
    }
    row.compressibility = lambdaCompressibility(pile, p, row.meanStrength);
    row.lambda = lambdaFactor(row.compressibility, row.meanStrength, row.meanStress);
    row.skinFriction = (2.0 * row.meanStrength + row.meanStress) * row.lambda * perimeterLength * p;
  }

  limitRows(increments, perimeterLength, dz, rows);
  if (pile.tension) {
    for (LambdaRow& row : rows) row.skinFriction *= pile.tensionFactor;
    limitRows(increments, perimeterLength, dz, rows);
  }

  double previousSkin = 0.0;
  double factored = 0.0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::size_t k = std::min(i, increments.size() - 1);
    factored += (rows[i].skinFriction - previousSkin) * increments[k].sideFactor;
    previousSkin = rows[i].skinFriction;
    rows[i].factoredSkinFriction = factored;
    rows[i].loadTransfer = pile.reducedCurves ? factored : rows[i].skinFriction;
  }
}

void computeLambdaUnitResistance(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  MethodResults& m = c.methods[kMethodLambda];
  const int count = c.incrementCount;
  const int rowCount = c.depthRowCount;
  if (count < 1 || rowCount < 1) return;

  std::array<LambdaIncrement, kIncrementSlots> increments{};
  for (int k = 1; k <= count; ++k) {
    const IncrementSoil& seg = c.increments[k];
    LambdaIncrement& inc = increments[static_cast<std::size_t>(k - 1)];
    inc.soilType = seg.soilType;
    inc.lateralCoefficient = seg.lateralCoefficient;
    inc.frictionAngle = seg.frictionAngle;
    inc.undrainedShear = seg.undrainedShear;
    inc.length = seg.length;
    inc.stressTop = c.SigmaV[2 * k - 1];
    inc.stressBottom = c.SigmaV[2 * k];
    inc.maxSideFriction = seg.maxUnitSideFriction;
    inc.sideFactor = seg.sideReductionFactor;
  }
  LambdaPile pile;
  pile.english = in.unitSystem == 1;
  pile.diameter = in.outerDiameter;
  pile.endInnerDiameter = in.enhancedEndInnerDiameter;
  pile.noncircularTipArea = in.tipArea;
  pile.elasticModulus = in.elasticModulus;
  pile.zeroFrictionLength = in.zeroFrictionLength;
  pile.depthIncrement = c.increment;
  pile.tension = in.loadingType == 1;
  pile.tensionFactor = in.tensionFactor;
  pile.reducedCurves = in.reducedCurvesSwitch == 1;

  std::array<LambdaRow, kRowSlots> rows{};
  computeLambdaRows(pile,
                    std::span<const LambdaIncrement>(increments.data(),
                                                     static_cast<std::size_t>(count)),
                    std::span<LambdaRow>(rows.data(), static_cast<std::size_t>(rowCount)));
  for (int i = 1; i <= rowCount; ++i) {
    const LambdaRow& row = rows[static_cast<std::size_t>(i - 1)];
    const int k = std::min(i, count);
    m.unitFriction[i] = row.unitFriction;
    m.limitingFriction[i] = c.increments[k].maxUnitSideFriction;
    m.reportedFriction[i] = row.unitFriction;
    m.incrementForce[i] =
        i == 1 ? 0.0 : row.skinFriction - rows[static_cast<std::size_t>(i - 2)].skinFriction;
    m.unfactoredSkinFriction[i] = row.skinFriction;
    m.factoredSkinFriction[i] = row.factoredSkinFriction;
    m.skinFriction[i] = row.factoredSkinFriction;
    m.loadTransferColumn[i] = row.loadTransfer;
  }
  m.writesInsideFriction = false;
}

}  // namespace corvex
