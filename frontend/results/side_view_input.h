#pragma once
// What the elevation view reads from the project: the pile's dimensions and the soil layers.

#include <vector>

#include "results/side_view_geometry.h"

class TProgramData;
class TGridTable;

namespace corvex {

struct TSideViewInput {
  int Units = 1;
  double OuterDiameter = 0;
  double Perimeter = 0;
  double TotalLength = 0;
  double StickupLength = 0;
  double TaperAngle = 0;
  std::vector<TSideLayer> Layers;  // each layer's top is the previous layer's bottom
};

// Reads the project and the soil layer table `D`.
TSideViewInput SideViewInputOf(const TProgramData& project, TGridTable& soilLayers);

}  // namespace corvex
