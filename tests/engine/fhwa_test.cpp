// FHWA method: chart readings, displaced volume, Nordlund sand friction, Tomlinson walk in
// clay and the toe rule, each against values worked out by hand from the charts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "methods/fhwa.h"
#include "methods/end_bearing_steps.h"
#include "methods/fhwa_charts.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

double sinDeg(double d) { return std::sin(d * std::numbers::pi / 180.0); }
double cosDeg(double d) { return std::cos(d * std::numbers::pi / 180.0); }

FhwaPile closedPipe12in() {
  FhwaPile pile;
  pile.english = true;
  pile.pileType = 1;
  pile.diameter = 12.0;
  pile.innerDiameter = 0.0;
  pile.endInnerDiameter = 0.0;
  pile.endSectionLength = 40.0 - 1.0e-7;  // no enhanced section given
  pile.embeddedLength = 40.0;
  return pile;
}

// A sand row of a closed 12-in pipe: V = 3.1416/4 = 0.7854 ft³/ft.
//   δ/φ (type 1, between V 0.6 → 0.516 and 0.8 → 0.593) = 0.593 − 0.0146·0.077/0.2 = 0.587379
//   δ = 17.62137°;  CF (φ 30, between δ/φ 0.4 → 0.69 and 0.6 → 0.82) = 0.8117963
//   Kδ (φ 30, ω 0, between V 0.1 → 0.85 and V 1.0 → 1.15) = 0.85 + 0.3·0.6854/0.9 = 1.0784667
//   f at σ′v = 0.5 ksf = 1.0784667·0.8117963·sin 17.62137°·0.5 = 0.1325173 ksf
TEST(FhwaSand, StraightClosedPipeRowMatchesHandCalculation) {
  const FhwaPile pile = closedPipe12in();
  const double volume = fhwaDisplacedVolume(pile, 0, 10.0);
  EXPECT_NEAR(volume, 0.7854, 1e-9);
  const FhwaSandFactors f = fhwaSandFactors(1, 30.0, 0.0, volume);
  EXPECT_NEAR(f.deltaOverPhi, 0.587379, 1e-6);
  EXPECT_NEAR(f.delta, 17.62137, 1e-5);
  EXPECT_NEAR(f.correction, 0.8117963, 1e-6);
  EXPECT_NEAR(f.kDelta, 1.0784667, 1e-6);
  // A straight pile: sin(δ + ω)/cos ω is sin δ.
  EXPECT_NEAR(f.multiplier, f.kDelta * f.correction * sinDeg(17.62137), 1e-6);
  EXPECT_NEAR(f.multiplier * 0.5, 0.1325173, 1e-6);
}

// A tapered pile (ω = 0.5°) with φ = 32.5 lies halfway between the 30° and 35° Kδ charts:
//   30°: 2.56 + 0.368·0.6854/0.9 = 2.8402560;  35°: 5.42 + 0.23·0.6854/0.9 = 5.5951556
//   Kδ = 4.2177051;  CF between 0.4 (0.6525) and 0.6 (0.78875) at δ/φ 0.587379 = 0.7801519
//   multiplier = Kδ·CF·sin(19.0898 + 0.5)/cos 0.5 = 1.103278
TEST(FhwaSand, TaperedPileInterpolatesBetweenFrictionAngleCharts) {
  const FhwaSandFactors f = fhwaSandFactors(1, 32.5, 0.5, 0.7854);
  EXPECT_NEAR(f.kDelta, 4.2177051, 1e-6);
  EXPECT_NEAR(f.correction, 0.7801519, 1e-6);
  EXPECT_NEAR(f.multiplier, 1.103278, 1e-5);
  EXPECT_NEAR(f.multiplier,
              f.kDelta * f.correction * sinDeg(f.delta + 0.5) / cosDeg(0.5), 1e-12);
}

