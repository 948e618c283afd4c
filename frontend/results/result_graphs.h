#pragma once
// The ten result graphs of the main window with their design-time settings.

#include <vector>

#include "results/graph_plot.h"

namespace corvex {

struct TResultGraphs {
  TResultGraphs();
  TResultGraphs(const TResultGraphs&) = delete;
  TResultGraphs& operator=(const TResultGraphs&) = delete;

  TGraphPlot pltSkin;
  TGraphPlot pltUSkin;
  TGraphPlot pltTip;
  TGraphPlot pltTotal;
  TGraphPlot pltLoad;
  TGraphPlot pltCombine;
  TGraphPlot pltAxial;
  TGraphPlot PltQw;
  TGraphPlot pltTZcurves;
  TGraphPlot PltExtraTZ;

  // All ten, in the order above.
  std::vector<TGraphPlot*> All();
};

}  // namespace corvex
