// Reading plot-data files into the result graphs: a small file written by hand from the
// file layout, cut and mismatched files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/message_layer.h"
#include "project/program_data.h"
#include "results/plot_reader.h"

namespace corvex {
namespace {

namespace fs = std::filesystem;

// A plot file for FHWA and API (in that order), NP = 3 rows, English units, settlement method
// API, one t-z curve at 12.5 ft, then the load distribution and load-settlement blocks.
// Values: method m, row p: depth 5p, skin 100m + 10p, tip 1000m + p, total = skin + tip,
// unit skin 0.5 + m + p. t-z point k: t = 2k, z = 0.01k. Load curve c, row p: depth 10 - 5p,
// load 100c + p, movement 0.1. Load-settlement level k: 50k, 0.1k, 20k, 0.05k.
std::string HandFile(int nm = 2, int msett = 4, const std::string& extra = "") {
  std::ostringstream out;
  out << "  " << nm << "  3  1  " << msett << "\n";
  for (int m = 0; m < 2; ++m)
    for (int p = 0; p < 3; ++p) {
      const double skin = 100 * m + 10 * p, tip = 1000 * m + p;
      out << "  " << 5 * p << "  " << skin << "  " << tip << "  " << skin + tip << "  "
          << 0.5 + m + p << "\n";
    }
  out << " 1\n        1         10     0.1250E+02\n";
  for (int k = 0; k < 10; ++k) out << "    " << 2 * k << "  " << 0.01 * k << "\n";
  for (int c = 0; c < 9; ++c)
    for (int p = 0; p < 3; ++p) out << "   " << 10 - 5 * p << "   " << 100 * c + p << "   0.1\n";
  for (int k = 1; k <= 9; ++k)
    out << 50 * k << " " << 0.1 * k << " " << 20 * k << " " << 0.05 * k << "\n";
  out << extra;
  return out.str();
}

struct PlotReaderTest : testing::Test {
  PlotReaderTest() {
    project.Methods = {1, 0, 0, 1, 0, 0, 0, 0, 0};  // FHWA and API
    project.TransferMethod = 4;
    project.OuterDiameter = 24;
    dir = fs::temp_directory_path() /
          ("corvex_plot_reader_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir);
  }
  ~PlotReaderTest() override { fs::remove_all(dir); }

  std::string Write(const std::string& text) {
    const fs::path path = dir / "run.cx6p";
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  bool Read(const std::string& text, std::vector<TSoilLayerRow> layers = {}) {
    TPlotReadInput input{graphs, project, std::move(layers), {&cptGraph}};
    return ReadPlotFile(Write(text), true, input, messages);
  }

  TResultGraphs graphs;
  TGraphPlot cptGraph;
  TProgramData project;
  TMessageRecorder messages;
  fs::path dir;
};

TEST_F(PlotReaderTest, ReadsEveryBlockIntoTheGraphs) {
  ASSERT_TRUE(Read(HandFile(), {{1, 4}, {2, 10}, {3, 12}}));
  EXPECT_TRUE(messages.Entries.empty());
  // Method curves, named in the fixed order.
  ASSERT_EQ(graphs.pltSkin.LineCount(), 2);
  EXPECT_EQ(graphs.pltSkin.Lines(0).Name, "FHWA");
  EXPECT_EQ(graphs.pltSkin.Lines(1).Name, "API");
  EXPECT_EQ(graphs.pltTotal.Lines(1).Name, "API");
  EXPECT_EQ(graphs.pltAxial.Lines(0).Name, "API");
  // API, row 2: depth 10, skin 120, tip 1002, total 1122, unit skin 3.5.
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Points(1, 2).X, 120);
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Points(1, 2).Y, 10);
  EXPECT_DOUBLE_EQ(graphs.pltTip.Points(1, 2).X, 1002);
  EXPECT_DOUBLE_EQ(graphs.pltTotal.Points(1, 2).X, 1122);
  EXPECT_DOUBLE_EQ(graphs.pltUSkin.Points(1, 2).X, 3.5);
  // The combined plot copies the settlement method (API, curve 1).
  EXPECT_DOUBLE_EQ(graphs.pltCombine.Points(0, 1).X, 110);
  EXPECT_DOUBLE_EQ(graphs.pltCombine.Points(1, 1).X, 1001);
  EXPECT_DOUBLE_EQ(graphs.pltCombine.Points(2, 1).X, 1111);
  EXPECT_EQ(graphs.pltCombine.Lines(1).Name, "Tip Resistance");
  // GRLWEAP results: API rows as read (unit skin friction not multiplied by anything).
  EXPECT_EQ(project.WavePointCount, 3);
  EXPECT_DOUBLE_EQ(project.WaveDepth[1], 5);
  EXPECT_DOUBLE_EQ(project.WaveSkin[1], 2.5);
  EXPECT_DOUBLE_EQ(project.WaveTip[1], 1001);
  // t-z curve: name from its depth, Y = t, X = z.
  ASSERT_EQ(graphs.pltTZcurves.LineCount(), 1);
  EXPECT_EQ(graphs.pltTZcurves.Lines(0).Name, "12.5 ft");
  EXPECT_DOUBLE_EQ(graphs.pltTZcurves.Points(0, 9).Y, 18);
  EXPECT_DOUBLE_EQ(graphs.pltTZcurves.Points(0, 9).X, 0.09);
  // Load distribution curve 8, row 2: depth 0, load 802; default names.
  ASSERT_EQ(graphs.pltLoad.LineCount(), 9);
  EXPECT_DOUBLE_EQ(graphs.pltLoad.Points(8, 2).X, 802);
  EXPECT_DOUBLE_EQ(graphs.pltLoad.Points(8, 2).Y, 0);
  EXPECT_EQ(graphs.pltLoad.DisplayName(graphs.pltLoad.Lines(8)), "Curve #9");
  // Load-settlement with the origin first: level 9 = (450, 0.9), tip (180, 0.45).
  ASSERT_EQ(graphs.pltAxial.PointCount(), 10);
  EXPECT_DOUBLE_EQ(graphs.pltAxial.Points(0, 0).X, 0);
  EXPECT_DOUBLE_EQ(graphs.pltAxial.Points(0, 9).X, 450);
  EXPECT_DOUBLE_EQ(graphs.pltAxial.Points(0, 9).Y, 0.9);
  EXPECT_DOUBLE_EQ(graphs.PltQw.Points(0, 9).X, 180);
  EXPECT_DOUBLE_EQ(graphs.PltQw.Points(0, 9).Y, 0.45);
  // Compression in English units.
  EXPECT_EQ(graphs.pltAxial.YCaption, "Settlement, in.");
  EXPECT_EQ(graphs.PltQw.YCaption, "Settlement, in.");
  EXPECT_TRUE(graphs.pltAxial.XOnTop);
  // Circular pile: perimeter = 3.1416 * 24 in.
  EXPECT_DOUBLE_EQ(project.Perimeter, 3.1416 * 24);
  // Soil layers on the depth plots: sand X 7, clay X 1, silt X 0.
  ASSERT_EQ(graphs.pltSkin.LayerCount(), 3);
  EXPECT_EQ(graphs.pltSkin.Layers(0).Name, "LAYER 1 SAND ");
  EXPECT_EQ(graphs.pltSkin.Layers(1).Name, "LAYER 2 CLAY ");
  EXPECT_EQ(graphs.pltSkin.Layers(2).Name, "LAYER 3");
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Layers(0).Points[0].X, 7);
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Layers(1).Points[0].X, 1);
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Layers(2).Points[0].X, 0);
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Layers(2).Points[0].Y, 12);
  EXPECT_EQ(graphs.pltCombine.LayerCount(), 3);
  EXPECT_EQ(graphs.pltAxial.LayerCount(), 0);
  EXPECT_EQ(cptGraph.Units(), 1);
}