TEST(FhwaCharts, KdeltaOutsideChartedFrictionAnglesUsesTheEndCharts) {
  struct Case { double phi, omega, volume, expected; };
  const std::array<Case, 6> cases{{
      {20.0, 0.0, 0.1, 0.7},     // below 25°: the 25° chart, no extrapolation
      {25.0, 0.0, 10.0, 1.0},
      {45.0, 0.0, 0.1, 1.7},     // above 40°: the 40° chart
      {40.0, 0.1, 1.0, 6.352},
      {40.0, 0.3, 5.0, 13.6},    // the V curves meet here
      {30.0, 0.0, 0.55, 1.0},    // halfway between V 0.1 (0.85) and 1.0 (1.15)
  }};
  for (const Case& c : cases) {
    EXPECT_NEAR(fhwa_charts::kDelta(c.phi, c.omega, c.volume), c.expected, 1e-9)
        << "phi " << c.phi << " omega " << c.omega << " V " << c.volume;
  }
}

TEST(FhwaCharts, EndOfChartValues) {
  EXPECT_NEAR(fhwa_charts::limitingToeChartValue(45.0) * 2.0, 737.6, 1e-9);
  EXPECT_NEAR(fhwa_charts::deltaOverPhi(6, 0.05), 0.727, 1e-12);
  EXPECT_NEAR(fhwa_charts::deltaOverPhi(5, 3.0), 1.27, 1e-12);
  EXPECT_NEAR(fhwa_charts::correctionFactor(0.1, 14.0), 0.83, 1e-12);
  EXPECT_NEAR(fhwa_charts::correctionFactor(1.5, 45.0), 1.16, 1e-12);
  EXPECT_NEAR(fhwa_charts::bearingFactorNq(36.25), 81.0, 1e-9);  // halfway 64 → 98
}

TEST(FhwaCharts, AdhesionTailsAboveTheLastStrength) {
  struct Case { int clayCase; double ratio, expected; };
  const std::array<Case, 7> cases{{
      {1, 5.0, 1.0}, {1, 20.0, 0.75}, {1, 50.0, 0.4},
      {2, 5.0, 0.186}, {2, 25.0, 0.54},
      {3, 10.0, 0.238}, {3, 40.0, 0.299},
  }};
  for (const Case& c : cases) {
    EXPECT_NEAR(fhwa_charts::tomlinsonAdhesion(c.clayCase, 6.0, c.ratio), c.expected, 1e-12)
        << "case " << c.clayCase << " R " << c.ratio;
  }
  // Case 3 halfway between R 10 and 40 at su 2.25 ksf: (0.5655 + 0.8005)/2.
  EXPECT_NEAR(fhwa_charts::tomlinsonAdhesion(3, 2.25, 25.0), 0.683, 1e-9);
}

TEST(FhwaVolume, DependsOnPlugStateEndAndSection) {
  FhwaPile open;
  open.english = true;
  open.diameter = 24.0;
  open.innerDiameter = 22.0;
  open.endInnerDiameter = 22.0;
  open.endSectionLength = 40.0 - 1.0e-7;
  // Annulus 3.1416/4·(2² − (22/12)²).
  EXPECT_NEAR(fhwaDisplacedVolume(open, 0, 10.0), 0.5017833, 1e-7);
  EXPECT_NEAR(fhwaDisplacedVolume(open, 2, 10.0), 0.5017833, 1e-7);
  EXPECT_NEAR(fhwaDisplacedVolume(open, 1, 10.0), 3.1416, 1e-12);  // plugged: full section

  FhwaPile tapered = [] {
    FhwaPile p;
    p.diameter = 12.0;
    p.endSectionLength = 30.0;
    p.taperAngle = 1.0;
    return p;
  }();
  // Closed end on a 1° taper at 10 ft: diameter 1 − 20·tan 1° ft.
  EXPECT_NEAR(fhwaDisplacedVolume(tapered, 0, 10.0), 0.3327497, 1e-7);

  FhwaPile metric;
  metric.english = false;
  metric.diameter = 300.0;
  metric.endSectionLength = 20.0;
  // 3.1416/4·0.3² m² turned into ft².
  EXPECT_NEAR(fhwaDisplacedVolume(metric, 0, 5.0), 0.0706860 / 0.0929, 1e-6);

  FhwaPile hPile;
  hPile.pileType = 6;
  hPile.diameter = 40.0;
  hPile.noncircularTipArea = 0.5;
  hPile.endSectionLength = 30.0;
  EXPECT_NEAR(fhwaDisplacedVolume(hPile, 1, 5.0), 0.5, 1e-12);
}

