// The driver end to end on the steel-pipe example and on small columns: the API table
// checked against a hand calculation, the plot header and method blocks, the echo's
// derived values, and the plot file's guard against overflowing fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/driver.h"
#include "core/input_checks.h"
#include "core/input_reader.h"
#include "core/plot_writer.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> readLines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<double> numbersOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> values;
  for (std::string word; in >> word;) {
    if (word.back() == '*') word.pop_back();
    values.push_back(std::stod(word));
  }
  return values;
}

// Runs the echo and the computation as the run sequence does, with the report and the
// plot-data file in a fresh folder.
class DriverRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("corvex-driver-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void run(RunState& state) {
    setUnitLabels(state.input.unitSystem, state.context.labels);
    state.context.report.open(folder_ / "run.cx6o");
    state.context.plot.open(folder_ / "run.cx6p");
    writeInputEcho(state);
    state.input.segmentCount = countSegments(state.input);
    adjustThinLayers(state.input);
    runComputation(state);
    state.context.report.close();
    state.context.plot.close();
    report_ = readLines(folder_ / "run.cx6o");
    plot_ = readLines(folder_ / "run.cx6p");
  }

  void echoOnly(RunState& state) {
    setUnitLabels(state.input.unitSystem, state.context.labels);
    state.context.report.open(folder_ / "echo.cx6o");
    writeInputEcho(state);
    state.context.report.close();
    report_ = readLines(folder_ / "echo.cx6o");
  }

  // The table rows that follow a method title, up to the next empty line.
  std::vector<std::string> tableOf(const std::string& title) const {
    std::vector<std::string> rows;
    std::size_t i = 0;
    while (i < report_.size() && report_[i].find(title) == std::string::npos) ++i;
    for (i += 7; i < report_.size() && !report_[i].empty(); ++i) rows.push_back(report_[i]);
    return rows;
  }

  bool reportHas(const std::string& line) const {
    for (const std::string& l : report_) {
      if (l == line) return true;
    }
    return false;
  }

  fs::path folder_;
  std::vector<std::string> report_;
  std::vector<std::string> plot_;
};

TEST_F(DriverRun, SteelPipeExampleApiRowsAgreeWithAHandCalculation) {
  auto state = std::make_unique<RunState>();
  std::ifstream project(fs::path(CORVEX_SOURCE_DIR) / "examples/steel_pipe_layered.cx6d");
  readProjectInput(project, state->input);
  run(*state);

  // 18 in pipe, 17 in inside, DZ 0.5 ft, embedded 70 ft, printed every 2.5 ft.
  // Sand 0-12 ft: K 1, phi 30, 62 pcf: f = 0.062 z tan 25 deg = 0.0289111 z ksf;
  // perimeter 3.14159 * 1.5 = 4.712385 ft.
  //
  // At 10 ft: skin friction 4.712385 * 0.0289111 * 10^2 / 2 = 6.812 kip.
  // End bearing: 1.24 z ksf (Nq 20). Plugged: A = 0.7853975 * 1.5^2 = 1.767144 ft2 times
  // the average 12.4 ksf = 21.913. Unplugged: wall 0.7853975 * (324 - 289) / 144 * 12.4 =
  // 2.367 plus plug friction 0.0289111 * 50 * 3.14159 * 17/12 = 6.434, so 8.801 < 21.913:
  // the plug controls ("*"), and the capacity is 6.812 + 8.801 = 15.613.
  //
  // At 20 ft, 8 ft into clay (su 0.8 -> 1.2 ksf over 12 -> 35 ft, 52 pcf): each 0.5 ft
  // increment has alpha = 0.5 psi^-0.5 or 0.5 psi^-0.25 with psi = su(mid) / sigma(bottom);
  // the trapezoids of alpha * su from the sand value at 12 ft (0.744 * tan 25 = 0.34693)
  // down to 20 ft add 17.064 to the 9.809 of the sand: 26.873 kip. Plugged bearing: 9 su
  // averaged over 17.75-22.25 ft is 9 su(20) = 9 * 0.939130, times A: 14.936. Unplugged:
  // wall 0.190895 * 9 * su(19.75) = 1.606 plus plug friction 9.264 (sand) + 8.155 (clay,
  // alpha * sur over each increment) = 19.025 > 14.936, so the plugged value holds.
  // Capacity 26.873 + 14.936 = 41.809.
  const auto api = tableOf("*  API RP-2A (1994)  *");
  ASSERT_EQ(api.size(), 29u);
  EXPECT_EQ(numbersOf(api[4]), (std::vector<double>{10.00, 6.8, 8.8, 15.6}));
  EXPECT_NE(api[4].find("8.8*"), std::string::npos);
  EXPECT_EQ(numbersOf(api[8]), (std::vector<double>{20.00, 26.9, 14.9, 41.8}));
  EXPECT_EQ(api[8].find('*'), std::string::npos);
  EXPECT_EQ(api[8], "             20.00          26.9          14.9         41.8");

  // API is the t-z method: its printed rows are its t-z source, and every row feeds the
  // load transfer (row 41 is 20 ft).
  const ComputationState& c = state->computation;
  ASSERT_EQ(c.tzSourceCount, 29);
  EXPECT_DOUBLE_EQ(c.tzSourceDepth[9], 20.0);
  EXPECT_NEAR(c.tzSourceSkin[9], 26.873, 1e-3);
  EXPECT_NEAR(c.tzSourceEnd[9], 14.936, 1e-3);
  EXPECT_NEAR(c.loadTransferSkin[41], 26.873, 1e-3);
  EXPECT_NEAR(c.loadTransferTip[41], 14.936, 1e-3);

  // Plot header: FHWA, USACE, Lambda and API selected, 29 printed rows, English, t-z API.
  EXPECT_EQ(numbersOf(plot_[0]), (std::vector<double>{4, 29, 1, 4}));
  // The API block is the fourth: header line + 3 * 29 lines before it.
  // Its last column is the unit friction at 20 ft: su(19.75) = 0.934783 over sigma 1.16 ksf
  // gives psi 0.80585 and alpha 0.5 / sqrt(psi) = 0.55700: 0.52067 ksf.
  EXPECT_EQ(numbersOf(plot_[1 + 3 * 29 + 8]), (std::vector<double>{20.00, 26.9, 14.9, 41.8, 0.521}));

  // The echo's section area is pi/4 (pi in single precision) * (18^2 - 17^2) = 27.489.
  EXPECT_TRUE(reportHas("          - CROSS SECTION AREA        =     27.49 IN2"));
  EXPECT_TRUE(reportHas("          0.10E+08* 0.10E+08*       0.80      0.40   2.00       0.00      0.00"));
}

