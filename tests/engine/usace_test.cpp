// USACE method: interface angle, K replacement, adhesion, the silt rule, the critical depth
// for end bearing and the held stresses, against hand-worked values.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "methods/end_bearing_steps.h"
#include "methods/usace.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

double tanDeg(double d) { return std::tan(d * std::numbers::pi / 180.0); }

TEST(UsaceRules, InterfaceAngleByPileType) {
  struct Case { int pileType; double expected; };
  const std::array<Case, 8> cases{{
      {1, 24.0}, {2, 28.8}, {3, 30.4}, {4, 24.0}, {5, 24.0}, {6, 28.0}, {7, 24.0}, {9, 27.0}}};
  for (const Case& c : cases) {
    EXPECT_NEAR(usaceInterfaceAngle(c.pileType, 32.0), c.expected, 1e-12) << c.pileType;
  }
}

TEST(UsaceRules, LateralCoefficientReplacement) {
  EXPECT_EQ(usaceLateralCoefficient(0.8, false, false), 0.8);
  EXPECT_EQ(usaceLateralCoefficient(0.8, true, false), 1.25);
  EXPECT_EQ(usaceLateralCoefficient(0.8, true, true), 0.6);
  EXPECT_EQ(usaceLateralCoefficient(0.0, false, false), 1.25);
  EXPECT_EQ(usaceLateralCoefficient(0.0, false, true), 0.6);
}

TEST(UsaceRules, ClayAdhesion) {
  struct Case { double su; bool english; double expected; };
  const std::array<Case, 8> cases{{{0.5, true, 1.0}, {1.0, true, 0.75}, {1.5, true, 0.5},
                                   {3.0, true, 0.5}, {24.0, false, 1.0}, {48.0, false, 0.75},
                                   {72.0, false, 0.5}, {100.0, false, 0.5}}};
  for (const Case& c : cases) {
    EXPECT_NEAR(usaceClayAlpha(c.su, c.english), c.expected, 1e-12) << c.su;
  }
}

// Sand row below the critical depth in mode 0: loose sand (φ = 30) on a steel pipe, K = 1,
// its limited stress held at the stress of the critical depth, 0.6 ksf:
// f = 1·0.6·tan 22.5° = 0.2485281 ksf at both nodes; the plug sees the same values.
TEST(UsaceSideFriction, SandBelowCriticalDepthUsesTheLimitedStress) {
  UsaceIncrement inc;
  inc.soilType = 1.0;
  inc.lateralCoefficient = 1.0;
  inc.frictionAngle = 30.0;
  inc.limitedStressTop = 0.6;
  inc.limitedStressBottom = 0.6;
  const UsaceSideFriction f = usaceSideFriction(inc, UsaceOptions{});
  EXPECT_NEAR(f.outsideTop, 0.2485281, 1e-7);
  EXPECT_NEAR(f.outsideBottom, 0.2485281, 1e-7);
  EXPECT_EQ(f.insideTop, f.outsideTop);
  EXPECT_EQ(f.insideBottom, f.outsideBottom);
}

// Silt: the sand term plus α·su. K = 1, φ = 30 (δ = 22.5), stresses 0.4/0.5, su 1.0 (α 0.75),
// sur 0.5.
TEST(UsaceSideFriction, SiltAddsTheClayTerm) {
  UsaceIncrement inc;
  inc.soilType = 3.0;
  inc.lateralCoefficient = 1.0;
  inc.frictionAngle = 30.0;
  inc.undrainedShear = 1.0;
  inc.remoldedShear = 0.5;
  inc.limitedStressTop = 0.4;
  inc.limitedStressBottom = 0.5;
  const UsaceSideFriction f = usaceSideFriction(inc, UsaceOptions{});
  EXPECT_NEAR(f.outsideTop, 0.4 * tanDeg(22.5) + 0.75, 1e-12);
  EXPECT_NEAR(f.outsideBottom, 0.5 * tanDeg(22.5) + 0.75, 1e-12);
  EXPECT_NEAR(f.insideTop, 0.375, 1e-12);
  EXPECT_NEAR(f.insideBottom, f.outsideTop, 1e-12);

  inc.soilType = 2.0;  // clay alone
  const UsaceSideFriction clay = usaceSideFriction(inc, UsaceOptions{});
  EXPECT_NEAR(clay.outsideTop, 0.75, 1e-12);
  EXPECT_NEAR(clay.outsideBottom, 0.75, 1e-12);
  EXPECT_NEAR(clay.insideBottom, 0.75, 1e-12);
}