// Clay under sand: case 1 from the first clay increment on. The clay layer runs from 10 to
// 35 ft; at the increment ending at 35 ft the whole 25 ft count, R = 25/1 ft = 25, and at
// su = 2 ksf α = 0.95 + (0.68 − 0.95)·5/20 = 0.8825, so f = 1.765 ksf.
TEST(FhwaClay, ClayUnderSandUsesCaseOneWithThePenetrationRatio) {
  const std::array<double, 4> depths{0.0, 10.0, 10.0, 35.0};
  TomlinsonWalk walk;
  walk.enterSand();
  double alpha = 0.0;
  for (int k = 11; k <= 35; ++k) {
    TomlinsonWalk::Neighbours n;
    n.previousSoilType = k == 11 ? 1.0 : 2.0;
    n.previousSuKsf = 2.0;
    n.nextSoilType = 2.0;
    alpha = walk.enterClay(depths, k, 60, static_cast<double>(k), 1.0, 0.0, 2.0, n);
    if (k == 11) {
      EXPECT_EQ(walk.clayCase(), 1);
      EXPECT_DOUBLE_EQ(walk.penetrationRatio(), 0.0);
      EXPECT_DOUBLE_EQ(alpha, 1.0);
    }
  }
  EXPECT_EQ(walk.clayCase(), 1);
  EXPECT_NEAR(walk.penetrationRatio(), 25.0, 1e-12);
  EXPECT_NEAR(alpha, 0.8825, 1e-12);
  EXPECT_NEAR(alpha * 2.0, 1.765, 1e-12);
}

TEST(FhwaClay, CaseSelectionAtTheTopOfTheProfile) {
  const std::array<double, 2> depths{0.0, 40.0};
  TomlinsonWalk::Neighbours clayAbove{2.0, 0.5, 2.0};
  {
    TomlinsonWalk walk;  // first increment clay: no case yet, α stays 0
    EXPECT_DOUBLE_EQ(walk.enterClay(depths, 1, 40, 1.0, 1.0, 0.0, 1.0, clayAbove), 0.0);
    EXPECT_EQ(walk.clayCase(), 0);
    // Second increment under soft clay (0.5 ksf < 0.8): case 2, R = 0, su 1.0 → 0.398.
    EXPECT_NEAR(walk.enterClay(depths, 2, 40, 2.0, 1.0, 0.0, 1.0, clayAbove), 0.398, 1e-12);
    EXPECT_EQ(walk.clayCase(), 2);
  }
  {
    TomlinsonWalk walk;
    TomlinsonWalk::Neighbours stiffAbove{2.0, 1.2, 2.0};
    walk.enterClay(depths, 1, 40, 1.0, 1.0, 0.0, 1.0, stiffAbove);
    EXPECT_NEAR(walk.enterClay(depths, 2, 40, 2.0, 1.0, 0.0, 1.0, stiffAbove), 0.923, 1e-12);
    EXPECT_EQ(walk.clayCase(), 3);
  }
}