TEST_F(DriverRun, UserMethodWithoutUserValuesIsNeitherCountedNorWritten) {
  test::Layer sand;
  sand.bottom = 30;
  sand.gamma = 60;
  sand.k = 0.8;
  sand.phi = 30;
  sand.nq = 20;
  auto state = test::makeColumn({sand}, test::Pile{12.0, 0.0, 10.0, 1.0});
  state->input.methodSwitch[5] = 1;
  state->input.elasticModulus = 29.0e6;
  run(*state);
  EXPECT_EQ(numbersOf(plot_[0]), (std::vector<double>{1, 11, 1, 4}));
  EXPECT_TRUE(tableOf("* GENERAL METHOD *").empty());
  EXPECT_EQ(tableOf("*  API RP-2A (1994)  *").size(), 11u);
}

TEST_F(DriverRun, TensionTableShowsTheSelfWeight) {
  test::Layer sand;
  sand.bottom = 30;
  sand.gamma = 60;
  sand.k = 0.8;
  sand.phi = 30;
  sand.nq = 20;
  auto state = test::makeColumn({sand}, test::Pile{12.0, 11.5, 10.0, 1.0});
  state->input.loadingType = 1;
  state->input.printInterval = 5;
  state->input.elasticModulus = 29.0e6;
  run(*state);
  EXPECT_TRUE(reportHas("             PILE       TOTAL SKIN       SELF      ULTIMATE"));
  EXPECT_TRUE(reportHas("          - TENSION  "));
  EXPECT_TRUE(reportHas("            REDUCTION FACTOR FOR TENSION LOADING =      1.00"));
  // Self weight at 10 ft: 0.7853975 * 11.75 / 144 ft2 * (0.049 + 0.4276 * 9.9) = 0.274.
  const auto api = tableOf("*  API RP-2A (1994)  *");
  ASSERT_EQ(api.size(), 3u);
  EXPECT_NEAR(numbersOf(api[2])[2], 0.3, 1e-12);
}

TEST_F(DriverRun, EchoOfNoncircularAndOfEnhancedEndSection) {
  test::Layer sand;
  sand.bottom = 30;
  auto h = test::makeColumn({sand}, test::Pile{48.0 / 3.14159989, 0.0, 20.0, 1.0});
  h->input.pileType = 6;
  h->input.perimeter = 48.0;  // in
  h->input.tipArea = 0.5;     // ft2 after reading: 72 in2 as read
  echoOnly(*h);
  EXPECT_TRUE(reportHas("          H-Pile/Steel Pile"));
  EXPECT_TRUE(reportHas("          NONCIRCULAR PILE PROPERTIES : "));
  EXPECT_TRUE(reportHas("          - PERIMETER OF PILE         =     48.00 IN."));
  EXPECT_TRUE(reportHas("          - TIP AREA OF PILE          =     72.00 IN2"));
  EXPECT_TRUE(reportHas("          - CROSS SECTION AREA        =     72.00 IN2"));

  auto pipe = test::makeColumn({sand}, test::Pile{24.0, 22.0, 40.0, 1.0});
  pipe->input.enhancedEndLength = 6.0;
  pipe->input.enhancedEndInnerDiameter = 20.0;
  pipe->input.plugMode = 1;
  pipe->input.criticalDepthMode = 2;
  pipe->input.userCriticalDepth = 12.5;
  pipe->input.methodSwitch[2] = 1;
  echoOnly(*pipe);
  EXPECT_TRUE(reportHas("          - LENGTH OF ENHANCED "));
  EXPECT_TRUE(reportHas("            END SECTION               =      6.00 FT."));
  EXPECT_TRUE(reportHas("            ENHANCED END SECTION      =     20.00 IN."));
  EXPECT_TRUE(reportHas("          Plugged for open-ended pile"));
  EXPECT_TRUE(reportHas("              At User-Specified Critical Depth =     12.50 FT."));
  // pi/4 * (24^2 - 22^2) with pi in single precision: 0.78539997 * 92 = 72.257.
  EXPECT_TRUE(reportHas("          - CROSS SECTION AREA        =     72.26 IN2"));
}

TEST(PlotNumber, WideValuesStayReadable) {
  EXPECT_EQ(plotNumber(123.45, 9, 1), "    123.5");
  EXPECT_EQ(plotNumber(12345678.9, 9, 1), "12345679.");
  EXPECT_EQ(plotNumber(-1234567.8, 9, 1), "-1234568.");
  EXPECT_EQ(plotNumber(123456789.0, 9, 1), "0.123E+09");
  EXPECT_EQ(plotNumber(-123456789.0, 9, 1), "-0.12E+09");
}

}  // namespace
}  // namespace corvex