TEST(UsaceEndBearingRules, BearingFactorChartAndStressCriticalDepth) {
  EXPECT_NEAR(usaceBearingFactor(34.0), 43.0, 1e-12);  // halfway 30 → 56
  EXPECT_NEAR(usaceBearingFactor(55.0), 415.1, 1e-12);
  const std::array<double, 3> types{1.0, 2.0, 1.0};
  const std::array<double, 3> bottoms{10.0, 20.0, 30.0};
  const std::array<double, 3> stresses{1.0, 4.0, 4.0};
  // The clay increment does not count; the sand one below it sets half its depth.
  EXPECT_NEAR(usaceStressCriticalDepth(types, bottoms, stresses, true), 15.0, 1e-12);
  const std::array<double, 3> withSilt{1.0, 3.0, 1.0};
  EXPECT_NEAR(usaceStressCriticalDepth(withSilt, bottoms, stresses, true), 10.0, 1e-12);
  // SI threshold 168 kPa.
  const std::array<double, 3> kpa{100.0, 168.0, 169.0};
  EXPECT_NEAR(usaceStressCriticalDepth(types, bottoms, kpa, false), 15.0, 1e-12);
}

// Sand with σ′v = 0.06 ksf per ft, 1-ft increments, 12-in pile. sigmaVcBottom(k) is the
// limited stress at the bottom of increment k for a critical depth zc.
double stressAt(double z) { return 0.06 * z; }

TEST(UsaceEndBearingRules, ModeZeroHoldsTheStressBelowTenDiametersPlusOne) {
  const UsaceCriticalDepths depths = usaceCriticalDepths(0, 1.0, 0.0);
  EXPECT_DOUBLE_EQ(depths.loose, 11.0);
  EXPECT_DOUBLE_EQ(depths.medium, 16.0);
  EXPECT_DOUBLE_EQ(depths.dense, 21.0);
  UsaceEndBearing rule;
  rule.startPass();
  for (int k = 1; k <= 15; ++k) {
    const double top = stressAt(k - 1);
    const double bottom = stressAt(k);
    const double limited = std::min(bottom, stressAt(10.0));  // Zc = 10·D for φ < 33
    const auto q = rule.sandNodes(depths, 30.0, k - 1.0, top, bottom, limited, 9999999.0);
    if (k <= 11) {  // above 11 ft: σ′v·Nq, Nq(30) = 23
      EXPECT_NEAR(q.top, top * 23.0, 1e-12) << k;
      EXPECT_NEAR(q.bottom, bottom * 23.0, 1e-12) << k;
    } else {  // held at 0.6 ksf from the increment starting at 11 ft
      EXPECT_NEAR(q.top, 0.6 * 23.0, 1e-12) << k;
      EXPECT_NEAR(q.bottom, 0.6 * 23.0, 1e-12) << k;
    }
  }
}

TEST(UsaceEndBearingRules, DenseSandKeepsTheFirstStressBelowTwentyDiametersPlusOne) {
  const UsaceCriticalDepths depths = usaceCriticalDepths(0, 1.0, 0.0);
  UsaceEndBearing rule;
  rule.startPass();
  UsaceEndBearing::Nodes q;
  for (int k = 1; k <= 30; ++k) {
    const double limited = std::min(stressAt(k), stressAt(20.0));
    q = rule.sandNodes(depths, 38.0, k - 1.0, stressAt(k - 1), stressAt(k), limited, 9999999.0);
  }
  EXPECT_NEAR(q.top, 1.2 * 68.0, 1e-12);
  EXPECT_NEAR(q.bottom, 1.2 * 68.0, 1e-12);
  // qmax caps both nodes.
  rule.startPass();
  q = rule.sandNodes(depths, 38.0, 25.0, stressAt(25), stressAt(26), stressAt(20), 50.0);
  EXPECT_NEAR(q.top, 50.0, 1e-12);
}

