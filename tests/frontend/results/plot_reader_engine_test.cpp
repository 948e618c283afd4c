// Plot-data files written by the engine for the example projects, read into the result
// graphs. The engine library is bound at run time as the front end does; without it the
// tests are skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/plot_reader.h"
#include "engine_run.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;
using testing_support::EngineRun;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::size_t CountWords(const std::string& text) {
  std::istringstream in(text);
  std::size_t n = 0;
  for (std::string word; in >> word;) ++n;
  return n;
}

struct Loaded {
  TProjectTables tables;
  TProgramData project;
  TResultGraphs graphs;
  TMessageRecorder messages;
};

void Load(Loaded& l, const std::string& projectPath) {
  l.project = TProgramData::CreateFromFile(projectPath, false, l.tables, l.messages);
}

class EngineExamples : public testing::TestWithParam<const char*> {};

TEST_P(EngineExamples, ReadsEveryTokenOfTheFile) {
  EngineRun run(GetParam());
  if (!run.Ran()) GTEST_SKIP() << "engine library not built";
  ASSERT_EQ(run.Status(), 0);
  Loaded l;
  Load(l, run.Project());
  ASSERT_TRUE(ReadPlotFile(run.Plot(), true, l.graphs, l.project, l.tables, l.messages));
  EXPECT_TRUE(l.messages.Entries.empty());

  // Words in the file against the counts read: 5 integers + 2 per t-z curve (+ 1 + 2 per
  // extra curve), 5 NM NP + 21 NTZ + 27 NP + 36 floats (+ 21 per extra curve).
  const std::size_t nm = static_cast<std::size_t>(l.graphs.pltSkin.LineCount());
  const std::size_t np = static_cast<std::size_t>(l.graphs.pltSkin.PointCount());
  const std::size_t ntz = static_cast<std::size_t>(l.graphs.pltTZcurves.LineCount());
  const bool extra = l.project.ExtraTZ == 1;
  const std::size_t nx = extra ? static_cast<std::size_t>(l.graphs.PltExtraTZ.LineCount()) : 0;
  const std::size_t integers = 5 + 2 * ntz + (extra ? 1 + 2 * nx : 0);
  const std::size_t floats = 5 * nm * np + 21 * ntz + 27 * np + 36 + 21 * nx;
  EXPECT_GT(nm, 0u);
  EXPECT_GT(np, 0u);
  EXPECT_EQ(CountWords(Slurp(run.Plot())), integers + floats);

  // The combined plot follows the settlement method's curves; the deepest row's total is the
  // skin friction plus the tip resistance as written.
  const TGraphPlot& c = l.graphs.pltCombine;
  const int last = c.PointCount() - 1;
  EXPECT_NEAR(c.Points(2, last).X, c.Points(0, last).X + c.Points(1, last).X, 0.2);
  EXPECT_EQ(l.project.WavePointCount, static_cast<int>(np));
  EXPECT_DOUBLE_EQ(l.project.WaveDepth[np - 1], c.Points(0, last).Y);
  EXPECT_GT(l.graphs.pltSkin.LayerCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, EngineExamples,
                         testing::Values("steel_pipe_layered", "precast_concrete_si",
                                         "tension_pipe_pile"));

TEST(EngineExample, SteelPipeNamesAndLayers) {
  EngineRun run("steel_pipe_layered");
  if (!run.Ran()) GTEST_SKIP() << "engine library not built";
  Loaded l;
  Load(l, run.Project());
  ASSERT_TRUE(ReadPlotFile(run.Plot(), false, l.graphs, l.project, l.tables, l.messages));
  // FHWA, USACE, revised Lambda and API in the naming order.
  ASSERT_EQ(l.graphs.pltSkin.LineCount(), 4);
  EXPECT_EQ(l.graphs.pltSkin.Lines(0).Name, "FHWA");
  EXPECT_EQ(l.graphs.pltSkin.Lines(1).Name, "USACE");
  EXPECT_EQ(l.graphs.pltSkin.Lines(2).Name, "Lambda");
  EXPECT_EQ(l.graphs.pltSkin.Lines(3).Name, "API");
  // Sand, clay, sand, clay.
  ASSERT_EQ(l.graphs.pltSkin.LayerCount(), 4);
  EXPECT_EQ(l.graphs.pltSkin.Layers(0).Name, "LAYER 1 SAND ");
  EXPECT_EQ(l.graphs.pltSkin.Layers(1).Name, "LAYER 2 CLAY ");
}

TEST(EngineExample, FileCutInsideTheLoadBlock) {
  EngineRun run("steel_pipe_layered");
  if (!run.Ran()) GTEST_SKIP() << "engine library not built";
  Loaded first;
  Load(first, run.Project());
  ASSERT_TRUE(ReadPlotFile(run.Plot(), false, first.graphs, first.project, first.tables,
                           first.messages));
  const int nm = first.graphs.pltSkin.LineCount();
  const int np = first.graphs.pltSkin.PointCount();
  const int ntz = first.graphs.pltTZcurves.LineCount();

  // Keep the header, block A, the t-z block and half of the first load curve.
  const std::string text = Slurp(run.Plot());
  const std::size_t keep = 4 + 5 * nm * np + 1 + 23 * ntz + 3 * (np / 2);
  std::istringstream in(text);
  std::ostringstream cut;
  std::string word;
  for (std::size_t i = 0; i < keep && in >> word; ++i) cut << word << (i % 5 == 4 ? "\n" : " ");
  const std::string cutPath = run.Plot() + ".cut";
  std::ofstream(cutPath) << cut.str();

  Loaded l;
  Load(l, run.Project());
  EXPECT_FALSE(ReadPlotFile(cutPath, true, l.graphs, l.project, l.tables, l.messages));
  ASSERT_EQ(l.messages.Entries.size(), 1u);
  EXPECT_EQ(l.messages.Entries[0].Text, "An error occured in running the main program.");
  // Everything before block L holds the new data.
  for (auto graph : {&TResultGraphs::pltSkin, &TResultGraphs::pltTip, &TResultGraphs::pltTotal,
                     &TResultGraphs::pltUSkin, &TResultGraphs::pltCombine,
                     &TResultGraphs::pltTZcurves}) {
    const TGraphPlot& got = l.graphs.*graph;
    const TGraphPlot& want = first.graphs.*graph;
    ASSERT_EQ(got.LineCount(), want.LineCount());
    for (int i = 0; i < got.LineCount(); ++i)
      for (int j = 0; j < got.PointCount(); ++j) {
        EXPECT_EQ(got.Points(i, j).X, want.Points(i, j).X);
        EXPECT_EQ(got.Points(i, j).Y, want.Points(i, j).Y);
      }
  }
  EXPECT_EQ(l.graphs.pltSkin.LayerCount(), 0);  // the overlay comes after a complete read
}

}  // namespace
}  // namespace corvex
