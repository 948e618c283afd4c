#include "results/plot_reader.h"

#include <array>

#include "project/in_out_error.h"
#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/general_number.h"
#include "results/word_reader.h"

namespace corvex {

namespace {

constexpr const char* kRunFailed = "An error occured in running the main program.";

// Counts that no run of the engine can exceed; anything larger is a damaged file, not a
// reason to allocate without bound.
constexpr int kMostRows = TProgramData::kWaveEntries - 1;
constexpr int kMostCurves = 10000;

constexpr int kLoadLevels = 9;
constexpr int kCurvePoints = 10;

struct MethodName {
  int code;
  const char* name;
  bool offshoreOnly;
};

// The order in which the method blocks are written and their curves named.
constexpr std::array<MethodName, 9> kNamingOrder{{{5, "User Spec.", false},
                                                  {1, "FHWA", false},
                                                  {2, "USACE", false},
                                                  {3, "Lambda", false},
                                                  {4, "API", false},
                                                  {6, "NGI", true},
                                                  {7, "MTD", true},
                                                  {8, "FUGRO", true},
                                                  {9, "UWA", true}}};

std::vector<MethodName> CountedMethods(const TProgramData& project) {
  std::vector<MethodName> counted;
  for (const MethodName& m : kNamingOrder) {
    if (m.offshoreOnly && project.OffshoreEdition != 1) continue;
    if (project.Method(m.code) == 1) counted.push_back(m);
  }
  return counted;
}

int ReadCount(TWordReader& reader, int most, const char* what) {
  const int n = reader.ReadInteger();
  if (n < 0 || n > most) throw EInOutError(std::string("Invalid ") + what + " count.");
  return n;
}

// A block of t-z curves: per curve two integers (not used), the depth, then 10 pairs t, z.
void ReadTzCurves(TWordReader& reader, TGraphPlot& graph, int count, int units) {
  graph.SetLineCount(count);
  graph.SetPointCount(kCurvePoints);
  for (int c = 0; c < count; ++c) {
    reader.ReadInteger();
    reader.ReadInteger();
    const double depth = reader.ReadFloat();
    graph.Lines(c).Name = FormatGeneral(depth, 15) + (units == 1 ? " ft" : " m");
    for (int k = 0; k < kCurvePoints; ++k) {
      TFloatPoint& p = graph.Points(c, k);
      p.Y = reader.ReadFloat();
      p.X = reader.ReadFloat();
    }
  }
}

void AddLayersGraphPlot(TGraphPlot& graph, const std::vector<TSoilLayerRow>& layers) {
  bool hasPoint = false;
  for (int i = 0; i < graph.LineCount(); ++i) hasPoint = hasPoint || !graph.Lines(i).Points.empty();
  if (!hasPoint) return;
  graph.SetLayerCount(static_cast<int>(layers.size()));
  graph.SetLayerPointCount(1);
  for (std::size_t i = 0; i < layers.size(); ++i) {
    TLine& entry = graph.Layers(static_cast<int>(i));
    entry.Name = "LAYER " + std::to_string(i + 1);
    TFloatPoint& p = entry.Points.front();
    p = {0, layers[i].BottomDepth};
    if (layers[i].SoilType == 1) {
      entry.Name += " SAND ";
      p.X = 7;
    } else if (layers[i].SoilType == 2) {
      entry.Name += " CLAY ";
      p.X = 1;
    }
  }
}

void ReadSequence(TWordReader& reader, TPlotReadInput& in) {
  TResultGraphs& g = in.Graphs;
  TProgramData& project = in.Project;
  const bool tension = project.LoadingType == 1;
  const std::vector<MethodName> counted = CountedMethods(project);

  // 1. Method count. The engine writes one block per counted method; any other count would
  // shift every later number, so it is a damaged file.
  const int nm = reader.ReadInteger();
  if (nm != static_cast<int>(counted.size()))
    throw EInOutError("The number of methods does not match the project.");
  g.pltSkin.SetLineCount(nm);
  for (TGraphPlot* graph : {&g.pltUSkin, &g.pltTip, &g.pltTotal})
    graph->SetLineCount(g.pltSkin.LineCount());
  g.pltAxial.SetLineCount(1);
  g.pltLoad.SetLineCount(kLoadLevels);
  g.PltQw.SetLineCount(1);
  g.pltCombine.SetLineCount(3);

  // 2. Compression plots settlement downward from the top, uplift upward.
  g.pltAxial.XOnTop = !tension;
  g.PltQw.XOnTop = !tension;

  // 3. Rows per curve.
  const int np = ReadCount(reader, kMostRows, "row");
  for (TGraphPlot* graph : {&g.pltSkin, &g.pltUSkin, &g.pltTip, &g.pltTotal, &g.pltLoad,
                            &g.pltCombine})
    graph->SetPointCount(np);
  g.pltAxial.SetPointCount(kCurvePoints);
  g.PltQw.SetPointCount(kCurvePoints);
  project.WavePointCount = np;

  // 4. Unit system and the captions that depend on it.
  const int units = reader.ReadInteger();
  for (TGraphPlot* graph : g.All()) graph->SetUnits(units);
  const bool english = units == 1;
  g.pltAxial.YCaption = english ? "Settlement, in." : "Settlement, m";
  g.PltQw.YCaption = g.pltAxial.YCaption;
  if (tension) g.pltAxial.YCaption = english ? "Uplift, in." : "Uplift, m";

  // 5. Settlement method and curve names.
  const int msett = reader.ReadInteger();
  int s = -1;
  for (std::size_t i = 0; i < counted.size(); ++i) {
    g.pltSkin.Lines(static_cast<int>(i)).Name = counted[i].name;
    if (counted[i].code == msett) s = static_cast<int>(i);
  }
  if (s < 0) throw EInOutError("The settlement method was not computed.");
  g.pltAxial.Lines(0).Name = counted[static_cast<std::size_t>(s)].name;
  for (TGraphPlot* graph : {&g.pltUSkin, &g.pltTip, &g.pltTotal})
    for (int i = 0; i < static_cast<int>(counted.size()); ++i)
      graph->Lines(i).Name = g.pltSkin.Lines(i).Name;
  g.pltCombine.Lines(0).Name = "Skin Friction";
  g.pltCombine.Lines(1).Name = tension ? "Self Weight" : "Tip Resistance";
  g.pltCombine.Lines(2).Name = "Total Capacity";

  // A circular pile's perimeter comes from its diameter. The project keeps perimeters in the
  // diameter's unit (inches, or millimetres in SI, which the GRLWEAP writer turns into metres),
  // so no conversion to metres is made here.
  if (project.Perimeter < 1e-6) project.Perimeter = 3.1416 * project.OuterDiameter;

  // 6. Block A: per method, per row: depth, skin friction, tip, total, unit skin friction.
  for (int m = 0; m < nm; ++m) {
    for (int p = 0; p < np; ++p) {
      const double depth = reader.ReadFloat();
      const double skin = reader.ReadFloat();
      const double tip = reader.ReadFloat();
      const double total = reader.ReadFloat();
      const double unitSkin = reader.ReadFloat();
      g.pltSkin.Points(m, p) = {skin, depth};
      g.pltTip.Points(m, p) = {tip, depth};
      g.pltTotal.Points(m, p) = {total, depth};
      g.pltUSkin.Points(m, p) = {unitSkin, depth};
      if (m == s) {
        const auto j = static_cast<std::size_t>(p);
        project.WaveDepth[j] = depth;
        project.WaveSkin[j] = unitSkin;
        project.WaveTip[j] = tip;
      }
    }
  }

  // 7. The combined plot: the settlement method's skin friction, tip and total.
  for (int p = 0; p < np; ++p) {
    g.pltCombine.Points(0, p) = g.pltSkin.Points(s, p);
    g.pltCombine.Points(1, p) = g.pltTip.Points(s, p);
    g.pltCombine.Points(2, p) = g.pltTotal.Points(s, p);
  }

  // 8. Internally generated t-z curves.
  ReadTzCurves(reader, g.pltTZcurves, ReadCount(reader, kMostCurves, "t-z curve"), units);

  // 9. Block L: load distribution, nine curves from the tip up; the movement is not used.
  for (int c = 0; c < kLoadLevels; ++c) {
    for (int p = 0; p < np; ++p) {
      TFloatPoint& point = g.pltLoad.Points(c, p);
      point.Y = reader.ReadFloat();
      point.X = reader.ReadFloat();
      reader.ReadFloat();
    }
  }

  // 10. Block S: load-settlement and tip load-movement, after the origin.
  g.pltAxial.Points(0, 0) = {0, 0};
  g.PltQw.Points(0, 0) = {0, 0};
  for (int k = 1; k <= kLoadLevels; ++k) {
    TFloatPoint& top = g.pltAxial.Points(0, k);
    top.X = reader.ReadFloat();
    top.Y = reader.ReadFloat();
    TFloatPoint& tip = g.PltQw.Points(0, k);
    tip.X = reader.ReadFloat();
    tip.Y = reader.ReadFloat();
  }

  // 11. t-z curves at the user's extra depths. Anything after them is not read.
  if (project.ExtraTZ == 1)
    ReadTzCurves(reader, g.PltExtraTZ, ReadCount(reader, kMostCurves, "extra t-z curve"), units);

  // 13. Soil-layer overlay of the depth plots.
  for (TGraphPlot* graph : {&g.pltUSkin, &g.pltSkin, &g.pltTip, &g.pltTotal, &g.pltLoad,
                            &g.pltCombine})
    AddLayersGraphPlot(*graph, in.Layers);

  // 14. The other graphs of the main window follow the file's unit system.
  for (TGraphPlot* graph : in.OtherGraphs)
    if (graph != nullptr) graph->SetUnits(units);
}

}  // namespace

std::vector<TSoilLayerRow> SoilLayerRows(TProjectTables& tables) {
  std::vector<TSoilLayerRow> rows;
  for (int i = 0; i < tables.D.RowCount(); ++i)
    rows.push_back({tables.D.Cell(soil_column::kSoilType, i).AsInteger(),
                    tables.D.Cell(soil_column::kBottomDepth, i).AsFloat()});
  return rows;
}

bool ReadPlotFile(const std::string& fileName, bool showMessages, TPlotReadInput& input,
                  TMessageLayer& messages) {
  try {
    TWordReader reader(fileName);
    ReadSequence(reader, input);
    return true;
  } catch (const EInOutError&) {
    // The reader's own text is not shown: the run failed as far as the user is concerned.
    if (showMessages) messages.Information(kRunFailed);
    return false;
  }
}

bool ReadPlotFile(const std::string& fileName, bool showMessages, TResultGraphs& graphs,
                  TProgramData& project, TProjectTables& tables, TMessageLayer& messages,
                  std::vector<TGraphPlot*> otherGraphs) {
  TPlotReadInput input{graphs, project, SoilLayerRows(tables), std::move(otherGraphs)};
  return ReadPlotFile(fileName, showMessages, input, messages);
}

}  // namespace corvex
