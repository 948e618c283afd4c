#include "shell/analysis_run.h"

#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "shell/tip_capacity_summary.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class AnalysisRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("corvex-run-test-" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Copies an example project and its CPT file into the test folder.
  fs::path copyExample(const std::string& name) {
    const fs::path examples = fs::path(CORVEX_SOURCE_DIR) / "examples";
    fs::copy_file(examples / (name + ".cx6d"), folder_ / (name + ".cx6d"));
    fs::copy_file(examples / (name + ".cpt"), folder_ / (name + ".cpt"));
    return folder_ / (name + ".cx6d");
  }

  fs::path folder_;
};

TEST(AnalysisPathsTest, HandoffLinesAndDerivedPaths) {
  const TAnalysisPaths paths = TAnalysisPaths::FromProject("/jobs/pier 4/pile.cx6d");
  EXPECT_EQ(paths.ReportFile, "/jobs/pier 4/pile.cx6o");
  EXPECT_EQ(paths.PlotFile, "/jobs/pier 4/pile.cx6p");
  EXPECT_EQ(paths.CptFile, "/jobs/pier 4/pile.cpt");
  TRunIdentification id;
  id.Text1 = "Geotechnical office";
  id.Text2First = "  Harbour works ";
  id.Text2Second = " Bay 3";
  id.Number = 4711;
  EXPECT_EQ(HandoffText(id, paths),
            "2014.6.7\r\nGeotechnical office\r\nHarbour works, Bay 3\r\n4711\r\n"
            "/jobs/pier 4/pile.cx6d\r\n/jobs/pier 4/pile.cx6o\r\n/jobs/pier 4/pile.cx6p\r\n"
            "/jobs/pier 4/pile.cpt\r\n");
  const TAnalysisPaths relative = TAnalysisPaths::FromProject("pile.cx6d");
  EXPECT_TRUE(fs::path(relative.ProjectFile).is_absolute());
}

TEST_F(AnalysisRunTest, RunsTheEngineAndPutsEverythingBack) {
  const fs::path project = copyExample("too_shallow_profile");
  const fs::path before = fs::current_path();
  const std::string localeBefore = std::setlocale(LC_NUMERIC, nullptr);
  TAnalysisRun run(CORVEX_BIN_DIR);
  const TAnalysisResult result = run.Run(project.string());
  EXPECT_EQ(result.Outcome, TRunOutcome::EngineCalled);
  EXPECT_EQ(result.EngineStatus, 1);  // the profile is too shallow
  EXPECT_FALSE(run.EngineBound());
  EXPECT_EQ(fs::current_path(), before);
  EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), localeBefore);
  EXPECT_FALSE(fs::exists(before / "names.dat"));
  const std::string report = readFile(folder_ / "too_shallow_profile.cx6o");
  EXPECT_NE(report.find("IS LESS THAN PILE EMBEDDED LENGTH"), std::string::npos);
  EXPECT_NE(report.find("Name of input data file     : too_shallow_profile.cx6d"), std::string::npos);
}

TEST_F(AnalysisRunTest, CompletedRunLeavesCapacitiesInThePlotFile) {
  const fs::path project = copyExample("steel_pipe_layered");
  TAnalysisRun run(CORVEX_BIN_DIR);
  const TAnalysisResult result = run.Run(project.string());
  ASSERT_EQ(result.Outcome, TRunOutcome::EngineCalled);
  EXPECT_EQ(result.EngineStatus, 0);
  std::ifstream projectFile(project), plot(result.Paths.PlotFile);
  TProjectMethods methods;
  ASSERT_TRUE(ReadProjectMethods(projectFile, methods));
  TTipCapacitySummary summary;
  ASSERT_TRUE(ReadTipCapacities(plot, methods, summary));
  ASSERT_EQ(summary.Capacities.size(), 4u);  // FHWA, USACE, Revised Lambda, API RP 2A
  EXPECT_EQ(summary.Capacities[3].Method, "API RP 2A");
  EXPECT_DOUBLE_EQ(summary.Capacities[3].Penetration, 70.0);  // 72 ft pile, 2 ft stick-up
  EXPECT_GT(summary.Capacities[3].Ultimate, 0.0);
}

TEST_F(AnalysisRunTest, EngineMissingOrPathTooLongRunsNothing) {
  const fs::path project = copyExample("too_shallow_profile");
  TAnalysisRun noEngine((folder_ / "no-such-folder").string());
  const TAnalysisResult unbound = noEngine.Run(project.string());
  EXPECT_EQ(unbound.Outcome, TRunOutcome::LibraryNotBound);
  EXPECT_EQ(unbound.Message, "Attempt to initialize DLL failed");
  EXPECT_FALSE(fs::exists(folder_ / "too_shallow_profile.cx6o"));
  EXPECT_FALSE(noEngine.EngineBound());

  TAnalysisRun run(CORVEX_BIN_DIR);
  const std::string longName = (folder_ / (std::string(260, 'p') + ".cx6d")).string();
  const TAnalysisResult tooLong = run.Run(longName);
  EXPECT_EQ(tooLong.Outcome, TRunOutcome::PathTooLong);
}

TEST(TipCapacitySummaryTest, LastRowOfEachMethodBlock) {
  // Header: 2 methods, 2 printed rows, English units, t-z method 4; FHWA block, then API.
  std::istringstream plot(
      "           2           2           1           4\n"
      "     0.00       0.0       0.0       0.0     0.000\n"
      "    10.00      12.5      30.1      42.6     0.125\n"
      "     0.00       0.0       0.0       0.0     0.000\n"
      "    10.00      11.0      28.0      39.0     0.110\n"
      "           5\n");
  TProjectMethods methods;
  methods.Switch[1] = 1;
  methods.Switch[4] = 1;
  methods.Switch[6] = 1;  // NGI counts only with the offshore switch on
  TTipCapacitySummary summary;
  ASSERT_TRUE(ReadTipCapacities(plot, methods, summary));
  ASSERT_EQ(summary.Capacities.size(), 2u);
  EXPECT_EQ(summary.Capacities[0].Method, "FHWA");
  EXPECT_DOUBLE_EQ(summary.Capacities[0].Ultimate, 42.6);
  EXPECT_EQ(summary.Capacities[1].Method, "API RP 2A");
  EXPECT_DOUBLE_EQ(summary.Capacities[1].Ultimate, 39.0);
  EXPECT_DOUBLE_EQ(summary.Capacities[1].Penetration, 10.0);

  for (const char* bad : {"", "  2  2  1  4\n  0.00  0.0  0.0  *******  0.000\n", "  1  3  1\n"}) {
    std::istringstream in(bad);
    EXPECT_FALSE(ReadTipCapacities(in, methods, summary)) << bad;
  }
}

TEST(TipCapacitySummaryTest, MethodsOfTheExampleProject) {
  std::ifstream project(std::string(CORVEX_SOURCE_DIR) + "/examples/tension_pipe_pile.cx6d");
  TProjectMethods methods;
  ASSERT_TRUE(ReadProjectMethods(project, methods));
  EXPECT_EQ(methods.Offshore, 0);
  EXPECT_EQ(methods.Switch[4], 1);
  EXPECT_EQ(methods.Switch[1] + methods.Switch[2] + methods.Switch[3] + methods.Switch[5], 0);
}

}  // namespace
}  // namespace corvex
