// Load-settlement solver: axial stiffness, the element march with its iteration, and the
// results written for the nine assumed tip movements.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/run_failure.h"
#include "core/run_state.h"
#include "settlement/axial_stiffness.h"
#include "settlement/load_settlement.h"
#include "settlement/settlement_run.h"
#include "settlement/settlement_writer.h"
#include "settlement/tz_curve_lookup.h"

extern "C" int32_t ICORVEX(int32_t code);

namespace corvex::settlement {
namespace {

constexpr double kPi = 3.1415998935699463;  // 3.1416 in single precision

// A 24 x 23 in steel pipe in clay, 60 ft embedded (English units), API-shaped curves; the
// t-z method's skin friction grows by `slope` kip/ft, printed rows every 5 ft.
struct PileFixture {
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  std::ostringstream report;
  std::ostringstream plot;

  explicit PileFixture(double slope = 2.0, double stickUp = 0.0, int elements = 13) {
    InputModel& in = state->input;
    in.unitSystem = 1;
    in.outerDiameter = 24.0;
    in.innerDiameter = 23.0;
    in.elasticModulus = 29.0e6;
    in.stickUpLength = stickUp;
    in.tzMethod = 4;
    in.profilePointCount = 2;
    in.points[1] = ProfilePoint{};
    in.points[1].depth = 0.0;
    in.points[1].soilType = 2.0;
    in.points[2] = ProfilePoint{};
    in.points[2].depth = 70.0;
    in.points[2].soilType = 2.0;
    LoadTransferSource& s = state->settlement.source;
    s.rowCount = 13;
    for (int i = 1; i <= 13; ++i) {
      s.depth[i] = 5.0 * (i - 1);
      s.skinFriction[i] = slope * s.depth[i];
      s.tipResistance[i] = 100.0;  // kip
    }
    s.elementCount = elements;
  }

