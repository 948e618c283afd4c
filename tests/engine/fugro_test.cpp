// Fugro rules against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "methods/fugro.h"
#include "methods/offshore_clay.h"
#include "offshore_fixture.h"

namespace corvex {
namespace {

using namespace offshore_fixture;

// R* = 18 * sqrt(1 - (34/36)^2) = 5.916080 in; r = 240 / 5.916080 = 40.56740; s = 4/2.088555
//   compression f = 0.08 * 200 * s^0.05 * r^-0.9 = 0.5900261 ksf
//   tension     f = 0.045 * 200 * s^0.15 * r^-0.85 = 0.4262103 ksf
TEST(FugroSand, SideFrictionInCompressionAndTension) {
  EXPECT_NEAR(fugroEquivalentRadius(openPipe()), 5.916080, 1e-6);
  OffshorePile pile = openPipe();
  const OffshoreSideFriction compression = fugroSideFriction(sandAt80ft(), pile);
  EXPECT_NEAR(compression.outside.top, 0.5900261, 1e-6);
  EXPECT_NEAR(compression.outside.bottom, 0.5900261, 1e-6);
  EXPECT_DOUBLE_EQ(compression.inside.top, compression.outside.top);
  pile.tension = true;
  EXPECT_NEAR(fugroSideFriction(sandAt80ft(), pile).outside.bottom, 0.4262103, 1e-6);
}

// Near the tip, with h = r * R*:
//   r = 4: both compression expressions give 0.08 * 200 * s^0.05 * 4^-0.9 = 4.746535 ksf
//   r = 2 in compression: 0.08 * 200 * s^0.05 * 2^-0.9 * (2/4) = 16.52840 * 0.535887 * 0.5 = 4.428674
//   r = 2 in tension uses r = 4: 0.045 * 200 * s^0.15 * 4^-0.85 = 3.053681 ksf
TEST(FugroSand, DistanceRatioAroundFour) {
  const double radius = fugroEquivalentRadius(openPipe());
  OffshoreIncrement sand = sandAt80ft();
  auto atRatio = [&](double r, bool tension) {
    sand.topDepth = 100.0 - r * radius / 12.0;
    OffshorePile pile = openPipe();
    pile.tension = tension;
    return fugroSandSideFriction(sand, pile, 4.0);
  };
  EXPECT_NEAR(atRatio(4.0, false), 4.746535, 1e-5);
  EXPECT_NEAR(atRatio(4.0 + 1e-9, false), 4.746535, 1e-5);
  EXPECT_NEAR(atRatio(2.0, false), 4.428674, 1e-5);
  EXPECT_NEAR(atRatio(2.0, true), 3.053681, 1e-5);
}

TEST(FugroClay, UsesTheSharedClayRule) {
  OffshoreIncrement clay;
  clay.soilType = 2.0;
  clay.topDepth = 80.0;
  clay.undrainedShear = 2.0;
  clay.remoldedShear = 1.0;
  clay.yieldStressRatio = 2.0;
  clay.plasticityIndex = 27.0;
  clay.stressTop = 3.0;
  clay.stressBottom = 3.0;
  // 0.8 * 1.155902 * 3.0 * tan 21.5 deg
  EXPECT_NEAR(fugroSideFriction(clay, openPipe()).outside.top, 1.0927723, 1e-6);
}

// End bearing, D in mm over 36 (36 in = 914.4 mm, 24 in = 609.6 mm):
//   open 36 in: 0.148792 -> raised to 0.15; closed 36 in: 0.297583 -> raised to 0.3
//   closed 24 in: 0.385629; plug mode 1 on a closed 24 in pile takes the open rule 0.192814
TEST(FugroSand, EndBearingOpenClosedAndPlugged) {
  struct Case {
    double diameter, inner;
    int plugMode;
    double factor;
  };
  const Case cases[] = {
      {36.0, 34.0, 0, 0.15},
      {36.0, 0.0, 0, 0.3},
      {24.0, 0.0, 0, 0.385629},
      {24.0, 0.0, 1, 0.192814},
  };
  for (const Case& c : cases) {
    OffshorePile pile = openPipe();
    pile.diameter = c.diameter;
    pile.endInnerDiameter = c.inner;
    pile.plugMode = c.plugMode;
    EXPECT_NEAR(fugroSandEndBearing(sandAt80ft(), pile), c.factor * 200.0, 1e-4)
        << "D " << c.diameter << " Di " << c.inner << " plug " << c.plugMode;
  }
}

// The same pile and sand in SI units (D 914.4 mm, Di 863.6 mm, L 30.48 m, 6.096 m above the
// tip, qc and stress times 47.880259 kPa/ksf): pa = 100 kPa is 2.088555 ksf and 0.02 mm is
// 0.0007874 in, so the friction is the English hand value in kPa.
TEST(FugroSand, SiUnitsGiveTheSameFrictionInKpa) {
  const OffshorePile pile = openPipeSi();
  const OffshoreIncrement sand = sandAt80ftSi();
  EXPECT_NEAR(fugroSideFriction(sand, pile).outside.bottom / kKpaPerKsf, 0.5900261, 2e-4 * 0.5900261);
}

}  // namespace
}  // namespace corvex
