// The common end-bearing steps and the skin-friction accumulation, with the API rules as
// the method's own (MethodCode 4).
#include <gtest/gtest.h>

#include "methods/api.h"
#include "methods/end_bearing_steps.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

using test::Layer;
using test::makeColumn;
using test::Pile;
using test::prepare;

// Sand at 60 pcf, phi 30, Nq 20: sigma'v = 0.06 z ksf, unit end bearing 1.2 z ksf.
Layer denseSand() {
  Layer l;
  l.top = 0;
  l.bottom = 30;
  l.gamma = 60;
  l.k = 0.8;
  l.phi = 30;
  l.nq = 20;
  return l;
}

constexpr double kQuarterPiD2 = 0.7853975;  // full area of a 12 in pile, ft2

TEST(PluggedEndBearing, AveragedOverThreeDiametersAlsoNearTheSurface) {
  auto s = makeColumn({denseSand()}, Pile{12.0, 0.0, 20.0, 1.0});
  prepare(*s);
  runEndBearingSteps(*s, kMethodApi);
  const MethodResults& m = s->computation.methods[kMethodApi];
  // Row 1 (p = 0): integral of A * 1.2 z from 0 to 1.5 ft = A * 1.35, over 3 D = 3 ft.
  EXPECT_NEAR(m.endBearing[1], kQuarterPiD2 * 0.45, 1e-9);
  // Row 2 (p = 1 ft): the zone starts at 0; A * 1.2 * 2.5^2 / 2 / 3 = A * 1.25.
  EXPECT_NEAR(m.endBearing[2], kQuarterPiD2 * 1.25, 1e-9);
  // Row 5 (p = 4 ft): the whole zone lies in the soil; the average of a straight line
  // is its middle value, A * 4.8.
  EXPECT_NEAR(m.endBearing[5], kQuarterPiD2 * 4.8, 1e-9);
  EXPECT_EQ(m.plugFlag[5], 1);  // closed end
}

TEST(PluggedEndBearing, CappedByTheMaximumUnitEndBearing) {
  // Clay with su 1 ksf: 9 su = 9 ksf everywhere (the API step applies no qmax in clay),
  // qmax 6 ksf: the cap is A * 6 over the averaging zone.
  Layer clay;
  clay.top = 0;
  clay.bottom = 30;
  clay.soilType = 2;
  clay.gamma = 50;
  clay.su = 1.0;
  clay.qmax = 6.0;
  auto s = makeColumn({clay}, Pile{12.0, 0.0, 20.0, 1.0});
  prepare(*s);
  runEndBearingSteps(*s, kMethodApi);
  const MethodResults& m = s->computation.methods[kMethodApi];
  // Row 1: zone 0 to 1.5 ft; A * 9 * 1.5 / 3 = A * 4.5 is capped at A * 6 * 1.5 / 3.
  EXPECT_NEAR(m.endBearing[1], kQuarterPiD2 * 3.0, 1e-9);
  EXPECT_NEAR(m.endBearing[5], kQuarterPiD2 * 6.0, 1e-9);

  s->input.points[1].maxUnitEndBearing = s->input.points[2].maxUnitEndBearing = kNoLimit;
  prepare(*s);
  runEndBearingSteps(*s, kMethodApi);
  EXPECT_NEAR(m.endBearing[5], kQuarterPiD2 * 9.0, 1e-9);  // no limit: no cap
}

TEST(PluggedEndBearing, OpenPipeTakesTheSmallerUnpluggedTipUnlessThePlugModeForcesOne) {
  // 12 in pipe, 11 in inside. At p = 4 ft: wall A = 0.7853975 * (144 - 121) / 144 ft2 times
  // 4.8 ksf = 0.602138; plug friction: inside friction 0.8 * 0.06 z * tan 25 deg integrated
  // to 4 ft (8 * 0.0223828) times 3.14159 * 11/12 ft = 0.515662; unplugged 1.117800 <
  // plugged 3.769908.
  auto s = makeColumn({denseSand()}, Pile{12.0, 11.0, 20.0, 1.0});
  prepare(*s);
  computeApiUnitResistance(*s);
  runEndBearingSteps(*s, kMethodApi);
  MethodResults& m = s->computation.methods[kMethodApi];
  EXPECT_NEAR(m.endBearing[5], 1.117800, 2e-6);
  EXPECT_EQ(m.plugFlag[5], 2);

  s->input.plugMode = 1;
  runEndBearingSteps(*s, kMethodApi);
  EXPECT_NEAR(m.endBearing[5], 3.769908, 1e-6);
  EXPECT_EQ(m.plugFlag[5], 1);

  s->input.plugMode = 2;
  runEndBearingSteps(*s, kMethodApi);
  EXPECT_NEAR(m.endBearing[5], 0.602138, 1e-6);  // wall only: no plug friction
  EXPECT_EQ(m.plugFlag[5], 2);
}

