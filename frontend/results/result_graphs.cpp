#include "results/result_graphs.h"

namespace corvex {

namespace {

void Setup(TGraphPlot& g, const char* caption, const char* xCaption, const char* xUnits,
           const char* yCaption, const char* yUnits, bool xOnTop) {
  g.Caption = caption;
  g.XCaption = xCaption;
  g.XUnits = xUnits;
  g.YCaption = yCaption;
  g.YUnits = yUnits;
  g.XOnTop = xOnTop;
}

}  // namespace

TResultGraphs::TResultGraphs() {
  Setup(pltSkin, "Accumulated Skin Friction vs Depth", "Accumulated Skin Friction ", "F1",
        "Depth ", "L2", true);
  Setup(pltUSkin, "Unit Skin Friction vs Depth", "Unit Skin Friction", "F1/L2^2", "Depth", "L2",
        true);
  Setup(pltTip, "Tip Resistance vs Depth", "Tip Resistance ", "F1", "Depth ", "L2", true);
  Setup(pltTotal, "Total Capacity vs Depth", "Total Capacity ", "F1", "Depth ", "L2", true);
  Setup(pltLoad, "Load Distribution", "Total Capacity ", "F1", "Depth ", "L2", true);
  Setup(pltCombine, "Combine Plot", "Axial Capacity", "F1", "Depth", "L2", true);
  // The Y caption and the axis side of these two follow the loading type when results are read.
  Setup(pltAxial, "Axial Load vs Settlement", "Axial Load ", "F1", "", "", false);
  Setup(PltQw, "Internally-Generated Q-w Curve", "Tip Resistance, Q", "F1", "", "", false);
  Setup(pltTZcurves, "Internally-Generated t-z Curves", "Displacement, z", "L",
        "Unit Load Transfer, t", "F/L^2", false);
  Setup(PltExtraTZ, "Extra t-z curves at User Specified Depths", "Displacement, z", "L",
        "Unit Load Transfer, t", "F/L^2", false);
}

std::vector<TGraphPlot*> TResultGraphs::All() {
  return {&pltSkin, &pltUSkin, &pltTip,   &pltTotal,    &pltLoad,
          &pltCombine, &pltAxial, &PltQw, &pltTZcurves, &PltExtraTZ};
}

}  // namespace corvex