TEST(FhwaClay, PenetrationRatioFreezesOnceSandFollows) {
  const std::array<double, 6> depths{0.0, 5.0, 5.0, 10.0, 10.0, 30.0};
  TomlinsonWalk walk;
  walk.enterSand();
  TomlinsonWalk::Neighbours n{1.0, 0.0, 2.0};
  for (int k = 6; k <= 10; ++k) {
    n.nextSoilType = k == 10 ? 1.0 : 2.0;  // sand below 10 ft
    walk.enterClay(depths, k, 30, static_cast<double>(k), 1.0, 0.0, 1.0, n);
    n.previousSoilType = 2.0;
  }
  EXPECT_TRUE(walk.frozen());
  EXPECT_NEAR(walk.penetrationRatio(), 5.0, 1e-12);  // the 5-ft layer over a 1-ft pile
  // A later clay layer reaching its bottom no longer changes R.
  walk.enterSand();
  walk.enterClay(depths, 30, 30, 30.0, 1.0, 0.0, 1.0, n);
  EXPECT_NEAR(walk.penetrationRatio(), 5.0, 1e-12);
}

// Half-foot increments: the increments ending at 9.5 and 10 ft both lie within 0.95 ft of
// the bottom of the 5–10 ft layer; its 5 ft count once, R = 5/1 ft.
TEST(FhwaClay, LayerThicknessCountsOnceWithShortIncrements) {
  const std::array<double, 4> depths{0.0, 5.0, 5.0, 10.0};
  TomlinsonWalk walk;
  TomlinsonWalk::Neighbours n{1.0, 0.0, 2.0};
  for (int k = 11; k <= 20; ++k) {
    walk.enterClay(depths, k, 40, 0.5 * k, 1.0, 0.0, 1.0, n);
    n.previousSoilType = 2.0;
  }
  EXPECT_NEAR(walk.penetrationRatio(), 5.0, 1e-12);
}

// Toe rule for φ = 35 and L/D = 40: αt between L/D 30 (0.67) and 45 (0.66) = 0.6633333,
// N′q = 64, limit = 2·53.8 = 107.6 ksf.
TEST(FhwaToe, ThurmanBearingWithItsLimit) {
  const FhwaPile pile = closedPipe12in();
  const FhwaToeRule rule = fhwaToeRule(pile, 35.0, 9999999.0);
  EXPECT_NEAR(rule.alphaT, 0.6633333, 1e-7);
  EXPECT_NEAR(rule.nqPrime, 64.0, 1e-12);
  EXPECT_NEAR(rule.limit, 107.6, 1e-9);
  EXPECT_NEAR(fhwaSandUnitEndBearing(rule, 2.0), 84.906667, 1e-5);
  EXPECT_NEAR(fhwaSandUnitEndBearing(rule, 3.0), 107.6, 1e-9);
  // A typed qmax below the toe limit governs.
  EXPECT_NEAR(fhwaToeRule(pile, 35.0, 60.0).limit, 60.0, 1e-12);
  // SI: the chart value ×2×47.88 kPa.
  FhwaPile metric = pile;
  metric.english = false;
  metric.diameter = 300.0;
  metric.embeddedLength = 12.0;
  EXPECT_NEAR(fhwaToeRule(metric, 35.0, 9999999.0).limit, 53.8 * 2.0 * 47.88, 1e-9);
}

// The routine over a small column: sand (φ 30, 60 pcf) to 10 ft, clay (su 2 ksf) to 35 ft,
// sand below, under a closed 12-in pipe 40 ft embedded.
//   sand node at 5 ft: σ′v = 0.3 ksf, f = 0.2650347·0.3 = 0.0795104 ksf (the row above)
//   clay under sand, case 1: R = 0 until the layer's bottom, α = 1, f = 2.0 ksf;
//   at the increment ending at 35 ft R = 25, α = 0.8825, f = 1.765 ksf.
TEST(FhwaRoutine, SandAndClayUnderSandRows) {
  test::Pile pile;
  pile.embedded = 40.0;
  auto state = test::makeColumn({{0, 10, 1.0, 60.0, 1.0, 30.0},
                                 {10, 35, 2.0, 50.0, 0.0, 0.0, 0.0, 2.0, 1.0},
                                 {35, 50, 1.0, 60.0, 1.0, 30.0}},
                                pile);
  test::prepare(*state);
  computeFhwaUnitResistance(*state);
  const MethodResults& m = state->computation.methods[kMethodFhwa];
  EXPECT_NEAR(m.outsideFriction[2 * 5], 0.0795104, 1e-7);
  EXPECT_NEAR(m.reportedFriction[6], 0.0795104, 1e-7);
  EXPECT_NEAR(m.outsideFriction[2 * 11 - 1], 2.0, 1e-12);
  EXPECT_NEAR(m.outsideFriction[2 * 20], 2.0, 1e-12);
  EXPECT_NEAR(m.outsideFriction[2 * 35], 1.765, 1e-12);
  EXPECT_NEAR(m.insideFriction[2 * 35 - 1], 0.8825 * 1.0, 1e-12);  // α·sur at the top node
}

