#pragma once
// Reading the engine's plot-data file into the ten result graphs.

#include <string>
#include <vector>

#include "results/result_graphs.h"

class TMessageLayer;
class TProgramData;
class TProjectTables;

namespace corvex {

// What the soil-layer overlay needs of one row of the soil layer table.
struct TSoilLayerRow {
  int SoilType = 0;  // 1 sand, 2 clay, 3 silt
  double BottomDepth = 0;
};

std::vector<TSoilLayerRow> SoilLayerRows(TProjectTables& tables);

struct TPlotReadInput {
  TResultGraphs& Graphs;
  TProgramData& Project;
  std::vector<TSoilLayerRow> Layers;
  // Further graphs of the main window (the CPT editor's) that take the file's unit system.
  std::vector<TGraphPlot*> OtherGraphs;
};

// Reads `fileName` into the graphs, names their curves from the project's method switches, and
// keeps the settlement method's per-increment results in the project for the GRLWEAP file.
// Returns true when the whole file was read. On failure, with `showMessages`, an information
// box says "An error occured in running the main program."; whatever was read before the
// failure stays in the graphs.
bool ReadPlotFile(const std::string& fileName, bool showMessages, TPlotReadInput& input,
                  TMessageLayer& messages);

// The same, with the soil layers taken from the project's tables.
bool ReadPlotFile(const std::string& fileName, bool showMessages, TResultGraphs& graphs,
                  TProgramData& project, TProjectTables& tables, TMessageLayer& messages,
                  std::vector<TGraphPlot*> otherGraphs = {});

}  // namespace corvex
