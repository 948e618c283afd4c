// ICP/MTD rules and the clay rules it shares with Fugro and UWA, against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "methods/icp_mtd.h"
#include "methods/offshore_clay.h"
#include "offshore_fixture.h"

namespace corvex {
namespace {

using namespace offshore_fixture;

// Clay increment 20 ft above the tip: su 2, sur 1, YSR 2, PI 27, stresses 2.9 and 3.0 ksf.
OffshoreIncrement clayAt80ft() {
  OffshoreIncrement clay;
  clay.soilType = 2.0;
  clay.topDepth = 80.0;
  clay.undrainedShear = 2.0;
  clay.remoldedShear = 1.0;
  clay.yieldStressRatio = 2.0;
  clay.plasticityIndex = 27.0;
  clay.coneResistance = 60.0;
  clay.maxEndBearing = 9999999.0;
  clay.stressTop = 2.9;
  clay.stressBottom = 3.0;
  return clay;
}

// Hand calculation, sand at 4 ksf (pa = 2.088555 ksf):
//   R* = sqrt((36^2 - 34^2)/4) = sqrt(35) = 5.91608 in, h = 20 ft = 240 in, h/R* = 40.5674
//   sigma_rc = 0.029 * 200 * (4/2.088555)^0.13 * 40.5674^-0.38 = 1.545285 ksf
//   eta = 200 / sqrt(2.088555 * 4) = 69.19537
//   G = 200 / (0.0203 + 0.00125*69.19537 - 1.216e-6*69.19537^2) = 1980.747 ksf
//   d_sigma_rd = 2 * 1980.747 * 0.0007874 / 18 = 0.1732934 ksf
//   compression f = (1.545285 + 0.1732934) * tan 30 = 0.9922215 ksf
//   tension (open) f = 0.9 * (0.8*1.545285 + 0.1732934) * tan 30 = 0.7324086 ksf
TEST(IcpMtdSand, SideFrictionInCompressionAndTension) {
  OffshorePile pile = openPipe();
  const OffshoreSideFriction compression = icpMtdSideFriction(sandAt80ft(), pile);
  EXPECT_NEAR(compression.outside.top, 0.9922215, 1e-6);
  EXPECT_NEAR(compression.outside.bottom, 0.9922215, 1e-6);
  EXPECT_DOUBLE_EQ(compression.inside.top, compression.outside.top);
  EXPECT_DOUBLE_EQ(compression.inside.bottom, compression.outside.bottom);

  pile.tension = true;
  const OffshoreSideFriction tension = icpMtdSideFriction(sandAt80ft(), pile);
  EXPECT_NEAR(tension.outside.top, 0.7324086, 1e-6);
  EXPECT_NEAR(tension.outside.bottom, 0.7324086, 1e-6);
}

// One foot above the tip h/R* = 2.03 is raised to 8:
//   sigma_rc = 0.029 * 200 * (4/2.088555)^0.13 * 8^-0.38 = 2.863793 ksf
//   f = (2.863793 + 0.1732934) * tan 30 = 1.753463 ksf
TEST(IcpMtdSand, HeightOverRadiusRaisedToEightNearTip) {
  OffshoreIncrement sand = sandAt80ft();
  sand.topDepth = 99.0;
  EXPECT_NEAR(icpMtdSandSideFriction(sand, openPipe(), 4.0), 1.753463, 1e-6);
}

// At the ground surface the stress is zero; the friction must stay finite (it is the
// radial stress term alone, which is zero there).
TEST(IcpMtdSand, ZeroStressGivesFiniteFriction) {
  const double f = icpMtdSandSideFriction(sandAt80ft(), openPipe(), 0.0);
  EXPECT_TRUE(std::isfinite(f));
  EXPECT_NEAR(f, 0.0, 1e-6);
}

// A sand with no friction angle would have a negative interface angle; its shaft friction
// is zero rather than negative.
TEST(IcpMtdSand, MissingFrictionAngleGivesNoFriction) {
  OffshoreIncrement sand = sandAt80ft();
  sand.frictionAngle = 0.0;
  EXPECT_DOUBLE_EQ(icpMtdSandSideFriction(sand, openPipe(), 4.0), 0.0);
}

// End bearing factors, D in mm over 36:
//   36 in = 914.4 mm: closed 1 - 0.5*log10(25.4) = 0.297583 -> raised to 0.3 (D > 900 mm)
//                     open 0.5 - 0.25*log10(25.4) = 0.148792 -> raised to 0.15
//   24 in = 609.6 mm: closed 1 - 0.5*log10(16.9333) = 0.385629, open 0.192814
TEST(IcpMtdSand, EndBearingOpenAndClosed) {
  struct Case {
    double diameter, inner;
    int plugMode;
    double factor;
  };
  const Case cases[] = {
      {36.0, 0.0, 0, 0.3},        // 914 mm closed pile raised to 0.3 qc
      {36.0, 34.0, 0, 0.15},      // 914 mm open pile raised to 0.15 qc
      {24.0, 0.0, 0, 0.385629},   // closed, no floor below 900 mm
      {24.0, 22.0, 0, 0.192814},  // open
      {24.0, 22.0, 2, 1.0},       // open and unplugged: q = qc
  };
  for (const Case& c : cases) {
    OffshorePile pile = openPipe();
    pile.diameter = c.diameter;
    pile.endInnerDiameter = c.inner;
    pile.plugMode = c.plugMode;
    EXPECT_NEAR(icpMtdSandEndBearing(sandAt80ft(), pile), c.factor * 200.0, 1e-4)
        << "D " << c.diameter << " Di " << c.inner << " plug " << c.plugMode;
  }
  OffshoreIncrement capped = sandAt80ft();
  capped.maxEndBearing = 20.0;  // below 0.15 * 200 = 30
  EXPECT_DOUBLE_EQ(icpMtdSandEndBearing(capped, openPipe()), 20.0);
}

TEST(OffshoreClay, InterfaceAngleChart) {
  EXPECT_DOUBLE_EQ(ultimateInterfaceAngle(0.0), 34.0);
  EXPECT_DOUBLE_EQ(ultimateInterfaceAngle(-5.0), 34.0);
  EXPECT_DOUBLE_EQ(ultimateInterfaceAngle(20.0), 24.5);
  EXPECT_DOUBLE_EQ(ultimateInterfaceAngle(27.0), 21.5);  // 20 - 3 * (20 - 22.5) / 5
  EXPECT_DOUBLE_EQ(ultimateInterfaceAngle(80.0), 8.5);
  EXPECT_DOUBLE_EQ(ultimateInterfaceAngle(120.0), 8.5);
}

// Hand calculation, clay 20 ft above the tip:
//   Kc = (2 - 0.625*log10(2/1)) * 2^0.42 * 40.5674^-0.2 = 1.155902
//   delta_f(PI 27) = 21.5 deg
//   f = 0.8 * 1.155902 * sigma * tan 21.5: 1.0927723 at 3.0 ksf, 1.0563465 at 2.9 ksf
TEST(OffshoreClay, SideFrictionAtBothNodes) {
  const OffshoreSideFriction f = icpMtdSideFriction(clayAt80ft(), openPipe());
  EXPECT_NEAR(f.outside.bottom, 1.0927723, 1e-6);
  EXPECT_NEAR(f.outside.top, 1.0927723 * 2.9 / 3.0, 1e-6);
  EXPECT_DOUBLE_EQ(f.inside.top, f.outside.top);
  EXPECT_FALSE(f.negativePlasticityIndex);
}

TEST(OffshoreClay, NearTipAndDegenerateStrengths) {
  // One foot above the tip h/R* is raised to 8: Kc = (2 - 0.625*log10 2) * 2^0.42 * 8^-0.2.
  OffshoreIncrement clay = clayAt80ft();
  clay.topDepth = 99.0;
  const double expected = (2.0 - 0.625 * 0.30103) * std::pow(2.0, 0.42) * std::pow(8.0, -0.2);
  EXPECT_NEAR(clayRadialStressCoefficient(clay, openPipe()), expected, 1e-5);

  // No remoulded strength: no sensitivity term, and no infinite or undefined friction.
  clay = clayAt80ft();
  clay.remoldedShear = 0.0;
  const double noSensitivity = 2.0 * std::pow(2.0, 0.42) * std::pow(40.5674, -0.2);
  EXPECT_NEAR(clayRadialStressCoefficient(clay, openPipe()), noSensitivity, 1e-5);

  // An extremely sensitive clay (St = 10^4) would give a negative coefficient; it stops at 0.
  clay.undrainedShear = 10.0;
  clay.remoldedShear = 0.001;
  EXPECT_DOUBLE_EQ(clayRadialStressCoefficient(clay, openPipe()), 0.0);

  // A negative plasticity index is flagged and read as 34 degrees.
  clay = clayAt80ft();
  clay.plasticityIndex = -1.0;
  const OffshoreSideFriction f = icpMtdSideFriction(clay, openPipe());
  EXPECT_TRUE(f.negativePlasticityIndex);
  const double kc = clayRadialStressCoefficient(clay, openPipe());
  EXPECT_NEAR(f.outside.bottom, 0.8 * kc * 3.0 * std::tan(34.0 * 3.14159265358979 / 180.0), 1e-9);
}

TEST(OffshoreClay, EndBearingByDrainageAndPlugMode) {
  struct Case {
    double inner;
    int plugMode;
    bool drained;
    double expected;  // qc = 60 ksf, su = 2 ksf
  };
  const Case cases[] = {
      {0.0, 0, true, 1.3 * 60.0},   {0.0, 0, false, 0.8 * 60.0},   // closed end
      {34.0, 1, true, 0.65 * 60.0}, {34.0, 1, false, 0.4 * 60.0},  // plugged
      {0.0, 1, true, 0.65 * 60.0},                                 // plugged wins over closed
      {34.0, 2, true, 1.6 * 60.0},  {34.0, 2, false, 1.0 * 60.0},  // unplugged open end
      {34.0, 0, true, 9.0 * 2.0},                                  // computed plug: 9 su
  };
  for (const Case& c : cases) {
    OffshorePile pile = openPipe();
    pile.endInnerDiameter = c.inner;
    pile.plugMode = c.plugMode;
    pile.drainedClay = c.drained;
    const NodePair q = offshoreEndBearing(clayAt80ft(), pile, icpMtdSandEndBearing);
    EXPECT_DOUBLE_EQ(q.top, c.expected) << "Di " << c.inner << " plug " << c.plugMode;
    EXPECT_DOUBLE_EQ(q.bottom, c.expected);
  }
}

// The same pile and sand in SI units (D 914.4 mm, Di 863.6 mm, L 30.48 m, 6.096 m above the
// tip, qc and stress times 47.880259 kPa/ksf): pa = 100 kPa is 2.088555 ksf and 0.02 mm is
// 0.0007874 in, so the friction is the English hand value in kPa.
TEST(IcpMtdSand, SiUnitsGiveTheSameFrictionInKpa) {
  const OffshorePile pile = openPipeSi();
  const OffshoreIncrement sand = sandAt80ftSi();
  EXPECT_NEAR(icpMtdSideFriction(sand, pile).outside.bottom / kKpaPerKsf, 0.9922215, 2e-4 * 0.9922215);
}

}  // namespace
}  // namespace corvex
