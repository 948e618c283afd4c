#include "results/side_view_input.h"

#include "project/grid_table.h"
#include "project/program_data.h"
#include "project/project_tables.h"

namespace corvex {

TSideViewInput SideViewInputOf(const TProgramData& project, TGridTable& soilLayers) {
  TSideViewInput in;
  in.Units = project.Units;
  in.OuterDiameter = project.OuterDiameter;
  in.Perimeter = project.Perimeter;
  in.TotalLength = project.TotalLength;
  in.StickupLength = project.StickupLength;
  in.TaperAngle = project.TaperAngle;
  double top = 0;
  for (int row = 0; row < soilLayers.RowCount(); ++row) {
    TSideLayer layer;
    layer.SoilType = soilLayers.Cell(soil_column::kSoilType, row).AsInteger();
    layer.Top = top;
    layer.Bottom = soilLayers.Cell(soil_column::kBottomDepth, row).AsFloat();
    in.Layers.push_back(layer);
    top = layer.Bottom;
  }
  return in;
}

}  // namespace corvex
