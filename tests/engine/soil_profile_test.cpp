// Segment values, effective stress, correlations, critical depth and the two lookups.
#include <gtest/gtest.h>

#include <array>

#include "methods/chart_lookup.h"
#include "methods/cpt_lookup.h"
#include "methods/phi_from_n.h"
#include "methods/soil_profile.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

using test::Layer;
using test::makeColumn;
using test::Pile;
using test::prepare;

Layer sand(double top, double bottom, double gamma, double phi) {
  Layer l;
  l.top = top;
  l.bottom = bottom;
  l.soilType = 1.0;
  l.gamma = gamma;
  l.k = 0.8;
  l.phi = phi;
  l.nq = 20.0;
  return l;
}

Layer clay(double top, double bottom, double gamma, double su) {
  Layer l;
  l.top = top;
  l.bottom = bottom;
  l.soilType = 2.0;
  l.gamma = gamma;
  l.su = su;
  return l;
}

TEST(SoilProfile, EffectiveStressAcrossALayerBoundary) {
  // 10 ft of sand at 60 pcf over clay at 50 pcf: 0.600 ksf at 10 ft, 0.650 ksf at 11 ft.
  auto s = makeColumn({sand(0, 10, 60, 30), clay(10, 20, 50, 1.0)}, Pile{});
  prepare(*s);
  const auto& c = s->computation;
  EXPECT_DOUBLE_EQ(c.SigmaV[1], 0.0);
  EXPECT_NEAR(c.SigmaV[20], 0.600, 1e-12);
  EXPECT_NEAR(c.SigmaV[21], 0.600, 1e-12);  // top of increment 11 repeats the bottom of 10
  EXPECT_NEAR(c.SigmaV[22], 0.650, 1e-12);
  EXPECT_NEAR(c.SigmaV[40], 1.100, 1e-12);
  EXPECT_EQ(c.increments[10].soilType, 1.0);
  EXPECT_EQ(c.increments[11].soilType, 2.0);
  EXPECT_NEAR(bottomStressPsi(*s, 10), 600.0 / 144.0, 1e-12);
}

TEST(SoilProfile, PropertiesInterpolatedAtIncrementMidDepth) {
  // phi 30 at 10 ft and 34 at 20 ft; the increment from 14 to 15 ft has its middle at
  // 14.5 ft: 30 + 4 * 4.5 / 10 = 31.8.
  auto s = makeColumn({sand(0, 10, 60, 30), sand(10, 20, 60, 30)}, Pile{});
  s->input.points[4].frictionAngle = 34.0;
  prepare(*s);
  EXPECT_NEAR(s->computation.increments[15].frictionAngle, 31.8, 1e-12);
  EXPECT_EQ(s->computation.incrementCount, 20);
}

TEST(SoilProfile, MissingFrictionAngleFromBlowCountOnlyWhereACountExists) {
  Layer loose = sand(0, 5, 60, 0);
  loose.blowCount = 10;
  Layer overconsolidated = clay(5, 10, 50, 1.0);
  overconsolidated.blowCount = 2.0;  // the clay table's yield stress ratio
  auto s = makeColumn({loose, overconsolidated}, Pile{});
  prepare(*s);
  // Increment 1: bottom stress 0.06 ksf = 60/144 psi; curve A 38, curve B 32 at N = 10:
  // 38 - 6 * (0.41667 / 20) = 37.875.
  EXPECT_NEAR(s->computation.increments[1].frictionAngle, 37.875, 1e-9);
  EXPECT_EQ(s->computation.increments[6].frictionAngle, 0.0);  // clay: no angle from YSR
}

TEST(SoilProfile, MissingUndrainedStrengthFromConeResistance) {
  Layer soft = clay(0, 5, 50, 0.0);
  soft.qc = 1500.0;  // psf
  Layer withQc = sand(5, 10, 60, 30);
  withQc.qc = 3000.0;
  auto s = makeColumn({soft, withQc}, Pile{});
  prepare(*s);
  EXPECT_NEAR(s->computation.increments[2].undrainedShear, 0.1, 1e-12);  // 1.5 ksf / 15
  EXPECT_NEAR(s->computation.increments[8].undrainedShear, 0.2, 1e-12);  // sand too
}

TEST(PhiFromN, ChartRegions) {
  struct Case { double n, psi, phi; };
  const Case cases[] = {
      {10, 10, 35.0},    // 38 - (38 - 32) * 10/20
      {4, 10, 32.0},     // A = 34: 34 - 0.5 * (34 - 30)
      {20, 20, 36.0},    // 20 psi follows the first rule: curve B
      {30, 10, 42.0},    // B = 39: 39 + 10 * (45 - 39) / 20
      {30, 30, 37.5},    // 39 - 10 * (39 - 36) / 20
      {8, 30, 31.0},     // 30 + 0.5 * (8 - 6)
      {60, 30, 42.5},    // C = 40: 40 + 10 * (45 - 40) / 20
      {95, 30, 50.0},
      {50, 40, 39.0},    // 40 psi: curve C
      {12.5, 60, 31.5},  // curve C between 10 and 15
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(PhiFromN(c.n, c.psi), c.phi, 1e-9) << "N " << c.n << " at " << c.psi << " psi";
  }
}