  SettlementState& st() { return state->settlement; }
  void run() { computeLoadSettlement(state->input, state->context, st(), 60.0, report, plot); }
};

TEST(AxialStiffness, AreaModesGiveTheTable) {
  PileFixture f;
  StiffnessPile pile{true, 24.0, 23.0, 720.0};
  buildStiffnessTable(f.st(), f.state->input, pile);
  // 3.1416f / 4 x (576 - 529) = 36.913799 in2, times 29e6 psi.
  ASSERT_EQ(f.st().stiffnessCount, 2);
  EXPECT_NEAR(f.st().stiffness[1].ae, 36.913799 * 29.0e6, 30.0);
  EXPECT_DOUBLE_EQ(f.st().stiffness[2].depth, 720.0);

  f.state->input.tipArea = 0.5;  // ft2 of a noncircular section: 72 in2
  buildStiffnessTable(f.st(), f.state->input, pile);
  EXPECT_DOUBLE_EQ(f.st().stiffness[1].ae, 72.0 * 29.0e6);

  f.state->input.areaMode = 1;
  f.state->input.constantSectionArea = 40.0;
  buildStiffnessTable(f.st(), f.state->input, pile);
  EXPECT_DOUBLE_EQ(axialStiffnessAt(f.st(), 300.0), 40.0 * 29.0e6);

  f.state->input.areaMode = 2;
  f.state->input.areaRowCount = 2;
  f.state->input.areaRows[1] = AreaRow{0.0, 30.0};
  f.state->input.areaRows[2] = AreaRow{50.0, 50.0};
  buildStiffnessTable(f.st(), f.state->input, pile);
  ASSERT_EQ(f.st().stiffnessCount, 2);
  EXPECT_DOUBLE_EQ(f.st().stiffness[2].depth, 600.0);            // 50 ft from the head
  EXPECT_DOUBLE_EQ(axialStiffnessAt(f.st(), 150.0), 35.0 * 29.0e6);  // a quarter of the way
  EXPECT_DOUBLE_EQ(axialStiffnessAt(f.st(), 700.0), 50.0 * 29.0e6);  // beyond: the last point
}

TEST(TzCurveLookup, InterpolatesBetweenCurvesInDepth) {
  PileFixture f;
  SettlementState& st = f.st();
  st.curveCount = 2;
  st.curves[1] = TzCurve{};
  st.curves[1].depth = 0.0;
  st.curves[2] = TzCurve{};
  st.curves[2].depth = 100.0;
  for (int k = 2; k <= 10; ++k) {
    st.curves[2].z[k] = 0.1 * k;
    st.curves[2].t[k] = 10.0;
  }
  EXPECT_DOUBLE_EQ(unitLoadTransferAt(st, 25.0, 0.5), 2.5);
  EXPECT_DOUBLE_EQ(unitLoadTransferAt(st, 200.0, 0.5), 10.0);  // below the last curve
  EXPECT_DOUBLE_EQ(unitLoadTransferAt(st, 25.0, 0.1), 1.25);   // half way up curve 2's first rise
}

// One element of 120 in with a constant unit load transfer of 10 psi, AE = 1e8 lb and a
// tip load of 1000 lb at any tip movement.
void constantTransferPile(SettlementState& st, double t) {
  st.curveCount = 2;
  for (int c = 1; c <= 2; ++c) {
    st.curves[c] = TzCurve{};
    st.curves[c].depth = c == 1 ? 0.0 : 1000.0;
    for (int k = 2; k <= 10; ++k) {
      st.curves[c].z[k] = 1.0e-9 * k;
      st.curves[c].t[k] = t;
    }
  }
  for (int k = 2; k <= 10; ++k) {
    st.qw.w[k] = 1.0e-9 * k;
    st.qw.q[k] = 1000.0;
  }
  st.stiffnessCount = 2;
  st.stiffness[1] = StiffnessPoint{0.0, 1.0e8};
  st.stiffness[2] = StiffnessPoint{120.0, 1.0e8};
  st.pileLength = 120.0;
  st.elementLength = 120.0;
  st.source.elementCount = 1;
}

TEST(LoadSettlementMarch, OneElementWorkedByHand) {
  PileFixture f;
  constantTransferPile(f.st(), 10.0);
  const TipMovementResult r = solveForTipMovement(f.st(), 12.0, 0.01);
  // dP = 10 x 12 x 3.1416f x 120 = 45239.04 lb; average load 1000 + 22619.52 = 23619.52 lb;
  // compression 120 x 23619.52 / 1e8 = 0.02834342 in.
  EXPECT_DOUBLE_EQ(r.tipLoad, 1000.0);
  EXPECT_NEAR(f.st().elements[1].loadIncrement, 45239.04, 0.01);
  EXPECT_NEAR(r.headLoad, 46239.04, 0.01);
  EXPECT_NEAR(f.st().elements[1].compression, 0.02834342, 1e-8);
  EXPECT_NEAR(r.headMovement, 0.03834342, 1e-8);
  EXPECT_DOUBLE_EQ(f.st().elements[1].midDepth, 60.0);
  EXPECT_EQ(r.unconvergedElements, 0);
}

TEST(LoadSettlementMarch, AnOscillatingElementStopsAndIsReported) {
  PileFixture f;
  SettlementState& st = f.st();
  constantTransferPile(st, 10.0);
  // Full transfer up to 1 in, none beyond: with a soft section the movement jumps past
  // 1 in when loaded and falls back below it when unloaded, for ever.
  for (int c = 1; c <= 2; ++c) {
    st.curves[c].z = {0, 0.0, 1.0e-9, 1.0, 1.001, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0};
    st.curves[c].t = {0, 0.0, 10.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  }
  st.qw.q = {};
  st.stiffness[1].ae = 1.0e5;
  st.stiffness[2].ae = 1.0e5;
  const TipMovementResult r = solveForTipMovement(st, 12.0, 0.5);
  EXPECT_EQ(r.unconvergedElements, 1);
  EXPECT_EQ(r.firstUnconvergedElement, 1);
  EXPECT_FALSE(st.elements[1].converged);

  RunContext context;
  std::ostringstream report;
  writeTipMovementTable(report, st, r, writerUnits(context, f.state->input));
  EXPECT_NE(report.str().find("1 ELEMENT(S) DID NOT CONVERGE WITHIN 100 ITERATIONS"),
            std::string::npos);
}

TEST(LoadSettlementRun, ElementsSpanTheWholePile) {
  PileFixture f;
  f.run();
  EXPECT_DOUBLE_EQ(f.st().pileLength, 720.0);
  EXPECT_DOUBLE_EQ(f.st().elementLength, 720.0 / 13.0);
  EXPECT_DOUBLE_EQ(f.st().elements[1].midDepth, 720.0 - 0.5 * 720.0 / 13.0);
}

TEST(LoadSettlementRun, ShaftWithoutFrictionOnlyCompresses) {
  PileFixture f(/*slope=*/0.0);
  f.run();
  // Tip load on the q-w curve at 0.01 in: 100000 x 0.0625 x 0.01 / 0.012 = 5208.333 lb; the
  // whole pile carries it, shortening by 5208.333 x 720 / (36.913799 x 29e6) = 0.00350304 in.
  const TipMovementResult& r = f.st().results[4];
  EXPECT_DOUBLE_EQ(r.tipMovement, 0.01);
  EXPECT_NEAR(r.tipLoad, 5208.333, 1e-3);
  EXPECT_NEAR(r.headLoad, 5208.333, 1e-3);
  EXPECT_NEAR(r.headMovement, 0.01 + 0.00350304, 1e-8);
}

TEST(LoadSettlementRun, HeadLoadIsTipLoadPlusTheShaftIncrements) {
  PileFixture f;
  f.run();
  for (int k = 1; k <= kTipMovementCount; ++k) {
    const TipMovementResult& r = f.st().results[k];
    // Re-run the tip movement to read its element table.
    solveForTipMovement(f.st(), 24.0, r.tipMovement);
    double sum = r.tipLoad;
    for (int b = 1; b <= 13; ++b) sum += f.st().elements[b].loadIncrement;
    EXPECT_NEAR(r.headLoad, sum, 1e-6 * r.headLoad) << k;
    EXPECT_GT(r.headLoad, r.tipLoad);
    if (k > 1) {
      EXPECT_GT(r.headMovement, f.st().results[k - 1].headMovement);
    }
  }
}

TEST(LoadSettlementRun, StickUpCarriesConstantLoadAndOnlyCompresses) {
  // 10 ft stick-up and 60 ft embedded: 14 elements of 60 in, the top two in the air.
  PileFixture f(2.0, 10.0, 14);
  f.run();
  const SettlementState& st = f.st();
  EXPECT_DOUBLE_EQ(st.pileLength, 840.0);
  const double ae = 3.1415998935699463 / 4.0 * 47.0 * 29.0e6;
  const TipMovementResult& r = st.results[9];
  for (int k = 1; k <= kTipMovementCount; ++k) {
    solveForTipMovement(f.st(), 24.0, st.results[k].tipMovement);
    const ElementResult& ground = st.elements[12];  // its top is the ground surface
    EXPECT_DOUBLE_EQ(st.elements[13].loadIncrement, 0.0);
    EXPECT_DOUBLE_EQ(st.elements[14].loadIncrement, 0.0);
    EXPECT_DOUBLE_EQ(st.results[k].headLoad, ground.topLoad);
    EXPECT_NEAR(st.results[k].headMovement - ground.topMovement, ground.topLoad * 120.0 / ae,
                1e-12 + 1e-9 * ground.topLoad * 120.0 / ae);
  }
  EXPECT_GT(r.headLoad, r.tipLoad);
}

TEST(LoadSettlementRun, ZeroStiffnessIsRefusedAndTheFileKeepsItsLayout) {
  PileFixture f;
  f.state->input.elasticModulus = 0.0;
  f.run();
  EXPECT_NE(f.report.str().find("IS ZERO OR"), std::string::npos);
  EXPECT_EQ(f.report.str().find("LOAD VERSUS SETTLEMENT CURVE"), std::string::npos);
  // Block 3 (count line + 3 curves x 11 lines), block 4 (9 x 13 lines), block 5 (9 lines).
  const std::string text = f.plot.str();
  int lines = 0;
  for (char c : text) lines += c == '\n';
  EXPECT_EQ(lines, 1 + 3 * 11 + 9 * 13 + 9);
}

TEST(LoadSettlementRun, UsaceTipCurveFollowsTheSoilAtTheTip) {
  PileFixture clay;
  clay.state->input.tzMethod = 2;
  clay.run();
  // Clay at 60 ft: 100 kip x 0.5 x sqrt(0.5 / 0.24) = 72.169 kip at w = 0.5 in.
  EXPECT_NEAR(clay.st().qw.q[8], 72168.78, 0.01);

  PileFixture sand;
  InputModel& in = sand.state->input;
  in.tzMethod = 2;
  in.points[1].soilType = 1.0;
  in.points[2].soilType = 1.0;
  in.points[1].frictionAngle = 36.0;
  in.points[2].frictionAngle = 30.0;  // the deepest curve's angle: the square-root rule
  sand.run();
  EXPECT_NEAR(sand.st().qw.q[10], 100000.0 * 1.290994, 0.1);
}

TEST(LoadSettlementRun, TakesTheLoadTransferColumnAtThePrintedRows) {
  auto computation = std::make_unique<ComputationState>();
  ComputationState& c = *computation;
  c.depthRowCount = 11;
  for (int i = 1; i <= 11; ++i) {
    c.rowDepth[i] = i - 1.0;
    c.loadTransferSkin[i] = 10.0 * i;
    c.loadTransferTip[i] = 100.0 + i;
    c.methods[kMethodApi].skinFriction[i] = -1.0;  // the reported column is not used
  }
  c.printedRowCount = 3;
  c.printedRows[1] = 1;
  c.printedRows[2] = 6;
  c.printedRows[3] = 11;
  LoadTransferSource source;
  takeLoadTransferSource(c, source);
  EXPECT_EQ(source.rowCount, 3);
  EXPECT_EQ(source.elementCount, 3);
  EXPECT_DOUBLE_EQ(source.depth[2], 5.0);
  EXPECT_DOUBLE_EQ(source.skinFriction[2], 60.0);
  EXPECT_DOUBLE_EQ(source.tipResistance[3], 111.0);
}

TEST(LoadSettlementRun, TooManyCurvesEndTheRunWithAReason) {
  PileFixture f;
  InputModel& in = f.state->input;
  in.profilePointCount = 32;  // 31 intervals of 2 ft: 93 curves
  for (int k = 1; k <= 32; ++k) {
    in.points[k] = ProfilePoint{};
    in.points[k].depth = 2.0 * (k - 1);
    in.points[k].soilType = 2.0;
  }
  try {
    f.run();
    FAIL() << "no failure";
  } catch (const RunFailure& failure) {
    EXPECT_NE(std::string(failure.what()).find("93 t-z curves"), std::string::npos);
  }
  EXPECT_LE(f.st().curveCount, kMaxTzCurves);
}

TEST(LoadSettlementRun, WritesTheCurvesAndTheLoadSettlementTable) {
  PileFixture f;
  f.run();
  std::istringstream plot(f.plot.str());
  int curves = 0;
  plot >> curves;
  EXPECT_EQ(curves, 3);  // one clay interval 0..70 ft
  double value = 0.0;
  for (int k = 0; k < curves * 23; ++k) plot >> value;  // 3 header + 20 point numbers each
  // Block 4: first line of the first tip movement, element 1 at 720 - 27.69 in = 57.69 ft.
  double depth = 0.0;
  double load = 0.0;
  double movement = 0.0;
  plot >> depth >> load >> movement;
  EXPECT_DOUBLE_EQ(depth, 57.7);  // 0.577E+02
  for (int k = 0; k < 9 * 13 * 3 - 3; ++k) plot >> value;
  // Block 5, tip movement 0.0001 in: tip load 100 kip x 0.0625 x 0.0001 / 0.012 = 0.05208 kip.
  double head = 0.0;
  double top = 0.0;
  double tipLoad = 0.0;
  double tipMovement = 0.0;
  plot >> head >> top >> tipLoad >> tipMovement;
  EXPECT_DOUBLE_EQ(tipLoad, 0.05208);
  EXPECT_DOUBLE_EQ(tipMovement, 0.0001);
  EXPECT_GT(head, tipLoad);
  EXPECT_FALSE(plot.fail());

  const std::string report = f.report.str();
  EXPECT_NE(report.find("* COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *"), std::string::npos);
  // The first row of a load-distribution table is the tip: 60 ft, the tip load and movement.
  EXPECT_NE(report.find("      FT.   PSI        KIP       KIP        KIP     IN.        IN.       IN.\n"
                        "     60.00                    0.521E-01                     0.100E-03\n"),
            std::string::npos);
  EXPECT_NE(report.find("        TIP   LOAD        TIP MOVEMENT\n"), std::string::npos);
  EXPECT_NE(report.find("      LOAD VERSUS SETTLEMENT CURVE"), std::string::npos);
}

// Runs the engine on an example project in a private folder; returns the report text.
std::string runExample(const std::string& name, int32_t& status) {
  namespace fs = std::filesystem;
  const fs::path examples = fs::path(CORVEX_SOURCE_DIR) / "examples";
  const fs::path dir =
      fs::temp_directory_path() / ("corvex_settlement_" + name + "_" + std::to_string(getpid()));
  fs::create_directories(dir);
  {
    std::ofstream names(dir / "names.dat");
    names << "2014.6.7    \nexample run\nequilibrium\n1\n"
          << (examples / (name + ".cx6d")).string() << "\n" << (dir / "run.cx6o").string() << "\n"
          << (dir / "run.cx6p").string() << "\n" << (examples / (name + ".cpt")).string() << "\n";
  }
  const fs::path before = fs::current_path();
  fs::current_path(dir);
  status = ICORVEX(7);
  fs::current_path(before);
  std::ifstream in(dir / "run.cx6o");
  std::stringstream text;
  text << in.rdbuf();
  fs::remove_all(dir);
  return text.str();
}

std::vector<std::string> tokens(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  std::string word;
  while (in >> word) out.push_back(word);
  return out;
}

// Half a unit in the last digit of a number written as 0.dddE+xx.
double roundingOf(const std::string& field) {
  const auto point = field.find('.');
  const auto e = field.find('E');
  const int digits = static_cast<int>(e - point - 1);
  return 0.5 * std::pow(10.0, std::stoi(field.substr(e + 1)) - digits);
}

// For every assumed tip movement of the report: the head load of the load-settlement table
// equals the tip load plus the load increments of the elements, within the rounding of the
// printed numbers.
void expectEquilibrium(const std::string& report) {
  std::vector<std::string> lines;
  std::istringstream in(report);
  for (std::string l; std::getline(in, l);) lines.push_back(l);

  std::vector<double> headLoads;
  std::vector<double> headRounding;
  for (size_t n = 0; n < lines.size(); ++n) {
    if (lines[n].find("TOP  LOAD     TOP MOVEMENT") == std::string::npos) continue;
    for (size_t r = n + 2; r < n + 11 && r < lines.size(); ++r) {
      const auto row = tokens(lines[r]);
      ASSERT_EQ(row.size(), 4u) << lines[r];
      headLoads.push_back(std::stod(row[0]));
      headRounding.push_back(roundingOf(row[0]));
    }
  }
  ASSERT_EQ(headLoads.size(), 9u);

  int table = 0;
  for (size_t n = 0; n < lines.size(); ++n) {
    if (lines[n].find("ASSUMED TIP MOVEMENT") == std::string::npos) continue;
    const auto tip = tokens(lines[n + 2]);
    ASSERT_EQ(tip.size(), 2u);
    double sum = std::stod(tip[1]);
    double rounding = roundingOf(tip[1]) + headRounding[table];
    size_t r = n + 3;
    while (r < lines.size() && lines[r].find("DEPTH   LOAD") == std::string::npos) ++r;
    r += 4;  // two heading lines, the label line and the tip row
    int elements = 0;
    for (; r < lines.size() && !tokens(lines[r]).empty(); ++r) {
      const auto row = tokens(lines[r]);
      ASSERT_EQ(row.size(), 6u) << lines[r];
      sum += std::stod(row[2]);
      rounding += roundingOf(row[2]);
      ++elements;
    }
    EXPECT_GT(elements, 0);
    EXPECT_NEAR(headLoads[table], sum, rounding + 1e-12) << "tip movement " << table + 1;
    ++table;
  }
  EXPECT_EQ(table, 9);
}

TEST(LoadSettlementExamples, HeadLoadIsTipLoadPlusIncrementsOnEveryExample) {
  for (const char* name : {"steel_pipe_layered", "precast_concrete_si", "tension_pipe_pile",
                           "offshore_cpt"}) {
    SCOPED_TRACE(name);
    int32_t status = -1;
    const std::string report = runExample(name, status);
    ASSERT_EQ(status, 0);
    expectEquilibrium(report);
  }
}

}  // namespace
}  // namespace corvex::settlement