// Mode 2, user critical depth 5 ft: from the increment starting at 5 ft the stress is held
// at the limited stress there, 0.3 ksf: q = 0.3·23 = 6.9 ksf. The medium-sand stress saved
// in one pass serves the next.
TEST(UsaceEndBearingRules, ModeTwoAndTheSavedMediumStress) {
  const UsaceCriticalDepths depths = usaceCriticalDepths(2, 1.0, 5.0);
  EXPECT_DOUBLE_EQ(depths.loose, 5.0);
  EXPECT_DOUBLE_EQ(depths.dense, 5.0);
  UsaceEndBearing rule;
  rule.startPass();
  UsaceEndBearing::Nodes q;
  for (int k = 1; k <= 12; ++k) {
    q = rule.sandNodes(depths, 30.0, k - 1.0, stressAt(k - 1), stressAt(k), stressAt(5.0),
                       9999999.0);
  }
  EXPECT_NEAR(q.bottom, 6.9, 1e-12);

  rule.startPass();
  rule.sandNodes(depths, 34.0, 6.0, stressAt(6), stressAt(7), 0.3, 9999999.0);
  rule.startPass();
  q = rule.sandNodes(depths, 34.0, 6.0, stressAt(6), stressAt(7), 0.35, 9999999.0);
  EXPECT_NEAR(q.bottom, 0.3 * 43.0, 1e-12);
}

// The routine over a small column: loose sand (φ 30, K 1, 60 pcf) under a closed 12-in
// pipe, 20 ft embedded. Mode 0 puts the critical depth at 10·D = 10 ft, where σ′v = 0.6 ksf.
//   below it: f = 0.6·tan 22.5° = 0.2485281 ksf
//   QS(20 ft) = 3.14159·1 ft·tan 22.5°·(0.06·10²/2 + 0.6·10) = 11.71160 kips
TEST(UsaceRoutine, ModeZeroRowBelowTheCriticalDepth) {
  auto state = test::makeColumn({{0, 40, 1.0, 60.0, 1.0, 30.0}}, test::Pile{});
  state->input.criticalDepthMode = 0;
  state->input.methodSwitch[4] = 0;  // API not selected: the layer's K stands
  test::prepare(*state);
  computeUsaceUnitResistance(*state);
  const MethodResults& m = state->computation.methods[kMethodUsace];
  EXPECT_NEAR(m.outsideFriction[2 * 15 - 1], 0.2485281, 1e-7);
  EXPECT_NEAR(m.outsideFriction[2 * 15], 0.2485281, 1e-7);
  EXPECT_NEAR(m.reportedFriction[16], 0.2485281, 1e-7);       // row at 15 ft
  EXPECT_NEAR(m.reportedFriction[6], 0.3 * tanDeg(22.5), 1e-9);  // above it: 0.06·5 ksf
  EXPECT_NEAR(m.skinFriction[21], 11.71160, 1e-5);
  // With API selected too, K = 1.25 in compression.
  state->input.methodSwitch[4] = 1;
  computeUsaceUnitResistance(*state);
  EXPECT_NEAR(m.outsideFriction[2 * 15], 1.25 * 0.2485281, 1e-7);
}

// Mode 2 with a user critical depth of 5 ft (σ′v = 0.3 ksf there): the side friction below
// is 0.3·tan 22.5° = 0.1242641 ksf, and the end bearing of every sand increment starting
// at or below 5 ft holds 0.3 ksf: q = 0.3·Nq(30) = 0.3·23 = 6.9 ksf.
TEST(UsaceRoutine, ModeTwoRowBelowTheUserCriticalDepth) {
  auto state = test::makeColumn({{0, 40, 1.0, 60.0, 1.0, 30.0}}, test::Pile{});
  state->input.criticalDepthMode = 2;
  state->input.userCriticalDepth = 5.0;
  state->input.methodSwitch[4] = 0;
  test::prepare(*state);
  computeUsaceUnitResistance(*state);
  const MethodResults& m = state->computation.methods[kMethodUsace];
  EXPECT_NEAR(m.outsideFriction[2 * 12], 0.1242641, 1e-7);
  runEndBearingSteps(*state, kMethodUsace);
  const EndBearingWork& w = state->computation.endBearing;
  EXPECT_NEAR(w.unitEndBearing[2 * 10 - 1], 6.9, 1e-9);
  EXPECT_NEAR(w.unitEndBearing[2 * 10], 6.9, 1e-9);
  EXPECT_NEAR(w.unitEndBearing[2 * 3], 0.18 * 23.0, 1e-9);  // above 5 ft: σ′v·Nq
  // A second pass of the end-bearing step gives the same values.
  runEndBearingSteps(*state, kMethodUsace);
  EXPECT_NEAR(state->computation.endBearing.unitEndBearing[2 * 10], 6.9, 1e-9);
}