TEST(SelfWeight, SteelInAirOverTheTopTenthThenBuoyant) {
  auto s = makeColumn({denseSand()}, Pile{12.0, 11.5, 20.0, 1.0});
  const double as = 0.7853975 * (144.0 - 132.25) / 144.0;  // ft2
  EXPECT_NEAR(pileSelfWeight(s->input, 0.05), as * 0.49 * 0.05, 1e-12);
  EXPECT_NEAR(pileSelfWeight(s->input, 5.0), as * (0.49 * 0.1 + 0.4276 * 4.9), 1e-12);

  s->input.loadingType = 1;
  prepare(*s);
  runEndBearingSteps(*s, kMethodApi);
  EXPECT_NEAR(s->computation.methods[kMethodApi].endBearing[6], 0.1374163, 1e-7);

  s->input.pileType = 3;  // precast concrete: 0.15 kcf, buoyant 0.0876 kcf
  EXPECT_NEAR(pileSelfWeight(s->input, 5.0), as * (0.015 + 0.0876 * 4.9), 1e-12);
}

TEST(SelfWeight, NoncircularPileWeighsItsTipAreaNotTheCircleOfItsPerimeter) {
  // H-pile with a 56 in perimeter and 21.4 in2 of steel: 21.4 / 144 = 0.1486111 ft2,
  // W(10 ft) = 0.1486111 * (0.49 * 0.1 + 0.4276 * 9.9) = 0.1486111 * 4.28224 = 0.636388 kip
  // (the 17.8 in circle of the same perimeter would give 1.73 ft2 and 7.4 kip).
  auto s = makeColumn({denseSand()}, Pile{56.0 / 3.1416, 0.0, 20.0, 1.0});
  s->input.pileType = 6;
  s->input.perimeter = 56.0;
  s->input.tipArea = 21.4 / 144.0;
  EXPECT_NEAR(pileSelfWeight(s->input, 10.0), 0.636388, 1e-6);
}

TEST(SkinFriction, NothingAboveTheZeroFrictionLength) {
  // Sand with friction 0.8 * 0.06 z * tan 25 deg = 0.0223828 z ksf, perimeter 3.14159 ft.
  auto s = makeColumn({denseSand()}, Pile{12.0, 0.0, 20.0, 1.0});
  s->input.zeroFrictionLength = 2.0;
  prepare(*s);
  computeApiUnitResistance(*s);
  const MethodResults& m = s->computation.methods[kMethodApi];
  const double f2 = 0.8 * 0.12 * 0.466307658;  // unit friction at 2 ft
  const double f3 = 0.8 * 0.18 * 0.466307658;  // and at 3 ft
  EXPECT_EQ(m.unitFriction[2], 0.0);           // 1 ft: above the zero-friction length
  EXPECT_EQ(m.skinFriction[2], 0.0);
  EXPECT_NEAR(m.unitFriction[3], f2, 1e-8);
  // The increment from 1 to 2 ft adds half of its lower value.
  EXPECT_NEAR(m.skinFriction[3], f2 / 2 * 3.14159, 1e-8);
  EXPECT_NEAR(m.skinFriction[4], f2 / 2 * 3.14159 + (f2 + f3) / 2 * 3.14159, 1e-8);
}

TEST(SkinFriction, TensionFactorAndLrfdFactorOnFriction) {
  auto t = makeColumn({denseSand()}, Pile{12.0, 0.0, 20.0, 1.0});
  t->input.loadingType = 1;
  t->input.tensionFactor = 0.5;
  for (int p = 1; p <= 2; ++p) t->input.points[p].sideReductionFactor = 0.8;
  prepare(*t);
  computeApiUnitResistance(*t);
  const MethodResults& u = t->computation.methods[kMethodApi];
  // Row 3 (2 ft): 0.5 * (f(1 ft) + f(2 ft)) / 2 * P added to row 2.
  const double f1 = 0.8 * 0.06 * 0.466307658;  // 1 ft
  const double f2 = 2 * f1;
  const double qs3 = 0.5 * (0 + f1) / 2 * 3.14159 + 0.5 * (f1 + f2) / 2 * 3.14159;
  EXPECT_NEAR(u.unfactoredSkinFriction[3], qs3, 1e-9);
  EXPECT_NEAR(u.skinFriction[3], 0.8 * qs3, 1e-9);
  EXPECT_NEAR(u.loadTransferColumn[3], qs3, 1e-9);  // unfactored curves by default
}

}  // namespace
}  // namespace corvex
