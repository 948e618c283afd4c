#include "editors/soil_type_change.h"

#include <array>
#include <utility>
#include <vector>

#include "project/project_tables.h"

namespace {

// Pairs (column in the old type's table, column in the new type's table) kept by a change.
std::vector<std::pair<int, int>> KeptColumns(int oldType, int newType)
{
    std::vector<std::pair<int, int>> kept{{sand_column::kUnitWeight, sand_column::kUnitWeight},
                                          {sand_column::kUserSkinFriction, sand_column::kUserSkinFriction},
                                          {sand_column::kUserEndBearing, sand_column::kUserEndBearing}};
    const bool sandSilt = (oldType == kSand && newType == kSilt) || (oldType == kSilt && newType == kSand);
    if (sandSilt) {
        kept.insert(kept.end(), {{sand_column::kFrictionAngle, silt_column::kFrictionAngle},
                                 {sand_column::kBlowCount, silt_column::kBlowCount},
                                 {sand_column::kKo, silt_column::kKo}});
    }
    if (oldType == kClay && newType == kSilt) kept.emplace_back(clay_column::kUndrainedShear, silt_column::kUndrainedShear);
    if (oldType == kSilt && newType == kClay) kept.emplace_back(silt_column::kUndrainedShear, clay_column::kUndrainedShear);
    return kept;
}

} // namespace

void ChangeSoilType(TProjectTables& tables, int layer, int newType)
{
    TGridTable& d = tables.D;
    const int oldType = d.Cell(soil_column::kSoilType, layer).AsInteger();
    if (oldType == newType) return;
    const auto kept = KeptColumns(oldType, newType);
    // The kept values at top (row 0) and bottom (row 1), read before the table is rebuilt.
    std::vector<std::array<double, 2>> values;
    TGridTable& before = tables.LayerData(layer);
    for (const auto& [from, to] : kept)
        values.push_back({before.Cell(from, 0).AsFloat(), before.Cell(from, 1).AsFloat()});
    d.Cell(soil_column::kSoilType, layer).SetInteger(newType);
    TGridTable& after = tables.LayerData(layer);
    for (std::size_t i = 0; i < kept.size(); ++i)
        for (int row = 0; row < 2; ++row) after.Cell(kept[i].second, row).SetFloat(values[i][static_cast<std::size_t>(row)]);
}

void ConvertSiltLayersToSand(TProjectTables& tables)
{
    for (int layer = 0; layer < tables.D.RowCount(); ++layer)
        if (tables.D.Cell(soil_column::kSoilType, layer).AsInteger() == kSilt) ChangeSoilType(tables, layer, kSand);
}
