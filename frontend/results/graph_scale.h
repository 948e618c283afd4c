#pragma once
// Automatic axis ranges and tick spacing of a graph.

#include "results/graph_geometry.h"

namespace corvex {

class TGraphPlot;

struct TAutoscale {
  TDataRange Range;
  double XStep = 0;
  double YStep = 0;
  // False when the Y step comes out as 0 (or the data hold no usable number): the plot window
  // then closes itself instead of drawing.
  bool Usable = false;
};

// Rounds one axis outward to multiples of its step. The range starts at 0 on both ends, so it
// always contains 0. Returns the step.
double ScaleAxis(double& minimum, double& maximum);

// Range over every point of every curve (shown or not, active or not); soil-layer entries do
// not count.
TAutoscale Autoscale(const TGraphPlot& graph);

// Tick positions of one axis: ticks sit at index * Step for index First ... Last.
struct TAxisTicks {
  bool Present = false;  // false: no ticks, grid lines or labels on this axis
  double Step = 0;       // tick step; every fifth tick (index multiple of 5) is a major tick
  int First = 0;
  int Last = 0;
};

// `pixels` is the plot's extent along the axis and h the text height; there is room for one
// major tick every 6h pixels.
TAxisTicks TickSpacing(double minimum, double maximum, int pixels, int h);

}  // namespace corvex
