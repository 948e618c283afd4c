// Revised Lambda method: μ, λ and Qs of a row against hand calculations, and the row rules
// (1e-7 rule, limits, tension, factored cumulative column).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "methods/lambda.h"

namespace corvex {
namespace {

constexpr double kNoLimit = 9999999.0;

// Uniform clay (su = 1 ksf) with σ′v = 0.05 ksf per ft, 1-ft increments.
std::vector<LambdaIncrement> clayColumn(int count) {
  std::vector<LambdaIncrement> column(static_cast<std::size_t>(count));
  for (int k = 1; k <= count; ++k) {
    LambdaIncrement& inc = column[static_cast<std::size_t>(k - 1)];
    inc.soilType = 2.0;
    inc.undrainedShear = 1.0;
    inc.length = 1.0;
    inc.stressTop = 0.05 * (k - 1);
    inc.stressBottom = 0.05 * k;
    inc.maxSideFriction = kNoLimit;
  }
  return column;
}

LambdaPile steelPipe12in() {
  LambdaPile pile;
  pile.diameter = 12.0;
  pile.elasticModulus = 29.0e6;
  pile.depthIncrement = 1.0;
  return pile;
}

// Row at p = 10 ft: σ′ = 0.5, σ′m = 0.25, cm = 1 ksf.
//   A = π/4·144 in², so μ = π·12·100·1·1000/(29e6·36π·0.1) = 1/87 = 0.0114943
//   cm/σ′m = 4 ≥ 0.4: λ = 0.232 − 0.032·ln(1/87) = 0.3749091
//   Qs = (2·1 + 0.25)·0.3749091·(3.14159·1 ft)·10 = 26.50074 kips
TEST(LambdaRows, ClayRowMatchesHandCalculation) {
  const auto column = clayColumn(20);
  std::array<LambdaRow, 15> rows{};
  computeLambdaRows(steelPipe12in(), column, rows);
  const LambdaRow& row = rows[10];
  EXPECT_DOUBLE_EQ(row.penetration, 10.0);
  EXPECT_NEAR(row.stress, 0.5, 1e-12);
  EXPECT_NEAR(row.meanStress, 0.25, 1e-12);
  EXPECT_NEAR(row.meanStrength, 1.0, 1e-12);
  EXPECT_NEAR(row.compressibility, 1.0 / 87.0, 1e-9);
  EXPECT_NEAR(row.lambda, 0.3749091, 1e-7);
  EXPECT_NEAR(row.skinFriction, 26.50074, 1e-4);
  // The row's unit friction is the growth of Qs over one perimeter·Δz.
  EXPECT_NEAR(row.unitFriction, (rows[10].skinFriction - rows[9].skinFriction) / 3.14159, 1e-12);
  // Row 1 at the surface: μ = 0, λ = 0, Qs = 0.
  EXPECT_DOUBLE_EQ(rows[0].compressibility, 0.0);
  EXPECT_DOUBLE_EQ(rows[0].lambda, 0.0);
  EXPECT_DOUBLE_EQ(rows[0].skinFriction, 0.0);
}

// Loose-ratio sand (K = 0.5, φ = 30, σ′v = 0.1 ksf per ft) at p = 10 ft:
//   cm = 0.5·tan 30°·0.5 = 0.1443376 (mean of the mid-increment stresses is 0.5)
//   cm/σ′m = 0.2887 < 0.4: λ = 0.178 − 0.016·ln μ, μ = 100·cm·12000/(29e6·3.6) = 0.00165905
//   λ = 0.2804241;  Qs = (2·0.1443376 + 0.5)·0.2804241·3.14159·10 = 6.948052
TEST(LambdaRows, SandBelowTheRatioUsesTheNormallyConsolidatedLine) {
  auto column = clayColumn(20);
  for (std::size_t k = 0; k < column.size(); ++k) {
    column[k].soilType = 1.0;
    column[k].lateralCoefficient = 0.5;
    column[k].frictionAngle = 30.0;
    column[k].stressTop = 0.1 * static_cast<double>(k);
    column[k].stressBottom = 0.1 * static_cast<double>(k + 1);
  }
  std::array<LambdaRow, 11> rows{};
  computeLambdaRows(steelPipe12in(), column, rows);
  EXPECT_NEAR(rows[10].meanStrength, 0.1443376, 1e-7);
  EXPECT_NEAR(rows[10].compressibility, 0.00165905, 1e-8);
  EXPECT_NEAR(rows[10].lambda, 0.2804241, 1e-7);
  EXPECT_NEAR(rows[10].skinFriction, 6.948052, 1e-5);
}

TEST(LambdaFactor, Lines) {
  struct Case { double mu, cm, sigma, expected; };
  const std::array<Case, 5> cases{{
      {0.0, 1.0, 1.0, 0.0},                                   // μ = 0
      {1.0, 0.3, 1.0, 0.178},                                 // ratio < 0.4, ln 1 = 0
      {1.0, 0.4, 1.0, 0.232},                                 // ratio = 0.4: other line
      {std::exp(-2.0), 1.0, 1.0, 0.232 + 0.064},              // stiff pile: large λ kept
      {std::exp(5.0), 1.0, 1.0, 0.14},                        // 0.072 raised to 0.14
  }};
  for (const Case& c : cases) {
    EXPECT_NEAR(lambdaFactor(c.mu, c.cm, c.sigma), c.expected, 1e-12) << "mu " << c.mu;
  }
}

// A noncircular tip area is held in ft² (m²); μ takes it in in² (mm²) like the circular
// section it replaces.
//   English: A = 1 ft² = 144 in², μ = 3.14159·12·10²·1·1000/(29e6·144·0.1) = 0.00902756
//   SI: A = 0.09 m² = 90000 mm², μ = 3.14159·300·10²·50·1e6/(30e6·90000·2.54) = 0.687137
TEST(LambdaCompressibility, NoncircularTipAreaInTheSectionUnit) {
  LambdaPile english = steelPipe12in();
  english.noncircularTipArea = 1.0;
  EXPECT_NEAR(lambdaCompressibility(english, 10.0, 1.0), 0.00902756, 1e-8);
  LambdaPile metric;
  metric.english = false;
  metric.diameter = 300.0;
  metric.elasticModulus = 30.0e6;
  metric.noncircularTipArea = 0.09;
  EXPECT_NEAR(lambdaCompressibility(metric, 10.0, 50.0), 0.687137, 1e-6);
}

TEST(LambdaRows, ZeroFrictionLengthClearsTheStrengthAbove) {
  const auto column = clayColumn(10);
  std::array<double, 10> strength{};
  lambdaStrengthTerms(column, 2.5, strength);
  EXPECT_EQ(strength[0], 0.0);
  EXPECT_EQ(strength[1], 0.0);
  EXPECT_EQ(strength[2], 1.0);  // 2–3 ft straddles the length and keeps its strength
  lambdaStrengthTerms(column, 3.0, strength);
  EXPECT_EQ(strength[2], 0.0);  // an increment ending exactly at it is cleared too
  EXPECT_EQ(strength[3], 1.0);
}

// A stiff crust over a strengthless layer: Qs stops growing, so the rows below keep the
// unit friction of the last row that grew and Qs is re-accumulated from it.
TEST(LambdaRows, RowWithoutGrowthKeepsThePreviousUnitFriction) {
  auto column = clayColumn(10);
  for (std::size_t k = 2; k < column.size(); ++k) column[k].undrainedShear = 0.0;
  for (auto& inc : column) {  // almost weightless soil
    inc.stressTop *= 1e-3;
    inc.stressBottom *= 1e-3;
  }
  std::array<LambdaRow, 8> rows{};
  computeLambdaRows(steelPipe12in(), column, rows);
  ASSERT_GT(rows[2].unitFriction, 1e-7);
  for (std::size_t i = 3; i < rows.size(); ++i) {
    EXPECT_DOUBLE_EQ(rows[i].unitFriction, rows[2].unitFriction) << "row " << i + 1;
    EXPECT_NEAR(rows[i].skinFriction, rows[i - 1].skinFriction + 3.14159 * rows[i].unitFriction,
                1e-9);
  }
}

TEST(LambdaRows, LimitsTensionAndFactoredColumn) {
  auto column = clayColumn(20);
  std::array<LambdaRow, 15> free{};
  computeLambdaRows(steelPipe12in(), column, free);

  // fmax of a row caps its unit friction; the increment force is capped by the mean fmax.
  for (auto& inc : column) inc.maxSideFriction = 0.5;
  column[12].maxSideFriction = 0.3;
  std::array<LambdaRow, 15> limited{};
  computeLambdaRows(steelPipe12in(), column, limited);
  EXPECT_NEAR(limited[10].unitFriction, 0.5, 1e-12);
  EXPECT_NEAR(limited[12].unitFriction, 0.3, 1e-12);
  EXPECT_NEAR(limited[13].unitFriction, 0.4, 1e-12);  // (0.3 + 0.5)/2

  // Tension halves Qs and the unit friction; the LRFD factor scales the reported column,
  // and the load transfer follows the reduced-curves switch.
  column = clayColumn(20);
  for (auto& inc : column) inc.sideFactor = 0.8;
  LambdaPile pile = steelPipe12in();
  pile.tension = true;
  pile.tensionFactor = 0.5;
  std::array<LambdaRow, 15> tension{};
  computeLambdaRows(pile, column, tension);
  EXPECT_NEAR(tension[10].skinFriction, 0.5 * free[10].skinFriction, 1e-9);
  EXPECT_NEAR(tension[10].unitFriction, 0.5 * free[10].unitFriction, 1e-9);
  EXPECT_NEAR(tension[10].factoredSkinFriction, 0.4 * free[10].skinFriction, 1e-9);
  EXPECT_DOUBLE_EQ(tension[10].loadTransfer, tension[10].skinFriction);
  pile.reducedCurves = true;
  computeLambdaRows(pile, column, tension);
  EXPECT_DOUBLE_EQ(tension[10].loadTransfer, tension[10].factoredSkinFriction);
}

}  // namespace
}  // namespace corvex
