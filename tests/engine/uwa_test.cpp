// UWA rules against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/uwa.h"
#include "offshore_fixture.h"

namespace corvex {
namespace {

using namespace offshore_fixture;

// IFR = min(1, (34*0.0254/1.5)^0.2) = (0.5757333)^0.2 = 0.8954560
// Ar = 1 - 0.8954560 * (34/36)^2 = 0.2012753
TEST(UwaGeometry, FillingAndAreaRatios) {
  EXPECT_NEAR(uwaFillingRatio(openPipe()), 0.8954560, 1e-6);
  EXPECT_NEAR(uwaEffectiveAreaRatio(openPipe()), 0.2012753, 1e-6);

  OffshorePile closed = openPipe();
  closed.endInnerDiameter = 0.0;
  EXPECT_DOUBLE_EQ(uwaEffectiveAreaRatio(closed), 1.0);

  OffshorePile wide;  // SI: 2000 mm pile with a 1600 mm bore, IFR capped at 1
  wide.english = false;
  wide.diameter = 2000.0;
  wide.endInnerDiameter = 1600.0;
  EXPECT_DOUBLE_EQ(uwaFillingRatio(wide), 1.0);
  EXPECT_NEAR(uwaEffectiveAreaRatio(wide), 1.0 - 0.64, 1e-12);
}

// Sand at 4 ksf (pa 2.088555): h/D = 240/36 = 6.6667
//   sigma_rc = 0.03 * 200 * 0.2012753^0.3 * 6.6667^-0.5 = 1.436594 ksf
//   qc1N = (200/2.088555) / sqrt(4/2.088555) = 69.19537; G = 185*200*69.19537^-0.75 = 1542.44
//   d_sigma_rd = 4 * G * 0.0007874 / 36 = 0.1349264 ksf
//   compression f = (1.436594 + 0.1349264) * tan 30 = 0.9073177; tension 0.75 * that = 0.6804883
TEST(UwaSand, SideFrictionInCompressionAndTension) {
  OffshorePile pile = openPipe();
  const OffshoreSideFriction compression = uwaSideFriction(sandAt80ft(), pile);
  EXPECT_NEAR(compression.outside.top, 0.9073177, 1e-6);
  EXPECT_NEAR(compression.outside.bottom, 0.9073177, 1e-6);
  EXPECT_DOUBLE_EQ(compression.inside.bottom, compression.outside.bottom);
  pile.tension = true;
  const OffshoreSideFriction tension = uwaSideFriction(sandAt80ft(), pile);
  EXPECT_NEAR(tension.outside.top, 0.6804883, 1e-6);
  EXPECT_NEAR(tension.outside.bottom, 0.6804883, 1e-6);
}

TEST(UwaSand, NearTipAndZeroConeResistance) {
  // Six inches above the tip h/D = 1/6 is raised to 2:
  //   sigma_rc = 0.03 * 200 * 0.2012753^0.3 * 2^-0.5 = 2.622850; f = (2.622850 + 0.1349264) tan 30
  OffshoreIncrement sand = sandAt80ft();
  sand.topDepth = 99.5;
  EXPECT_NEAR(uwaSandSideFriction(sand, openPipe(), 4.0), 1.592203, 1e-5);
  // No cone resistance: no friction, and no undefined value from qc1N^-0.75.
  sand.coneResistance = 0.0;
  EXPECT_DOUBLE_EQ(uwaSandSideFriction(sand, openPipe(), 4.0), 0.0);
}

TEST(UwaClay, UsesTheSharedClayRule) {
  // Same clay as the shared rule's hand calculation: 0.8 * 1.155902 * 3.0 * tan 21.5.
  OffshoreIncrement clay;
  clay.soilType = 2.0;
  clay.topDepth = 80.0;
  clay.undrainedShear = 2.0;
  clay.remoldedShear = 1.0;
  clay.yieldStressRatio = 2.0;
  clay.plasticityIndex = 27.0;
  clay.stressTop = 3.0;
  clay.stressBottom = 3.0;
  EXPECT_NEAR(uwaSideFriction(clay, openPipe()).outside.bottom, 1.0927723, 1e-6);
}

// End bearing: open q = (0.15 + 0.45*0.2012753) qc = 0.2405739 qc;
// closed Ar = 1 -> q = 0.6 qc; plugged open pile floored at 0.3 qc.
TEST(UwaSand, EndBearingOpenClosedAndPlugged) {
  OffshorePile pile = openPipe();
  EXPECT_NEAR(uwaSandEndBearing(sandAt80ft(), pile), 0.2405739 * 200.0, 1e-4);
  pile.plugMode = 1;
  EXPECT_NEAR(uwaSandEndBearing(sandAt80ft(), pile), 0.3 * 200.0, 1e-9);
  pile.plugMode = 0;
  pile.endInnerDiameter = 0.0;
  EXPECT_NEAR(uwaSandEndBearing(sandAt80ft(), pile), 0.6 * 200.0, 1e-9);
}

// The same pile and sand in SI units (D 914.4 mm, Di 863.6 mm, L 30.48 m, 6.096 m above the
// tip, qc and stress times 47.880259 kPa/ksf): pa = 100 kPa is 2.088555 ksf and 0.02 mm is
// 0.0007874 in, so the friction is the English hand value in kPa.
TEST(UwaSand, SiUnitsGiveTheSameFrictionInKpa) {
  const OffshorePile pile = openPipeSi();
  const OffshoreIncrement sand = sandAt80ftSi();
  EXPECT_NEAR(uwaSideFriction(sand, pile).outside.bottom / kKpaPerKsf, 0.9073177, 2e-4 * 0.9073177);
}

}  // namespace
}  // namespace corvex
