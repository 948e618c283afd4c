// t-z curves at the user's extra depths.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/run_state.h"
#include "settlement/extra_tz.h"

namespace corvex {
namespace {

// A 60 ft profile, sand (30 to 34 degrees) over clay, a 24 in pile; the skin friction
// grows by 2 kip/ft, rows every 5 ft.
struct ExtraDepthFixture {
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  std::ostringstream report;
  std::ostringstream plot;

  ExtraDepthFixture(std::initializer_list<double> depths, double stickUp = 0.0) {
    InputModel& in = state->input;
    in.unitSystem = 1;
    in.outerDiameter = 24.0;
    in.tzMethod = 4;
    in.stickUpLength = stickUp;
    const double profile[4][3] = {{0.0, 1.0, 30.0}, {30.0, 1.0, 34.0}, {30.0, 2.0, 0.0},
                                  {60.0, 2.0, 0.0}};
    in.profilePointCount = 4;
    for (int k = 1; k <= 4; ++k) {
      in.points[k].depth = profile[k - 1][0];
      in.points[k].soilType = profile[k - 1][1];
      in.points[k].frictionAngle = profile[k - 1][2];
    }
    in.extraDepthCount = 0;
    for (double d : depths) in.extraDepths[++in.extraDepthCount] = d;
    LoadTransferSource& s = state->settlement.source;
    s.rowCount = 13;
    for (int i = 1; i <= 13; ++i) {
      s.depth[i] = 5.0 * (i - 1);
      s.skinFriction[i] = 2.0 * s.depth[i];
    }
  }

  void run() {
    writeExtraTzCurves(state->input, state->context, state->settlement, report, plot);
  }
};

TEST(ExtraTzCurves, DepthsOutsideTheProfileAreNotedAndLeftOutOfThePlotFile) {
  ExtraDepthFixture f({5.0, 500.0, 20.0});
  f.run();
  const std::string report = f.report.str();
  EXPECT_NE(report.find("* COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *"), std::string::npos);
  // Curve 2 (500 ft) has its header and the note instead of points.
  const std::string header2 = "            2         10      0.5000E+03\n";
  const std::string note = "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE\n";
  EXPECT_NE(report.find(header2 + note), std::string::npos);
  EXPECT_NE(report.find("            1         10      0.5000E+01\n"), std::string::npos);
  EXPECT_NE(report.find("            3         10      0.2000E+02\n"), std::string::npos);

  std::istringstream plot(f.plot.str());
  int count = 0;
  plot >> count;
  ASSERT_EQ(count, 2);
  int number = 0;
  int points = 0;
  double depth = 0.0;
  double t = 0.0;
  double z = 0.0;
  plot >> number >> points >> depth;
  EXPECT_EQ(number, 1);
  for (int k = 0; k < 10; ++k) plot >> t >> z;
  plot >> number >> points >> depth;
  EXPECT_EQ(number, 3);
  EXPECT_EQ(points, 10);
  EXPECT_DOUBLE_EQ(depth, 20.0);
  // Sand over the whole interval: the sand-like curve, tmax at z = 0.1 in (point 8). At 20 ft
  // the slope is (S at 30 ft - S at 20 ft) / 10 ft = 2 kip/ft = 166.667 lb/in, over
  // 3.1416f x 24 in: 2.21048 psi, written 0.2210E+01.
  for (int k = 1; k <= 10; ++k) {
    plot >> t >> z;
    if (k == 8) {
      EXPECT_DOUBLE_EQ(t, 2.210);
      EXPECT_DOUBLE_EQ(z, 0.1);
    }
  }
  EXPECT_FALSE(plot.fail());
  std::string rest;
  plot >> rest;
  EXPECT_TRUE(rest.empty());

  const SettlementState& st = f.state->settlement;
  EXPECT_EQ(st.extraCurves[3].type, 1);
  EXPECT_NEAR(st.extraCurves[3].frictionAngle, 30.0 + 4.0 * 20.0 / 30.0, 1e-12);
  EXPECT_EQ(st.extraCurves[1].type, 1);
}

TEST(ExtraTzCurves, ClayDepthsGetTheClayShapeAndKeepTheirDepthWithAStickUp) {
  ExtraDepthFixture f({45.0, 0.0, 60.0}, /*stickUp=*/10.0);
  f.run();
  const SettlementState& st = f.state->settlement;
  EXPECT_EQ(st.extraInRangeCount, 3);  // both ends of the profile are inside it
  EXPECT_EQ(st.extraCurves[1].type, 2);
  EXPECT_DOUBLE_EQ(st.extraCurves[1].depth, (45.0 + 10.0) * 12.0);  // from the pile head
  // The clay curve peaks at z = 0.01 x 24 = 0.24 in.
  EXPECT_NEAR(st.extraCurves[1].z[6], 0.24, 1e-12);
  // The header gives the depth below the ground surface, as entered.
  EXPECT_NE(f.report.str().find("            1         10      0.4500E+02\n"), std::string::npos);
}

TEST(ExtraTzCurves, AnEmptyListWritesNothing) {
  ExtraDepthFixture f({});
  f.run();
  EXPECT_TRUE(f.report.str().empty());
  EXPECT_TRUE(f.plot.str().empty());
}

}  // namespace
}  // namespace corvex
