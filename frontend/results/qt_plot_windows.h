#pragma once
// Plot windows as child windows of the main window: installs, on graphs, the factory that
// opens each graph's plot window inside the main window's MDI area.

#include <vector>

class QMdiArea;

namespace corvex {

class TGraphPlot;

void OpenPlotWindowsIn(QMdiArea& area, TGraphPlot& graph);
void OpenPlotWindowsIn(QMdiArea& area, const std::vector<TGraphPlot*>& graphs);

}  // namespace corvex