TEST(PhiFromN, ExtensionWhereTheChartHasNoValue) {
  bool defined = true;
  EXPECT_NEAR(PhiFromN(8, 45, &defined), 31.0, 1e-12);
  EXPECT_FALSE(defined);
  EXPECT_NEAR(PhiFromN(95, 45, &defined), 44.0, 1e-12);
  EXPECT_FALSE(defined);
  PhiFromN(30, 45, &defined);
  EXPECT_TRUE(defined);
}

TEST(CriticalDepth, UserDepthLimitsTheStress) {
  auto s = makeColumn({sand(0, 20, 60, 30)}, Pile{});
  s->input.criticalDepthMode = 2;
  s->input.userCriticalDepth = 5.0;
  prepare(*s);
  const auto& c = s->computation;
  EXPECT_NEAR(c.SigmaVc[6], 0.18, 1e-12);   // 3 ft: above the critical depth
  EXPECT_NEAR(c.SigmaVc[10], 0.30, 1e-12);  // 5 ft
  EXPECT_NEAR(c.SigmaVc[30], 0.30, 1e-12);  // 15 ft: held at 5 ft
  EXPECT_NEAR(c.SigmaVc[31], 0.30, 1e-12);
}

TEST(CriticalDepth, StressThresholdMode) {
  // 120 pcf: 3.48 ksf at 29 ft, 3.60 ksf at 30 ft, so the critical depth is 30 ft.
  auto s = makeColumn({sand(0, 40, 120, 30)}, Pile{});
  s->input.criticalDepthMode = 1;
  prepare(*s);
  EXPECT_NEAR(s->computation.SigmaVc[2 * 35], 3.6, 1e-12);
  EXPECT_NEAR(s->computation.SigmaVc[2 * 20], 2.4, 1e-12);
}

TEST(CriticalDepth, ThresholdNeverReachedLeavesTheStressUnlimited) {
  auto s = makeColumn({sand(0, 20, 60, 30)}, Pile{});
  s->input.criticalDepthMode = 1;
  prepare(*s);
  for (int n = 1; n <= 40; ++n) EXPECT_DOUBLE_EQ(s->computation.SigmaVc[n], s->computation.SigmaV[n]);
}

TEST(CriticalDepth, DensityModeWithClayAtTheSurface) {
  // Clay keeps the critical depth of the sand above it: none, so 0 and a limited stress of
  // 0. The sand below (phi 30, D = 1 ft) has 10 D = 10 ft.
  auto s = makeColumn({clay(0, 10, 50, 1.0), sand(10, 30, 60, 30)}, Pile{});
  prepare(*s);
  const auto& c = s->computation;
  EXPECT_DOUBLE_EQ(c.criticalDepth[5], 0.0);
  EXPECT_DOUBLE_EQ(c.SigmaVc[2 * 5], 0.0);
  EXPECT_DOUBLE_EQ(c.criticalDepth[15], 10.0);
  EXPECT_NEAR(c.SigmaVc[2 * 15], 0.5, 1e-12);  // stress at 10 ft
}

TEST(Lookups, ChartAndCpt) {
  const std::array<double, 3> xs = {0, 10, 20};
  const std::array<double, 3> ys = {100, 200, 150};
  EXPECT_EQ(ChartLookup(xs, ys, -1), 100);
  EXPECT_EQ(ChartLookup(xs, ys, 5), 150);
  EXPECT_EQ(ChartLookup(xs, ys, 15), 175);
  EXPECT_EQ(ChartLookup(xs, ys, 25), 150);

  auto s = makeColumn({sand(0, 20, 60, 30)}, Pile{});
  InputModel& in = s->input;
  EXPECT_EQ(CptLookup(in, 5), 0.0);  // no table
  in.cptPointCount = 3;
  in.cptPoints[1] = {2, 100};
  in.cptPoints[2] = {10, 200};
  in.cptPoints[3] = {20, 150};
  EXPECT_EQ(CptLookup(in, 1), 100);
  EXPECT_EQ(CptLookup(in, 6), 150);
  EXPECT_EQ(CptLookup(in, 15), 175);
  EXPECT_EQ(CptLookup(in, 30), 150);
}

TEST(Lookups, OffshoreConeResistanceRule) {
  Layer a = sand(0, 10, 60, 30);
  a.qc = 2000.0;
  Layer b = sand(10, 20, 60, 30);
  b.blowCount = 20;
  auto s = makeColumn({a, b}, Pile{});
  prepare(*s);
  EXPECT_NEAR(offshoreConeResistance(*s, 3, 2.0, 2.1168), 2.0, 1e-12);
  EXPECT_NEAR(offshoreConeResistance(*s, 13, 12.0, 2.1168), 2.8 * 2.1168 * 20, 1e-9);
  s->input.cptPointCount = 2;
  s->input.cptPoints[1] = {0, 0};
  s->input.cptPoints[2] = {20, 40};  // the CPT file holds ksf
  EXPECT_NEAR(offshoreConeResistance(*s, 13, 12.0, 2.1168), 24.0, 1e-9);
}

}  // namespace
}  // namespace corvex