TEST_F(PlotReaderTest, TensionAndSiCaptions) {
  project.LoadingType = 1;
  std::string text = HandFile();
  text.replace(text.find("  3  1  4"), 9, "  3  2  4");  // SI
  project.OuterDiameter = 610;                             // mm
  ASSERT_TRUE(Read(text));
  EXPECT_EQ(graphs.pltAxial.YCaption, "Uplift, m");
  EXPECT_EQ(graphs.PltQw.YCaption, "Settlement, m");
  EXPECT_FALSE(graphs.pltAxial.XOnTop);
  EXPECT_EQ(graphs.pltCombine.Lines(1).Name, "Self Weight");
  EXPECT_EQ(graphs.pltTZcurves.Lines(0).Name, "12.5 m");
  for (TGraphPlot* g : graphs.All()) EXPECT_EQ(g->Units(), 2);
  EXPECT_EQ(cptGraph.Units(), 2);
  // The perimeter stays in millimetres like the diameter: 3.1416 * 610 = 1916.376.
  EXPECT_NEAR(project.Perimeter, 1916.376, 1e-9);
}

TEST_F(PlotReaderTest, ExtraCurvesOnlyWithTheSwitch) {
  std::string block = " 1\n 1 10 30.0\n";
  for (int k = 0; k < 10; ++k) block += std::to_string(3 * k) + " " + std::to_string(k) + "\n";
  ASSERT_TRUE(Read(HandFile(2, 4, block)));  // ExtraTZ 0: trailing data ignored
  EXPECT_EQ(graphs.PltExtraTZ.LineCount(), 0);
  project.ExtraTZ = 1;
  ASSERT_TRUE(Read(HandFile(2, 4, block)));
  ASSERT_EQ(graphs.PltExtraTZ.LineCount(), 1);
  EXPECT_EQ(graphs.PltExtraTZ.Lines(0).Name, "30 ft");
  EXPECT_DOUBLE_EQ(graphs.PltExtraTZ.Points(0, 9).Y, 27);
  // With the switch on and no extra block the file is incomplete.
  EXPECT_FALSE(Read(HandFile()));
}

