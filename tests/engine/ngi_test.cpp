// NGI rules against hand-worked values.
#include <gtest/gtest.h>

#include "methods/ngi.h"

namespace corvex {
namespace {

OffshorePile closedPile() {  // 36 in closed-ended pile, 100 ft embedded, English units
  OffshorePile pile;
  pile.diameter = 36.0;
  pile.endInnerDiameter = 0.0;
  pile.embeddedLength = 100.0;
  return pile;
}

OffshoreIncrement sandAt80ft(double qc) {  // stress 4 ksf at both nodes
  OffshoreIncrement sand;
  sand.topDepth = 80.0;
  sand.coneResistance = qc;
  sand.maxEndBearing = 9999999.0;
  sand.stressTop = 4.0;
  sand.stressBottom = 4.0;
  return sand;
}

OffshoreIncrement clay(double su, double sur, double stress, double pi) {
  OffshoreIncrement c;
  c.soilType = 2.0;
  c.topDepth = 50.0;
  c.undrainedShear = su;
  c.remoldedShear = sur;
  c.plasticityIndex = pi;
  c.stressTop = stress - 0.1;  // the clay rule uses the bottom stress at both nodes
  c.stressBottom = stress;
  return c;
}

// Dense sand, pa = 2.088555: Dr = 0.4 ln(200 / (22 sqrt(4 * 2.088555))) = 0.4583566
//   F_Dr = 2.1 (0.3583566)^1.7, F_sig = (4/2.088555)^0.25
//   closed, compression, steel: f = 0.8 * 2.088555 * F_Dr * F_sig * 1.6 * 1.3 = 1.500059 ksf
// Loose sand qc = 20: 0.4 ln(0.3145) = -0.463 -> Dr = 0.200001
//   closed compression f = 0.1713087; open tension f = 0.1713087 / (1.6 * 1.3) = 0.0823600
TEST(NgiSand, SideFrictionFromRelativeDensity) {
  EXPECT_NEAR(ngiShaftRelativeDensity(200.0, 4.0, 2.088555), 0.4583566, 1e-6);
  EXPECT_DOUBLE_EQ(ngiShaftRelativeDensity(20.0, 4.0, 2.088555), 0.200001);

  const OffshoreSideFriction dense = ngiSideFriction(sandAt80ft(200.0), closedPile());
  EXPECT_NEAR(dense.outside.top, 1.500059, 1e-6);
  EXPECT_NEAR(dense.outside.bottom, 1.500059, 1e-6);
  EXPECT_DOUBLE_EQ(dense.inside.bottom, dense.outside.bottom);

  EXPECT_NEAR(ngiSideFriction(sandAt80ft(20.0), closedPile()).outside.top, 0.1713087, 1e-6);
  OffshorePile openInTension = closedPile();
  openInTension.endInnerDiameter = 34.0;
  openInTension.tension = true;
  EXPECT_NEAR(ngiSideFriction(sandAt80ft(20.0), openInTension).outside.top, 0.0823600, 1e-6);

  OffshorePile timber = closedPile();
  timber.pileType = 2;
  EXPECT_NEAR(ngiSideFriction(sandAt80ft(200.0), timber).outside.top, 1.2 * 1.500059, 1e-5);
}

TEST(NgiSand, SurfaceIncrementHasNoFriction) {
  OffshoreIncrement top = sandAt80ft(200.0);
  top.topDepth = 0.0;
  top.stressTop = 0.0;
  top.stressBottom = 0.06;
  const OffshoreSideFriction f = ngiSideFriction(top, closedPile());
  EXPECT_DOUBLE_EQ(f.outside.top, 0.0);
  EXPECT_DOUBLE_EQ(f.outside.bottom, 0.0);
}

// Clay, PI 30: alpha_NC = 0.32 * 20^0.3 = 0.7860659, f_min = 0.06 * 18^0.33 * sigma
TEST(NgiClay, AlphaAcrossTheStrengthRatioRanges) {
  struct Case {
    const char* name;
    double su, sur, stress;
    bool open;
    double outside, insideTop;
  };
  const Case cases[] = {
      // psi = 0.5, open: F_tip = 0.8 + 0.2 sqrt 0.5 = 0.9414214; alpha_OC = 0.5 * 0.5^-0.3
      // alpha = 0.7860659 + 0.25 (0.6155722 - 0.7860659) / 0.75 = 0.7292347
      // f = 0.7292347 * 2 * 0.9414214 = 1.373034; inside max(0.7292347 * 1 * 0.9414214, 0.622947)
      {"psi 0.5", 2.0, 1.0, 4.0, true, 1.373034, 0.686517},
      // psi = 0.25 exactly: alpha = alpha_NC; closed: f = max(0.7860659 * 1, 0.622947)
      {"psi 0.25", 1.0, 0.5, 4.0, false, 0.7860659, 0.622947},
      // psi = 1 exactly: alpha = 0.5; f = 0.5 * 2 = 1.0; inside max(0.5 * 1, 0.06 * 18^0.33 * 2)
      {"psi 1", 2.0, 1.0, 2.0, false, 1.0, 0.5},
      // psi = 2: alpha = 0.5 * 2^-0.3 = 0.4061262; f = 0.8122524; inside 0.4061262 * 1
      {"psi 2", 2.0, 1.0, 1.0, false, 0.8122524, 0.4061262},
      // psi = 0.1: f = 0.08 * 20^0.3 * 4 = 0.7860659; the plug takes the same value
      {"psi 0.1", 0.4, 0.2, 4.0, true, 0.7860659, 0.7860659},
  };
  for (const Case& c : cases) {
    OffshorePile pile = closedPile();
    if (c.open) pile.endInnerDiameter = 34.0;
    const OffshoreSideFriction f = ngiSideFriction(clay(c.su, c.sur, c.stress, 30.0), pile);
    EXPECT_NEAR(f.outside.top, c.outside, 1e-6) << c.name;
    EXPECT_NEAR(f.outside.bottom, c.outside, 1e-6) << c.name;
    EXPECT_NEAR(f.inside.top, c.insideTop, 1e-6) << c.name;
    EXPECT_NEAR(f.inside.bottom, c.outside, 1e-6) << c.name;
  }
}

// Sand end bearing with pa = 2.1168: Dr = 0.4 ln(200 / (22 sqrt(4 * 2.1168))) = 0.4556700
//   closed q = 0.8 * 200 / (1 + Dr^2) = 132.4903; open q = 0.7 * 200 / (1 + 3 Dr^2) = 86.26504
// Clay: 9 su.
TEST(NgiEndBearing, SandOpenAndClosedAndClay) {
  const NodePair closed = ngiEndBearing(sandAt80ft(200.0), closedPile());
  EXPECT_NEAR(closed.top, 132.4903, 1e-4);
  EXPECT_NEAR(closed.bottom, 132.4903, 1e-4);
  OffshorePile open = closedPile();
  open.endInnerDiameter = 34.0;
  EXPECT_NEAR(ngiEndBearing(sandAt80ft(200.0), open).bottom, 86.26504, 1e-4);
  OffshoreIncrement capped = sandAt80ft(200.0);
  capped.maxEndBearing = 50.0;
  EXPECT_DOUBLE_EQ(ngiEndBearing(capped, open).top, 50.0);
  EXPECT_DOUBLE_EQ(ngiEndBearing(clay(2.0, 1.0, 4.0, 30.0), open).top, 18.0);
}

// The same pile and sand in SI units (D 914.4 mm, Di 863.6 mm, L 30.48 m, 6.096 m above the
// tip, qc and stress times 47.880259 kPa/ksf): pa = 100 kPa is 2.088555 ksf and 0.02 mm is
// 0.0007874 in, so the friction is the English hand value in kPa.
TEST(NgiSand, SiUnitsGiveTheSameFrictionInKpa) {
  constexpr double kKpaPerKsf = 47.880259;
  OffshorePile pile = closedPile();
  pile.english = false;
  pile.diameter *= 25.4;
  pile.endInnerDiameter *= 25.4;
  pile.embeddedLength *= 0.3048;
  OffshoreIncrement sand = sandAt80ft(200.0);
  sand.topDepth *= 0.3048;
  sand.coneResistance *= kKpaPerKsf;
  sand.stressTop *= kKpaPerKsf;
  sand.stressBottom *= kKpaPerKsf;
  EXPECT_NEAR(ngiSideFriction(sand, pile).outside.bottom / kKpaPerKsf, 1.500059, 2e-4 * 1.500059);
}

}  // namespace
}  // namespace corvex