// Mode 1: σ′v = 0.06 ksf per ft first exceeds 3.5 ksf at the increment ending at 59 ft, so
// the routine sets the end-bearing critical depth to 59·0.5 = 29.5 ft. From the increment
// starting at 30 ft the stress is held at σ′v(31 ft) = 1.86 ksf: q = 1.86·23 = 42.78 ksf at
// 40 ft, where σ′v·Nq would be 2.4·23 = 55.2 ksf. Before the routine has run, the profile's
// critical depth (59 ft) stands and 40 ft is still above it.
TEST(UsaceRoutine, ModeOneCriticalDepthForEndBearing) {
  test::Pile pile;
  pile.embedded = 60.0;
  auto state = test::makeColumn({{0, 80, 1.0, 60.0, 1.0, 30.0}}, pile);
  state->input.criticalDepthMode = 1;
  state->input.methodSwitch[4] = 0;
  test::prepare(*state);
  runEndBearingSteps(*state, kMethodUsace);
  EXPECT_NEAR(state->computation.endBearing.unitEndBearing[2 * 40], 55.2, 1e-9);
  computeUsaceUnitResistance(*state);
  EXPECT_NEAR(state->computation.usace.stressCriticalDepth, 29.5, 1e-12);
  runEndBearingSteps(*state, kMethodUsace);
  EXPECT_NEAR(state->computation.endBearing.unitEndBearing[2 * 40], 42.78, 1e-9);
  EXPECT_NEAR(state->computation.endBearing.unitEndBearing[2 * 29], 0.06 * 29 * 23.0, 1e-9);
}

// Mode 1 in a column whose stress never passes 3.5 ksf (0.06 ksf per ft, 50 ft deep, at
// most 3.0 ksf): there is no critical depth, so the end bearing follows σ′v·Nq all the way
// down: at 40 ft 2.4·23 = 55.2 ksf, at the top of the increment starting at 30 ft 1.8·23 =
// 41.4 ksf (not the stress of the first increment, 0.06·23 = 1.38 ksf).
TEST(UsaceRoutine, ModeOneWithoutCriticalDepthHoldsNoStress) {
  const std::array<double, 2> types{1.0, 1.0};
  const std::array<double, 2> bottoms{1.0, 50.0};
  const std::array<double, 2> stresses{0.06, 3.0};
  EXPECT_EQ(usaceStressCriticalDepth(types, bottoms, stresses, true), kNoCriticalDepth);

  test::Pile pile;
  pile.embedded = 40.0;
  auto state = test::makeColumn({{0, 50, 1.0, 60.0, 1.0, 30.0}}, pile);
  state->input.criticalDepthMode = 1;
  state->input.methodSwitch[4] = 0;
  test::prepare(*state);
  computeUsaceUnitResistance(*state);
  runEndBearingSteps(*state, kMethodUsace);
  const EndBearingWork& w = state->computation.endBearing;
  EXPECT_NEAR(w.unitEndBearing[2 * 40], 55.2, 1e-9);
  EXPECT_NEAR(w.unitEndBearing[2 * 31 - 1], 41.4, 1e-9);
}

// Mode 1 with medium sand (φ 34, Nq 30 + 26·2/4 = 43): σ′v = 0.06 ksf per ft passes 3.5 ksf
// at the increment ending at 59 ft, so the end bearing holds the stress from the increment
// starting at 29.5 ft on, i.e. at 30 ft: σ′v(31 ft) = 1.86 ksf, q(40 ft) = 1.86·43 =
// 79.98 ksf. The pass run before the routine (with the profile's 59 ft) saved 3.54 ksf;
// that stress must not carry over, or 40 ft would read 2.4·43 = 103.2 ksf.
TEST(UsaceRoutine, ModeOneMediumSandHoldsTheStressOfTheRoutinesCriticalDepth) {
  test::Pile pile;
  pile.embedded = 60.0;
  auto state = test::makeColumn({{0, 80, 1.0, 60.0, 1.0, 34.0}}, pile);
  state->input.criticalDepthMode = 1;
  state->input.methodSwitch[4] = 0;
  test::prepare(*state);
  runEndBearingSteps(*state, kMethodUsace);  // the driver's pass before the routines
  computeUsaceUnitResistance(*state);
  runEndBearingSteps(*state, kMethodUsace);
  const EndBearingWork& w = state->computation.endBearing;
  EXPECT_NEAR(w.unitEndBearing[2 * 40], 79.98, 1e-9);
  EXPECT_NEAR(w.unitEndBearing[2 * 31 - 1], 1.8 * 43.0, 1e-9);  // not held: 1.86 > 1.8
  EXPECT_NEAR(w.unitEndBearing[2 * 31], 79.98, 1e-9);
}

}  // namespace
}  // namespace corvex