// The toe rule through the end-bearing step: sand at 30 ft under the same pile (L/D 40,
// φ 35 → 0.6633333·64); the increment's own Nq is restored after the step.
TEST(FhwaRoutine, EndBearingStepUsesTheToeRuleAndRestoresNq) {
  test::Pile pile;
  pile.embedded = 40.0;
  auto state = test::makeColumn({{0, 60, 1.0, 60.0, 1.0, 35.0, 12.0}}, pile);
  test::prepare(*state);
  runEndBearingSteps(*state, kMethodFhwa);
  const ComputationState& c = state->computation;
  // σ′v at 30 ft = 1.8 ksf: 1.8·42.453333 = 76.416 ksf, below the 107.6 ksf limit.
  EXPECT_NEAR(c.endBearing.unitEndBearing[2 * 30], 76.416, 1e-6);
  EXPECT_EQ(c.increments[30].nq, 12.0);
}

// A tapered timber pile (ω = 0.5°, 12 in at the head): the skin friction of each row uses
// the perimeter of the row's own diameter, at 10 ft 3.14159·(1 − 2·10·tan 0.5°) = 2.593265 ft.
TEST(FhwaRoutine, TaperedPileRowsUseTheirOwnPerimeter) {
  auto state = test::makeColumn({{0, 40, 1.0, 60.0, 1.0, 32.0}}, test::Pile{});
  state->input.pileType = 2;
  state->input.taperAngle = 0.5;
  test::prepare(*state);
  computeFhwaUnitResistance(*state);
  const MethodResults& m = state->computation.methods[kMethodFhwa];
  const double meanFriction = (m.unitFriction[10] + m.unitFriction[11]) / 2.0;
  ASSERT_GT(meanFriction, 0.0);
  EXPECT_NEAR(m.incrementForce[11] / (meanFriction * 1.0), 2.593265, 1e-6);
}

// SI units: the adhesion chart and the soft-clay test read su in ksf (su/47.88). A clay
// profile from the surface, second increment:
//   su = 47.88 kPa (1 ksf, not soft): case 3, R = 0, α = 0.923, f = 44.19324 kPa
//   su = 30 kPa (0.6266 ksf, soft): case 2, α = 0.519 − 0.1266·0.242 = 0.488371, f = 14.65113 kPa
TEST(FhwaRoutine, MetricClayReadsTheChartsInKsf) {
  struct Case { double su, expected; };
  for (const Case& c : {Case{47.88, 44.19324}, Case{30.0, 14.65113}}) {
    test::Pile pile;
    pile.od = 300.0;  // mm
    pile.embedded = 10.0;
    pile.dz = 0.5;
    auto state = test::makeColumn({{0, 20, 2.0, 8.0, 0.0, 0.0, 0.0, c.su, c.su / 2}}, pile);
    state->input.unitSystem = 2;
    test::prepare(*state);
    computeFhwaUnitResistance(*state);
    const MethodResults& m = state->computation.methods[kMethodFhwa];
    EXPECT_EQ(m.outsideFriction[2], 0.0) << "su " << c.su;  // first increment: no case yet
    EXPECT_NEAR(m.outsideFriction[4], c.expected, 1e-5) << "su " << c.su;
  }
}

}  // namespace
}  // namespace corvex
