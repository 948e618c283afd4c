// t-z curves: shapes, the ultimate unit side resistance taken from the cumulative skin
// friction, and the list of curves along the pile.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/run_state.h"
#include "settlement/settlement_writer.h"
#include "settlement/tz_curve_list.h"
#include "settlement/tz_curve_shapes.h"
#include "settlement/unit_side_resistance.h"

namespace corvex::settlement {
namespace {

TzCurve curveOfType(int type, double tmax, double phi = 0.0) {
  TzCurve c;
  c.type = type;
  c.tmax = tmax;
  c.frictionAngle = phi;
  return c;
}

TEST(TzCurveShapes, ClayCurveOfOtherMethodsScalesWithDiameter) {
  TzCurve c = curveOfType(2, 10.0);
  fillTzCurve(c, /*usace=*/false, /*english=*/true, /*od=*/24.0);
  // z = 0.01 x 24 = 0.24 in at tmax; z = 0.02 x 24 = 0.48 in at 0.9 tmax.
  EXPECT_DOUBLE_EQ(c.z[1], 0.0);
  EXPECT_DOUBLE_EQ(c.t[1], 0.0);
  EXPECT_NEAR(c.z[6], 0.24, 1e-12);
  EXPECT_DOUBLE_EQ(c.t[6], 10.0);
  EXPECT_NEAR(c.z[7], 0.48, 1e-12);
  EXPECT_DOUBLE_EQ(c.t[7], 9.0);
  EXPECT_NEAR(c.z[10], 4.8, 1e-12);  // 0.2 x 24
  EXPECT_DOUBLE_EQ(c.t[10], 9.0);
}

TEST(TzCurveShapes, SandCurveOfOtherMethodsReachesTmaxAtOneTenthInch) {
  TzCurve english = curveOfType(1, 5.0);
  fillTzCurve(english, false, true, 24.0);
  EXPECT_DOUBLE_EQ(english.z[8], 0.1);
  EXPECT_DOUBLE_EQ(english.t[8], 5.0);
  EXPECT_DOUBLE_EQ(english.t[7], 4.5);  // 0.9 tmax at 0.09 in
  EXPECT_DOUBLE_EQ(english.z[10], 2.0);

  TzCurve si = curveOfType(1, 5.0);
  fillTzCurve(si, false, false, 0.6);
  EXPECT_NEAR(si.z[10], 2.0 / 39.37, 1e-15);  // inches turned into metres
  EXPECT_DOUBLE_EQ(si.t[10], 5.0);
}

TEST(TzCurveShapes, UsaceSandModulusFollowsTheFrictionAngle) {
  struct Case {
    double phi;
    double g;
  };
  const Case cases[] = {{25.0, 6000.0},   {28.0, 6000.0},   {30.0, 8666.6},
                        {31.0, 9999.9},   {31.5, 10000.0},  {33.0, 11333.3},
                        {34.0, 12666.6},  {34.5, 14000.0},  {36.0, 15333.3},
                        {38.0, 17999.9},  {40.0, 18000.0}};
  for (const Case& c : cases) EXPECT_NEAR(usaceSandModulus(c.phi), c.g, 1e-9) << c.phi;
}

TEST(TzCurveShapes, UsaceSandIsAHyperbola) {
  TzCurve c = curveOfType(1, 10.0, 33.0);
  fillTzCurve(c, /*usace=*/true, /*english=*/true, 24.0);
  // t' = 10 x 144 = 1440; G = 11333.3;
  // at z = 0.5 in: t = 0.5 / (0.5/1440 + 1/11333.3) = 1148.217 lb/ft2 -> / 144 = 7.97373 psi.
  EXPECT_DOUBLE_EQ(c.z[9], 0.5);
  EXPECT_NEAR(c.t[9], 7.97373, 1e-4);
  EXPECT_DOUBLE_EQ(c.z[10], 10.0);
  EXPECT_DOUBLE_EQ(c.t[1], 0.0);

  TzCurve none = curveOfType(1, 0.0, 33.0);
  fillTzCurve(none, true, true, 24.0);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(none.t[k], 0.0);

  // SI: t' = tmax x 20.89 and the movements go to metres after the hyperbola.
  TzCurve si = curveOfType(1, 10.0, 33.0);
  fillTzCurve(si, true, false, 0.6);
  // t' = 208.9; at z = 0.5: 0.5 / (0.0023935 + 0.0000882) = 201.472 -> / 20.89 = 9.64446 kPa.
  EXPECT_NEAR(si.t[9], 9.64446, 1e-4);
  EXPECT_NEAR(si.z[9], 0.5 / 39.37, 1e-15);
}

TEST(TzCurveShapes, UsaceClayCurveIsTheSameInBothUnitSystems) {
  TzCurve english = curveOfType(2, 10.0);
  fillTzCurve(english, true, true, 24.0);
  EXPECT_DOUBLE_EQ(english.z[6], 0.08);
  EXPECT_DOUBLE_EQ(english.t[6], 10.0);
  EXPECT_DOUBLE_EQ(english.t[2], 1.8);
  EXPECT_DOUBLE_EQ(english.t[10], 9.3);

  TzCurve si = curveOfType(2, 10.0);
  fillTzCurve(si, true, false, 0.6);
  EXPECT_NEAR(si.z[6], 0.08 / 39.37, 1e-15);
  EXPECT_NEAR(si.z[10], 10.0 / 39.37, 1e-15);
}

// Cumulative skin friction 0, 1, 3, 6, 10 kip at 0, 1, 2, 3, 4 ft.
LoadTransferSource rampSource() {
  LoadTransferSource s;
  const double skin[] = {0.0, 1.0, 3.0, 6.0, 10.0};
  s.rowCount = 5;
  for (int i = 1; i <= 5; ++i) {
    s.depth[i] = i - 1.0;
    s.skinFriction[i] = skin[i - 1];
  }
  return s;
}

TEST(UnitSideResistance, DifferentiatesTheSkinFrictionWithEachBranch) {
  const LoadTransferSource s = rampSource();
  // Slopes in kip/ft; tmax = slope x 1000/12 / (3.1416f x 12 in).
  const double perSlope = 1000.0 / 12.0 / (3.1415998935699463 * 12.0);
  struct Case {
    double depth;
    double slope;
  };
  const Case cases[] = {
      {0.0, 2.0},   // row 2 first below; S(1) = 0, so forward: S(3) - S(2)
      {2.0, 3.5},   // row 4 first below; central: (S(5) - S(3)) / 2
      {1.5, 2.5},   // row 3; central (S(4) - S(2)) / 2
      {3.5, 4.0},   // last row: S(5) - S(4)
      {10.0, 4.0},  // below the last row: the last row
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ultimateUnitSideResistance(s, c.depth, true, 12.0), c.slope * perSlope, 1e-12)
        << c.depth;
  }
  EXPECT_NEAR(ultimateUnitSideResistance(s, 2.0, true, 12.0), 7.73668, 1e-5);
}

TEST(UnitSideResistance, SiGivesKilopascals) {
  LoadTransferSource s;
  s.rowCount = 3;
  s.depth = {0, 0.0, 1.0, 2.0};
  s.skinFriction = {0, 0.0, 10.0, 20.0};
  // Forward slope 10 kN/m over a perimeter of 3.1416f x 0.6 m = 5.30515 kPa.
  EXPECT_NEAR(ultimateUnitSideResistance(s, 0.5, false, 0.6), 5.305153, 1e-6);
}

TEST(UnitSideResistance, RowsAtTheSameDepthDoNotBlowUpTheSlope) {
  LoadTransferSource s;
  s.rowCount = 4;
  s.depth = {0, 0.0, 1.0, 2.0, 2.0};
  s.skinFriction = {0, 0.0, 1.0, 4.0, 4.0};
  // Below 2 ft the last row (4) is used; it repeats row 3's depth, so the slope of the
  // interval above, (4 - 1) / 1, is taken.
  const double perSlope = 1000.0 / 12.0 / (3.1415998935699463 * 12.0);
  EXPECT_NEAR(ultimateUnitSideResistance(s, 2.5, true, 12.0), 3.0 * perSlope, 1e-12);

  LoadTransferSource single;
  single.rowCount = 1;
  EXPECT_EQ(ultimateUnitSideResistance(single, 0.0, true, 12.0), 0.0);
}

// A run state on the heap (its tables are large).
std::unique_ptr<RunState> stateWithProfile(std::initializer_list<std::array<double, 3>> points) {
  auto state = std::make_unique<RunState>();
  InputModel& in = state->input;
  in.unitSystem = 1;
  in.profilePointCount = 0;
  for (const auto& p : points) {
    ProfilePoint& pt = in.points[++in.profilePointCount];
    pt.depth = p[0];
    pt.soilType = p[1];
    pt.frictionAngle = p[2];
  }
  return state;
}

TEST(TzCurveList, ThreeCurvesPerIntervalWithTypeAndFrictionAngle) {
  auto state = stateWithProfile({{0.0, 1.0, 30.0}, {10.0, 1.0, 34.0}, {10.0, 2.0, 0.0},
                                 {20.0, 2.0, 0.0}});
  CurvePile pile{true, false, 24.0, 0.0};
  std::string reason;
  ASSERT_TRUE(buildTzCurveList(state->settlement, state->input, pile, reason));
  const SettlementState& st = state->settlement;
  ASSERT_EQ(st.curveCount, 6);  // the zero-thickness interval at 10 ft gets none
  EXPECT_EQ(st.stickUpCurveCount, 0);
  // top 0, bottom 120 - 0.5, middle (1.1 + 0 + 119.5) / 2 = 60.3 in.
  EXPECT_DOUBLE_EQ(st.curves[1].depth, 0.0);
  EXPECT_DOUBLE_EQ(st.curves[2].depth, 60.3);
  EXPECT_DOUBLE_EQ(st.curves[3].depth, 119.5);
  EXPECT_DOUBLE_EQ(st.curves[1].frictionAngle, 30.0);
  EXPECT_DOUBLE_EQ(st.curves[2].frictionAngle, 32.0);
  EXPECT_DOUBLE_EQ(st.curves[3].frictionAngle, 34.0);
  EXPECT_EQ(st.curves[1].type, 1);
  EXPECT_EQ(st.curves[4].type, 2);
  EXPECT_DOUBLE_EQ(st.curves[4].depth, 120.0);
  EXPECT_DOUBLE_EQ(st.curves[6].depth, 239.5);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(st.curves[k].number, k);
}

TEST(TzCurveList, SiDepthsAreMetres) {
  auto state = stateWithProfile({{0.0, 2.0, 0.0}, {5.0, 2.0, 0.0}});
  state->input.unitSystem = 2;
  CurvePile pile{false, false, 0.6, 0.0};
  std::string reason;
  ASSERT_TRUE(buildTzCurveList(state->settlement, state->input, pile, reason));
  // top 0, bottom 5 - 0.1 = 4.9, middle (0.1 + 0 + 4.9) / 2 = 2.5 m.
  EXPECT_DOUBLE_EQ(state->settlement.curves[2].depth, 2.5);
  EXPECT_DOUBLE_EQ(state->settlement.curves[3].depth, 4.9);
}

TEST(TzCurveList, ThinIntervalsGetNoCurves) {
  auto thin = stateWithProfile({{0.0, 2.0, 0.0}, {10.0, 2.0, 0.0}, {10.1, 2.0, 0.0}});
  auto thick = stateWithProfile({{0.0, 2.0, 0.0}, {10.0, 2.0, 0.0}, {10.11, 2.0, 0.0}});
  CurvePile pile{true, false, 24.0, 0.0};
  std::string reason;
  ASSERT_TRUE(buildTzCurveList(thin->settlement, thin->input, pile, reason));
  ASSERT_TRUE(buildTzCurveList(thick->settlement, thick->input, pile, reason));
  EXPECT_EQ(thin->settlement.curveCount, 3);
  EXPECT_EQ(thick->settlement.curveCount, 6);
}

TEST(TzCurveList, StickUpAddsThreeZeroCurvesThatAreNotWritten) {
  auto state = stateWithProfile({{0.0, 2.0, 0.0}, {20.0, 2.0, 0.0}});
  state->input.stickUpLength = 10.0;
  LoadTransferSource& s = state->settlement.source;
  s.rowCount = 3;
  s.depth = {0, 0.0, 10.0, 20.0};
  s.skinFriction = {0, 0.0, 20.0, 40.0};
  CurvePile pile{true, false, 24.0, 120.0};
  std::string reason;
  ASSERT_TRUE(buildTzCurveList(state->settlement, state->input, pile, reason));
  const SettlementState& st = state->settlement;
  ASSERT_EQ(st.curveCount, 6);
  EXPECT_EQ(st.stickUpCurveCount, 3);
  EXPECT_DOUBLE_EQ(st.curves[1].depth, 0.0);
  EXPECT_DOUBLE_EQ(st.curves[2].depth, 60.0);
  EXPECT_DOUBLE_EQ(st.curves[3].depth, 119.9);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(st.curves[k].tmax, 0.0);
    EXPECT_EQ(st.curves[k].t[6], 0.0);
  }
  EXPECT_DOUBLE_EQ(st.curves[4].depth, 120.0);  // the ground surface
  // Below the ground the slope is 2 kip/ft: 2000/12 lb/in over 3.1416f x 24 in.
  EXPECT_NEAR(st.curves[4].tmax, 2000.0 / 12.0 / (3.1415998935699463 * 24.0), 1e-12);

