// t-z curves at the user's extra depths.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/run_state.h"
#include "settlement/extra_tz.h"

extern "C" int32_t ICORVEX(int32_t code);

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

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The uplift example (60 ft profile) with its extra depths replaced by 5, 500 and 20 ft,
// run through the engine's entry.
TEST(ExtraTzCurves, WholeRunWritesTheInRangeCurvesAndTheNote) {
  namespace fs = std::filesystem;
  const fs::path examples = fs::path(CORVEX_SOURCE_DIR) / "examples";
  std::string project = readFile(examples / "tension_pipe_pile.cx6d");
  const std::string extra = "1 \r\n2 \r\n10 \r\n30 \r\n";  // the file has CR LF line ends
  const auto at = project.find(extra);
  ASSERT_NE(at, std::string::npos);
  project.replace(at, extra.size(), "1 \r\n3 \r\n5 \r\n500 \r\n20 \r\n");

  const fs::path dir = fs::temp_directory_path() / ("corvex_extra_tz_" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "extra.cx6d") << project;
  std::ofstream(dir / "names.dat")
      << "2014.6.7    \nextra depths\nrun\n1\n" << (dir / "extra.cx6d").string() << "\n"
      << (dir / "extra.cx6o").string() << "\n" << (dir / "extra.cx6p").string() << "\n"
      << (examples / "tension_pipe_pile.cpt").string() << "\n";
  const fs::path before = fs::current_path();
  fs::current_path(dir);
  const int32_t status = ICORVEX(7);
  fs::current_path(before);
  const std::string report = readFile(dir / "extra.cx6o");
  const std::string plot = readFile(dir / "extra.cx6p");
  fs::remove_all(dir);
  ASSERT_EQ(status, 0);

  const auto banner = report.find("* (t-z) CURVES FOR VERIFICATION                 *");
  ASSERT_NE(banner, std::string::npos);
  const std::string tail = report.substr(banner);
  EXPECT_NE(tail.find("            1         10      0.5000E+01\n"), std::string::npos);
  EXPECT_NE(tail.find("            2         10      0.5000E+03\n"
                      "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE\n"),
            std::string::npos);
  EXPECT_NE(tail.find("            3         10      0.2000E+02\n"), std::string::npos);

  // The plot file ends with the block: the count 2, then curves 1 and 3, 11 lines each.
  std::istringstream lines(plot);
  std::vector<std::string> all;
  for (std::string l; std::getline(lines, l);) all.push_back(l);
  ASSERT_GE(all.size(), 23u);
  const size_t first = all.size() - 23;
  EXPECT_EQ(std::stoi(all[first]), 2);
  std::istringstream h1(all[first + 1]);
  std::istringstream h3(all[first + 12]);
  int n1 = 0;
  int n3 = 0;
  h1 >> n1;
  h3 >> n3;
  EXPECT_EQ(n1, 1);
  EXPECT_EQ(n3, 3);
}

}  // namespace
}  // namespace corvex
