#pragma once
// The grid tables of the main window, built in code: the soil layers `D` with the templates
// of the sand, clay and silt layer data, the extra t-z depths `TblTZDepth`, the cross-section
// areas along the pile `Sectionaldata`, and the two tables without project data that take
// part in the operations touching every table (`SoilProfile`, `tblClay2`).
#include <vector>

#include "project/grid_table.h"
#include "project/table_registry.h"

// Column indices of the soil layer table `D`.
namespace soil_column {
inline constexpr int kSoilType = 0;
inline constexpr int kBottomDepth = 1;
inline constexpr int kLayerData = 2;
inline constexpr int kMaxSideFriction = 3;
inline constexpr int kMaxEndBearing = 4;
inline constexpr int kSideFactor = 5;
inline constexpr int kEndFactor = 6;
} // namespace soil_column

// Soil type codes, also the codes of the enumeration column of `D`.
inline constexpr int kSand = 1;
inline constexpr int kClay = 2;
inline constexpr int kSilt = 3;

// Column indices of the sand layer data (rows: 1 top, 2 bottom of the layer).
namespace sand_column {
inline constexpr int kUnitWeight = 0;
inline constexpr int kFrictionAngle = 1;
inline constexpr int kBlowCount = 2;
inline constexpr int kKo = 3;
inline constexpr int kNq = 4;
inline constexpr int kQc = 5;
inline constexpr int kUserSkinFriction = 6;
inline constexpr int kUserEndBearing = 7;
} // namespace sand_column

namespace clay_column {
inline constexpr int kUnitWeight = 0;
inline constexpr int kUndrainedShear = 1;
inline constexpr int kRemoldedShear = 2;
inline constexpr int kPlasticIndex = 3;
inline constexpr int kYieldStressRatio = 4;
inline constexpr int kQc = 5;
inline constexpr int kUserSkinFriction = 6;
inline constexpr int kUserEndBearing = 7;
} // namespace clay_column

namespace silt_column {
inline constexpr int kUnitWeight = 0;
inline constexpr int kFrictionAngle = 1;
inline constexpr int kBlowCount = 2;
inline constexpr int kKo = 3;
inline constexpr int kUndrainedShear = 4;
inline constexpr int kDummy = 5;
inline constexpr int kUserSkinFriction = 6;
inline constexpr int kUserEndBearing = 7;
} // namespace silt_column

// Column indices of `Sectionaldata`.
namespace section_column {
inline constexpr int kDistance = 0;
inline constexpr int kArea = 1;
} // namespace section_column

class TProjectTables {
public:
    TProjectTables();
    TProjectTables(const TProjectTables&) = delete;
    TProjectTables& operator=(const TProjectTables&) = delete;

    // Every table of the main window (the templates included), in a fixed order.
    std::vector<TGridTable*> All();

    // Empties every table and refills it with its minimum number of rows of default values.
    void Reset();
    // Gives every table that has fewer rows than its minimum its minimum.
    void FillToMinimum();
    void SetUnits(int system);
    bool Changed();
    void ResetChanged();

    // The layer data table of row `layer` of `D`.
    TGridTable& LayerData(int layer) { return D.Cell(soil_column::kLayerData, layer).AsTable(); }

    // Declared first: destroyed after every table.
    TTableRegistry Registry;

    TGridTable tblDataSand;
    TGridTable tblDataClay;
    TGridTable tblDataSilt;
    TGridTable D;
    TGridTable TblTZDepth;
    TGridTable Sectionaldata;
    TGridTable SoilProfile;
    TGridTable tblClay2;
};