  RunContext context;
  WriterUnits units = writerUnits(context, state->input);
  std::ostringstream report;
  std::ostringstream plot;
  writeTzCurves(report, plot, st, units);
  // The plot block announces the three ground curves, numbered 1 to 3, at 0 ft, at
  // (1.1 + 0 + 239.5) / 2 / 12 = 10.025 ft (written 0.1003E+02) and at 239.5 / 12 ft.
  std::istringstream in(plot.str());
  int count = 0;
  in >> count;
  EXPECT_EQ(count, 3);
  int number = 0;
  int points = 0;
  double depth = -1.0;
  in >> number >> points >> depth;
  EXPECT_EQ(number, 1);
  EXPECT_EQ(points, 10);
  EXPECT_DOUBLE_EQ(depth, 0.0);
  double t = 0.0;
  double z = 0.0;
  for (int k = 0; k < 10; ++k) in >> t >> z;
  in >> number >> points >> depth;
  EXPECT_EQ(number, 2);
  EXPECT_DOUBLE_EQ(depth, 10.03);
}

TEST(TzCurveList, MoreCurvesThanTheTableHoldsAreRefused) {
  auto build = [](int intervals, double stickUp, std::string& reason) {
    auto state = std::make_unique<RunState>();
    InputModel& in = state->input;
    in.profilePointCount = intervals + 1;
    for (int k = 1; k <= intervals + 1; ++k) in.points[k].depth = k - 1.0;
    CurvePile pile{true, false, 24.0, stickUp};
    return buildTzCurveList(state->settlement, in, pile, reason);
  };
  std::string reason;
  EXPECT_TRUE(build(30, 0.0, reason));    // 90 curves
  EXPECT_TRUE(build(29, 12.0, reason));   // 3 + 87
  EXPECT_FALSE(build(30, 12.0, reason));  // 3 + 90
  EXPECT_NE(reason.find("93"), std::string::npos);
  EXPECT_FALSE(build(31, 0.0, reason));
}

}  // namespace
}  // namespace corvex::settlement
