// Whole runs with the five onshore methods selected together (FHWA, USACE, revised Lambda,
// API and the user's unit values) on the English, SI and uplift examples: every run
// completes, the plot-data file carries exactly the tokens its reader expects, and the
// user-specified block matches hand calculations.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "core/run.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(CORVEX_SOURCE_DIR) / "examples";

std::vector<std::string> tokensOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> tokens;
  for (std::string t; in >> t;) tokens.push_back(t);
  return tokens;
}

std::string joined(const std::vector<std::string>& tokens) {
  std::string line;
  for (const std::string& t : tokens) line += t + " ";
  return line;
}

// Changes to an example project: the t-z method, the method switches, the loading record
// and the user's unit skin friction and end bearing of every profile point.
struct ProjectEdit {
  int tzMethod = 1;
  std::string methods = "1 1 1 1 1 0 0 0 0";
  std::string loading;  // record 12 as written, empty to keep the example's
  std::string userSkinFriction = "1000";
  std::string userEndBearing = "40000";
};

// The plot-data file read as the front end reads it: blank-separated tokens, each of which
// must parse as a number.
struct PlotTokens {
  std::vector<double> values;
  bool allNumbers = true;
};

PlotTokens readPlotTokens(const fs::path& file) {
  std::ifstream in(file);
  PlotTokens plot;
  for (std::string t; in >> t;) {
    double v = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) plot.allNumbers = false;
    plot.values.push_back(v);
  }
  return plot;
}

class OnshoreRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("corvex_onshore_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    previous_ = fs::current_path();
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  int32_t run(const std::string& example, const ProjectEdit& edit) {
    std::ifstream in(kExamples / (example + ".cx6d"), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    const int points = std::stoi(tokensOf(lines[3])[2]);
    std::vector<std::string> record7 = tokensOf(lines[6]);
    record7[4] = std::to_string(edit.tzMethod);
    lines[6] = joined(record7);
    lines[7] = edit.methods;
    for (int p = 0; p < points; ++p) {  // line B of every profile point
      std::vector<std::string> b = tokensOf(lines[static_cast<std::size_t>(10 + 2 * p)]);
      b[7] = edit.userSkinFriction;
      b[8] = edit.userEndBearing;
      lines[static_cast<std::size_t>(10 + 2 * p)] = joined(b);
    }
    if (!edit.loading.empty()) {
      // Record 12 follows record 11 (and its extra depths when record 11 is 1).
      std::size_t r11 = static_cast<std::size_t>(9 + 2 * points);
      std::size_t r12 = r11 + 1;
      if (tokensOf(lines[r11])[0] == "1") r12 += 1 + std::stoul(tokensOf(lines[r11 + 1])[0]);
      lines[r12] = edit.loading;
    }
    std::ofstream out(folder_ / "project.cx6d", std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
    out.close();
    std::ofstream names(folder_ / "names.dat");
    names << "2014.6.7\nCorvex\nTest\n1\n"
          << (folder_ / "project.cx6d").string() << "\n"
          << (folder_ / "project.cx6o").string() << "\n"
          << (folder_ / "project.cx6p").string() << "\n"
          << (kExamples / (example + ".cpt")).string() << "\n";
    names.close();
    fs::current_path(folder_);
    state_ = std::make_unique<RunState>();
    std::istringstream keys;
    std::ostringstream screen;
    Console console{keys, screen};
    return runAnalysis(*state_, console);
  }

  // Checks the whole token stream against the layout the reader follows and returns the
  // method-block values (5 per printed row, NM blocks of NP rows).
  std::vector<double> checkPlotLayout(int expectedBlocks, int expectedTz, bool extraDepths) {
    const PlotTokens plot = readPlotTokens(folder_ / "project.cx6p");
    EXPECT_TRUE(plot.allNumbers) << "a token of the plot file is not a number";
    const std::vector<double>& v = plot.values;
    EXPECT_GE(v.size(), 4u);
    if (v.size() < 4) return {};
    const int nm = static_cast<int>(v[0]);
    const int np = static_cast<int>(v[1]);
    EXPECT_EQ(nm, expectedBlocks);
    EXPECT_EQ(static_cast<int>(v[3]), expectedTz);
    std::size_t at = 4;
    const std::size_t methodTokens = static_cast<std::size_t>(5 * nm * np);
    std::vector<double> blocks(v.begin() + 4, v.begin() + static_cast<long>(std::min(v.size(), at + methodTokens)));
    at += methodTokens;
    EXPECT_LT(at, v.size());
    if (at >= v.size()) return blocks;
    const auto ntz = static_cast<std::size_t>(v[at]);
    at += 1 + ntz * 23;       // header (3) and 10 points (2 each) per curve
    at += 9u * static_cast<std::size_t>(np) * 3;  // load distribution
    at += 9u * 4;             // load-settlement points
    if (extraDepths) {
      EXPECT_LT(at, v.size());
      if (at >= v.size()) return blocks;
      const auto nx = static_cast<std::size_t>(v[at]);
      at += 1 + nx * 23;
    }
    EXPECT_EQ(at, v.size()) << "tokens beyond or short of the expected layout";
    return blocks;
  }

  int printedRows() const { return state_->computation.printedRowCount; }

  fs::path folder_;
  fs::path previous_;
  std::unique_ptr<RunState> state_;
};

// The value of column col (0..4) of printed row r (1-based) of method block b (0-based).
double blockValue(const std::vector<double>& blocks, int rows, int b, int r, int col) {
  return blocks[static_cast<std::size_t>((b * rows + (r - 1)) * 5 + col)];
}

// English example: 18-in pipe, 70 ft embedded, fu = 1 ksf and qu = 40 ksf everywhere.
// User-specified block (first), tip row at 70 ft:
//   QS = 3.14159·1.5 ft·1 ksf·70 ft = 329.87 kips;  QB = 0.7853975·1.5²·40 = 70.69 kips.
TEST_F(OnshoreRun, EnglishExampleWithAllFiveMethodsAndEachAsTheLoadTransferMethod) {
  for (int tz : {1, 2, 3, 5}) {
    SCOPED_TRACE("t-z method " + std::to_string(tz));
    ProjectEdit edit;
    edit.tzMethod = tz;
    ASSERT_EQ(run("steel_pipe_layered", edit), 0);
    const std::vector<double> blocks = checkPlotLayout(5, tz, false);
    const int rows = printedRows();
    ASSERT_EQ(blocks.size(), static_cast<std::size_t>(5 * 5 * rows));
    EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 0), 70.0, 1e-9);
    EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 1), 329.87, 0.06);
    EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 2), 70.69, 0.06);
    EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 3), 400.56, 0.06);
    EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 4), 1.0, 1e-9);
    // FHWA, USACE and Lambda carry skin friction and end bearing at the tip.
    for (int b = 1; b <= 3; ++b) {
      EXPECT_GT(blockValue(blocks, rows, b, rows, 1), 50.0) << "block " << b;
      EXPECT_GT(blockValue(blocks, rows, b, rows, 2), 5.0) << "block " << b;
      EXPECT_NEAR(blockValue(blocks, rows, b, rows, 3),
                  blockValue(blocks, rows, b, rows, 1) + blockValue(blocks, rows, b, rows, 2),
                  0.11);
    }
  }
}

