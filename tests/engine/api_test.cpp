// The API RP 2A rules: adhesion factor, sand friction and its limits, end-bearing limits,
// and the LRFD factor on bearing applied by the driver.
#include <gtest/gtest.h>

#include "core/driver.h"
#include "methods/api.h"
#include "methods/end_bearing_steps.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

using test::Layer;
using test::makeColumn;
using test::Pile;
using test::prepare;

TEST(ApiAlpha, BelowAtAndAboveAStrengthRatioOfOne) {
  struct Case { double su, sigma, alpha; };
  const Case cases[] = {
      {0.3, 0.6, 0.70710678},   // psi 0.5: 0.5 / sqrt(0.5)
      {0.6, 0.6, 0.5},          // psi 1: square-root branch
      {1.6, 0.1, 0.25},         // psi 16: 0.5 * 16^-0.25
      {0.1, 1.0, 1.0},          // psi 0.1: 1.58, capped at 1
      {0.0, 1.0, 1.0},          // su 0: psi floored, alpha capped
      {1.0, 0.0, 0.0015811388},  // stress floored at 1e-10: 0.5 * (1e10)^-0.25
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(apiAlpha(c.su, c.sigma), c.alpha, 1e-8) << c.su << " / " << c.sigma;
  }
}

TEST(ApiClay, OutsideAndInsideFrictionAtTheNodes) {
  Layer clay;
  clay.top = 0;
  clay.bottom = 20;
  clay.soilType = 2;
  clay.gamma = 50;
  clay.su = 1.0;
  clay.sur = 0.4;
  auto s = makeColumn({clay}, Pile{});
  prepare(*s);
  computeApiUnitResistance(*s);
  const MethodResults& m = s->computation.methods[kMethodApi];
  // Increment 13: bottom stress 0.65 ksf, psi 1.5385, alpha 0.5 * psi^-0.25 = 0.448950.
  EXPECT_NEAR(m.outsideFriction[25], 0.448950, 1e-6);
  EXPECT_NEAR(m.outsideFriction[26], 0.448950, 1e-6);
  EXPECT_NEAR(m.insideFriction[25], 0.448950 * 0.4, 1e-6);
  EXPECT_NEAR(m.insideFriction[26], 0.448950, 1e-6);
}

// Sand with K = 10 and phi 25 (delta 20 deg): 10 * 0.06 z * tan 20 = 0.218382 z ksf.
Layer strongSand(double fmax) {
  Layer l;
  l.top = 0;
  l.bottom = 30;
  l.gamma = 60;
  l.k = 10;
  l.phi = 25;
  l.nq = 20;
  l.fmax = fmax;
  return l;
}

TEST(ApiSand, FrictionWithAndWithoutTheLimitTable) {
  auto open = makeColumn({strongSand(kNoLimit)}, Pile{});
  prepare(*open);
  computeApiUnitResistance(*open);
  const MethodResults& m = open->computation.methods[kMethodApi];
  EXPECT_NEAR(m.reportedFriction[11], 2.183821, 1e-6);  // 10 ft, no limit
  EXPECT_NEAR(m.incrementForce[11], 6.517638, 1e-6);   // (1.965439 + 2.183821) / 2 * 3.14159

  auto limited = makeColumn({strongSand(9999.0)}, Pile{});
  prepare(*limited);
  computeApiUnitResistance(*limited);
  const MethodResults& l = limited->computation.methods[kMethodApi];
  EXPECT_NEAR(l.limitingFriction[11], 1.4, 1e-12);     // phi 25
  EXPECT_NEAR(l.reportedFriction[11], 1.4, 1e-12);
  EXPECT_NEAR(l.incrementForce[11], 1.4 * 3.14159, 1e-9);  // capped increment force
  EXPECT_NEAR(l.reportedFriction[3], 0.436764, 1e-6);  // 2 ft: below the limit

  EXPECT_NEAR(apiSandFrictionLimit(32.5, true), 1.85, 1e-12);
  EXPECT_NEAR(apiSandFrictionLimit(20.0, false), 47.8, 1e-12);
  EXPECT_NEAR(apiSandFrictionLimit(45.0, true), 2.4, 1e-12);
}

TEST(ApiSand, EndBearingLimitFromTableOrFromTheUsersMaximum) {
  EXPECT_NEAR(apiSandEndBearingLimit(20.0, true), 40.0, 1e-12);
  EXPECT_NEAR(apiSandEndBearingLimit(20.0, false), 1900.0, 1e-12);
  EXPECT_NEAR(apiSandEndBearingLimit(32.5, true), 150.0, 1e-12);
  EXPECT_NEAR(apiSandEndBearingLimit(42.0, false), 12000.0, 1e-12);

  // phi 20, Nq 40 at 60 pcf: 2.4 z ksf, limited at 40 ksf from 16.67 ft down.
  Layer l = strongSand(kNoLimit);
  l.phi = 20;
  l.nq = 40;
  auto s = makeColumn({l}, Pile{});
  prepare(*s);
  double top = 0, bottom = 0;
  apiSandUnitEndBearing(*s, 5, top, bottom);
  EXPECT_NEAR(top, 2.4 * 4, 1e-9);
  EXPECT_NEAR(bottom, 2.4 * 5, 1e-9);
  apiSandUnitEndBearing(*s, 25, top, bottom);
  EXPECT_NEAR(bottom, 40.0, 1e-12);
  s->computation.increments[25].maxUnitEndBearing = 30.0;
  apiSandUnitEndBearing(*s, 25, top, bottom);
  EXPECT_NEAR(bottom, 30.0, 1e-12);
}

TEST(ApiDriver, EndFactorOfOneHalfHalvesTheEndBearing) {
  Layer sand = strongSand(kNoLimit);
  sand.k = 0.8;
  sand.phi = 30;
  auto full = makeColumn({sand}, Pile{12.0, 0.0, 20.0, 1.0});
  full->input.totalLength = 20.0;  // the driver takes away the stick-up (0)
  runComputation(*full);
  auto half = makeColumn({sand}, Pile{12.0, 0.0, 20.0, 1.0});
  for (int p = 1; p <= 2; ++p) half->input.points[p].endReductionFactor = 0.5;
  runComputation(*half);

  const MethodResults& a = full->computation.methods[kMethodApi];
  const MethodResults& b = half->computation.methods[kMethodApi];
  // Row 5 (4 ft), closed 12 in pile: A * 1.2 * 4 = 3.769908 unfactored.
  EXPECT_NEAR(a.endBearing[5], 3.769908, 1e-6);
  EXPECT_NEAR(b.endBearing[5], 0.5 * 3.769908, 1e-6);
  EXPECT_NEAR(b.unfactoredEndBearing[5], 3.769908, 1e-6);
  for (int i = 1; i <= 21; ++i) {
    EXPECT_NEAR(b.endBearing[i], 0.5 * a.endBearing[i], 1e-9);
    EXPECT_NEAR(b.ultimateCapacity[i], a.ultimateCapacity[i] - 0.5 * a.endBearing[i], 1e-9);
  }
}

}  // namespace
}  // namespace corvex