TEST_F(PlotReaderTest, FileCutInsideTheLoadBlockKeepsWhatWasRead) {
  const std::string full = HandFile();
  // Cut after the t-z curve and one line of the load distribution.
  const std::size_t at = full.find("   10   0   0.1\n") + 16;
  ASSERT_FALSE(Read(full.substr(0, at)));
  ASSERT_EQ(messages.Entries.size(), 1u);
  EXPECT_EQ(messages.Entries[0].Kind, TMessageKind::Information);
  EXPECT_EQ(messages.Entries[0].Text, "An error occured in running the main program.");
  EXPECT_DOUBLE_EQ(graphs.pltSkin.Points(1, 2).X, 120);
  EXPECT_DOUBLE_EQ(graphs.pltUSkin.Points(1, 2).X, 3.5);
  EXPECT_DOUBLE_EQ(graphs.pltCombine.Points(2, 1).X, 1111);
  EXPECT_EQ(graphs.pltTZcurves.Lines(0).Name, "12.5 ft");
  EXPECT_DOUBLE_EQ(graphs.pltLoad.Points(0, 0).Y, 10);
}

TEST_F(PlotReaderTest, MethodMismatchesAreReadFailures) {
  // Three method blocks announced for two computed methods: nothing is filled.
  EXPECT_FALSE(Read(HandFile(3)));
  EXPECT_EQ(graphs.pltSkin.LineCount(), 0);
  // Settlement method USACE (2), not computed.
  EXPECT_FALSE(Read(HandFile(2, 2)));
  // Offshore methods count only with the offshore switch.
  project.Method(6) = 1;
  EXPECT_TRUE(Read(HandFile()));
  for (int i = 0; i < graphs.pltSkin.LineCount(); ++i)
    EXPECT_NE(graphs.pltSkin.Lines(i).Name, "NGI");
  EXPECT_EQ(messages.Entries.size(), 2u);
}

TEST_F(PlotReaderTest, MissingFileAndQuietReads) {
  TPlotReadInput input{graphs, project, {}, {}};
  EXPECT_FALSE(ReadPlotFile((dir / "none.cx6p").string(), false, input, messages));
  EXPECT_TRUE(messages.Entries.empty());  // messages off
  EXPECT_FALSE(ReadPlotFile((dir / "none.cx6p").string(), true, input, messages));
  EXPECT_EQ(messages.Entries.size(), 1u);
  // A field of asterisks (a value too wide for its field) is not a number.
  std::string text = HandFile();
  text.replace(text.find("1122"), 4, "****");
  EXPECT_FALSE(Read(text));
}

TEST_F(PlotReaderTest, CurveSettingsSurviveANewRead) {
  ASSERT_TRUE(Read(HandFile()));
  graphs.pltLoad.Lines(3).Shown = false;
  ASSERT_TRUE(Read(HandFile()));
  EXPECT_FALSE(graphs.pltLoad.Lines(3).Shown);
}

}  // namespace
}  // namespace corvex