TEST_F(OnshoreRun, SiExampleWithAllFiveMethods) {
  ProjectEdit edit;
  edit.tzMethod = 1;
  edit.userSkinFriction = "50";
  edit.userEndBearing = "2000";
  ASSERT_EQ(run("precast_concrete_si", edit), 0);
  const std::vector<double> blocks = checkPlotLayout(5, 1, false);
  const int rows = printedRows();
  ASSERT_EQ(blocks.size(), static_cast<std::size_t>(5 * 5 * rows));
  // Square pile, perimeter 1424 mm: D = 1424/3.1416 mm, so π·D = 1.424·3.14159/3.1416 m.
  // At the 17.5 m tip: QS = 1.4239954·50·17.5 = 1246.00 kN; QB = 0.1267 m²·2000 = 253.4 kN.
  EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 0), 17.5, 1e-9);
  EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 1), 1246.0, 0.06);
  EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 2), 253.4, 0.06);
  for (int b = 1; b <= 4; ++b) {
    EXPECT_GT(blockValue(blocks, rows, b, rows, 1), 100.0) << "block " << b;
  }
}

// Uplift of a 14-in pipe (ID 13 in), 44 ft embedded, tension factor 0.8, with the t-z
// curves at two extra depths. The user's friction is reduced by the factor:
//   QS = 3.14159·(14/12)·1 ksf·0.8·44 = 129.01 kips.
// Its end bearing column is the self weight: As = 0.7853975·(14² − 13²)/144 = 0.147262 ft²,
//   W = As·(0.49·0.1 + 0.4276·43.9) = 2.77 kips.
TEST_F(OnshoreRun, UpliftRunReducesTheUserFrictionAndReportsTheSelfWeight) {
  ProjectEdit edit;
  edit.tzMethod = 5;
  ASSERT_EQ(run("tension_pipe_pile", edit), 0);
  const std::vector<double> blocks = checkPlotLayout(5, 5, true);
  const int rows = printedRows();
  ASSERT_EQ(blocks.size(), static_cast<std::size_t>(5 * 5 * rows));
  EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 0), 44.0, 1e-9);
  EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 1), 129.01, 0.06);
  for (int b = 0; b < 5; ++b) {
    EXPECT_NEAR(blockValue(blocks, rows, b, rows, 2), 2.77, 0.06) << "block " << b;
  }
}

// The same factor reduces the user's friction of an uplift analysis in SI units.
TEST_F(OnshoreRun, SiUpliftReducesTheUserFrictionToo) {
  ProjectEdit edit;
  edit.tzMethod = 5;
  edit.userSkinFriction = "50";
  edit.userEndBearing = "2000";
  edit.loading = "1 0.5 ";
  ASSERT_EQ(run("precast_concrete_si", edit), 0);
  const std::vector<double> blocks = checkPlotLayout(5, 5, false);
  const int rows = printedRows();
  ASSERT_EQ(blocks.size(), static_cast<std::size_t>(5 * 5 * rows));
  EXPECT_NEAR(blockValue(blocks, rows, 0, rows, 1), 623.0, 0.06);  // half of 1246.0
}

}  // namespace
}  // namespace corvex
