// Whole runs of the offshore example: the offshore switch decides whether the four
// cone-based methods run at all, and with it on every selected method has its plot block in
// the fixed order.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/run.h"
#include "core/segment_table.h"
#include "methods/end_bearing_steps.h"
#include "methods/icp_mtd.h"
#include "methods/offshore_run.h"
#include "methods/soil_profile.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(CORVEX_SOURCE_DIR) / "examples";

// A private folder with the handoff file, made current for the length of one run.
class OffshoreRun : public ::testing::Test {
 protected:
  void SetUp() override {
    // The process id keeps two test programs running at once apart.
    folder_ = fs::temp_directory_path() /
              ("corvex_offshore_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    previous_ = fs::current_path();
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

  // Copies the example's project file with record 7 replaced, then runs it.
  int32_t run(const std::string& record7) {
    std::ifstream in(kExamples / "offshore_cpt.cx6d", std::ios::binary);
    std::ofstream out(folder_ / "project.cx6d", std::ios::binary);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) out << (n == 7 ? record7 + "\r" : line) << "\n";
    out.close();
    std::ofstream names(folder_ / "names.dat");
    names << "2014.6.7\nCorvex\nTest\n1\n"
          << (folder_ / "project.cx6d").string() << "\n"
          << (folder_ / "project.cx6o").string() << "\n"
          << (folder_ / "project.cx6p").string() << "\n"
          << (kExamples / "offshore_cpt.cpt").string() << "\n";
    names.close();
    fs::current_path(folder_);
    state_ = std::make_unique<RunState>();
    std::istringstream keys;
    std::ostringstream screen;
    Console console{keys, screen};
    return runAnalysis(*state_, console);
  }

  std::vector<std::string> plotLines() const {
    std::ifstream plot(folder_ / "project.cx6p");
    std::vector<std::string> lines;
    for (std::string line; std::getline(plot, line);) lines.push_back(line);
    return lines;
  }

  std::string report() const {
    std::ifstream in(folder_ / "project.cx6o");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  const MethodResults& results(int code) const { return state_->computation.methods[code]; }

  fs::path folder_;
  fs::path previous_;
  std::unique_ptr<RunState> state_;
};

std::vector<double> numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<double> values;
  for (double v; in >> v;) values.push_back(v);
  return values;
}

TEST_F(OffshoreRun, AllNineMethodsWriteTheirBlocksInOrder) {
  ASSERT_EQ(run("0 1 1 0 7 1 0 "), 0);
  const std::vector<std::string> lines = plotLines();
  ASSERT_FALSE(lines.empty());
  const std::vector<double> header = numbers(lines[0]);
  ASSERT_EQ(header.size(), 4u);
  EXPECT_EQ(header[0], 9);   // nine method blocks
  EXPECT_EQ(header[1], 21);  // rows 1, 6, ..., 101 of a 100 ft pile with DZ 1 ft, every 5th
  EXPECT_EQ(header[2], 1);
  EXPECT_EQ(header[3], 7);
  const int rows = static_cast<int>(header[1]);
  ASSERT_GE(lines.size(), 1u + 9u * rows);

  // Block order: user-specified, FHWA, USACE, Lambda, API, NGI, ICP/MTD, Fugro, UWA. Each
  // block's skin friction column is that method's.
  const int order[] = {kMethodUserSpecified, kMethodFhwa,  kMethodUsace,
                       kMethodLambda,        kMethodApi,   kMethodNgi,
                       kMethodIcpMtd,        kMethodFugro, kMethodUwa};
  const ComputationState& c = state_->computation;
  for (int b = 0; b < 9; ++b) {
    for (int r = 1; r <= rows; ++r) {
      const std::vector<double> v = numbers(lines[1 + b * rows + (r - 1)]);
      ASSERT_EQ(v.size(), 5u) << "block " << b << " row " << r;
      const int i = c.printedRows[r];
      EXPECT_NEAR(v[0], c.rowDepth[i], 0.006);
      EXPECT_NEAR(v[1], results(order[b]).skinFriction[i], 0.06) << "block " << b << " row " << r;
      EXPECT_NEAR(v[2], results(order[b]).endBearing[i], 0.06) << "block " << b << " row " << r;
    }
  }
  // ICP/MTD unit friction at the tip row (100 ft), from the rule by hand: the increment
  // 99-100 ft takes qc from the CPT file at 99 ft, 300 + 19 * 40 / 20 = 338 ksf; the stress
  // at 100 ft is 30*0.060 + 30*0.050 + 40*0.065 = 5.9 ksf; phi = 35 + 39.5/70 = 35.56429;
  // R* = sqrt((36^2 - 34.5^2)/4) = 5.141741 in, h/R* = 12/5.141741 raised to 8;
  //   sigma_rc = 0.029 * 338 * (5.9/2.088555)^0.13 * 8^-0.38 = 5.090627 ksf
  //   eta = 338 / sqrt(2.088555 * 5.9) = 96.28702, G = 2612.358 ksf,
  //   d_sigma_rd = 2 * 2612.358 * 0.0007874 / 18 = 0.2285523 ksf
  //   f = (5.090627 + 0.2285523) * tan(30.56429 deg) = 3.141280 ksf
  const std::vector<double> icpTip = numbers(lines[1 + 6 * rows + (rows - 1)]);
  EXPECT_NEAR(icpTip[4], 3.141280, 0.0006);

  // The offshore methods produced capacity at the tip.
  const int tipRow = c.printedRows[rows];
  for (int code : {kMethodNgi, kMethodIcpMtd, kMethodFugro, kMethodUwa}) {
    EXPECT_GT(results(code).skinFriction[tipRow], 100.0) << code;
    EXPECT_GT(results(code).endBearing[tipRow], 10.0) << code;
  }
}

TEST_F(OffshoreRun, OffshoreSwitchOffRunsNoneOfTheFour) {
  ASSERT_EQ(run("0 1 1 0 4 0 0 "), 0);
  const std::vector<std::string> lines = plotLines();
  ASSERT_FALSE(lines.empty());
  const std::vector<double> header = numbers(lines[0]);
  ASSERT_EQ(header.size(), 4u);
  EXPECT_EQ(header[0], 5);  // the four offshore switches are not counted
  const ComputationState& c = state_->computation;
  for (int code : {kMethodNgi, kMethodIcpMtd, kMethodFugro, kMethodUwa}) {
    for (int n = 1; n <= 2 * c.incrementCount; ++n) {
      ASSERT_EQ(results(code).outsideFriction[n], 0.0) << "method " << code << " node " << n;
    }
    for (int i = 1; i <= c.depthRowCount; ++i) {
      ASSERT_EQ(results(code).skinFriction[i], 0.0) << "method " << code << " row " << i;
      ASSERT_EQ(results(code).endBearing[i], 0.0) << "method " << code << " row " << i;
    }
  }
  EXPECT_EQ(report().find("IMPERIAL COLLEGE"), std::string::npos);
}

// One sand layer 0-40 ft (60 pcf, phi 35, N 20) under a 36 in pipe with a 34 in bore,
// 20 ft embedded, DZ 1 ft, English units; the soil column prepared as the driver does.
std::unique_ptr<RunState> sandColumn(double tableQcPsf, bool withCpt) {
  auto state = std::make_unique<RunState>();
  InputModel& in = state->input;
  in.unitSystem = 1;
  in.printInterval = 1;
  in.outerDiameter = 36.0;
  in.innerDiameter = 34.0;
  in.enhancedEndInnerDiameter = 34.0;
  in.totalLength = 20.0;
  in.enhancedEndLength = 20.0 - 1.0e-7;
  in.depthIncrement = 1.0;
  in.tensionFactor = 1.0;
  in.offshoreSwitch = 1;
  in.profilePointCount = 2;
  in.deepestProfileDepth = 40.0;
  for (int k : {1, 2}) {
    ProfilePoint& p = in.points[k];
    p.depth = k == 1 ? 0.0 : 40.0;
    p.soilType = 1.0;
    p.lateralCoefficient = 1.0;
    p.effectiveUnitWeight = 60.0;
    p.frictionAngle = 35.0;
    p.nq = 40.0;
    p.maxUnitSideFriction = kNoLimit;
    p.maxUnitEndBearing = kNoLimit;
    p.blowCount = 20.0;
    p.coneResistance = tableQcPsf;
    p.sideReductionFactor = 1.0;
    p.endReductionFactor = 1.0;
  }
  if (withCpt) {  // the CPT file holds ksf: 100 ksf at the surface, 300 ksf at 40 ft
    in.cptPointCount = 2;
    in.cptPoints[1] = {0.0, 100.0};
    in.cptPoints[2] = {40.0, 300.0};
  }
  buildSegmentTable(*state);
  buildDepthRows(*state);
  computeSoilProfile(*state);
  return state;
}

// Increment 11 spans 10-11 ft; the cone resistance of the offshore rules is taken
//   from the layer table when given: 150000 psf -> 150 ksf;
//   else from the CPT file at the top depth, already ksf: 100 + 10 * (300 - 100) / 40 = 150;
//   else 2.8 * pa * N = 2.8 * 2.088555 * 20 = 116.9591 (friction rules)
//                    or 2.8 * 2.1168 * 20 = 118.5408 (end-bearing rules).
TEST(OffshoreConeResistance, TableThenCptFileThenBlowCount) {
  EXPECT_NEAR(offshoreIncrementOf(*sandColumn(150000.0, true), 11, 2.088555).coneResistance,
              150.0, 1e-9);
  EXPECT_NEAR(offshoreIncrementOf(*sandColumn(0.0, true), 11, 2.088555).coneResistance, 150.0,
              1e-9);
  EXPECT_NEAR(offshoreIncrementOf(*sandColumn(0.0, false), 11, 2.088555).coneResistance,
              116.9591, 1e-4);
  EXPECT_NEAR(offshoreIncrementOf(*sandColumn(0.0, false), 11, 2.1168).coneResistance,
              118.5408, 1e-4);
}

// The wall of an open pile bears on qc for the cone-based methods: annulus area
//   0.7853975 * (36^2 - 34^2) / 144 = 0.7635809 ft2; node 21 is the top of increment 11
//   (10 ft), where the CPT file gives qc = 100 + 10 * 200 / 40 = 150 ksf: FW = 114.5371 kip.
// The API method keeps its own unit end bearing there: sigma'v * Nq = 0.6 * 40 = 24 ksf,
//   FW = 18.32594 kip.
TEST(OffshoreConeResistance, WallForceOfAnOpenPile) {
  auto state = sandColumn(0.0, true);
  runEndBearingSteps(*state, kMethodIcpMtd);
  EXPECT_NEAR(state->computation.endBearing.wallForce[21], 114.5371, 1e-3);
  runEndBearingSteps(*state, kMethodApi);
  EXPECT_NEAR(state->computation.endBearing.wallForce[21], 18.32594, 1e-3);
}

// A clay layer with a negative plasticity index: the clay rule reads the chart's first angle
// and the run notes it once in the report, however many increments carry it.
TEST(OffshoreConeResistance, NegativePlasticityIndexIsNotedOnce) {
  auto state = sandColumn(60000.0, false);
  for (int k : {1, 2}) {
    ProfilePoint& p = state->input.points[k];
    p.soilType = 2.0;
    p.undrainedShear = 2.0;
    p.remoldedShear = 1.0;
    p.blowCount = 2.0;  // yield stress ratio
    p.plasticityIndex = -5.0;
  }
  buildSegmentTable(*state);
  buildDepthRows(*state);
  computeSoilProfile(*state);
  const fs::path path = fs::temp_directory_path() /
                        ("corvex_offshore_pi_" + std::to_string(::getpid()) + ".cx6o");
  state->context.report.open(path, std::ios::out | std::ios::trunc);
  computeIcpMtdUnitResistance(*state);
  state->context.report.close();
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  fs::remove(path);
  EXPECT_EQ(text.str(), "ERROR - NO DATA FOUND FOR PLASTIC INDEX.\n");
  EXPECT_GT(state->computation.methods[kMethodIcpMtd].outsideFriction[20], 0.0);
}

}  // namespace
}  // namespace corvex
