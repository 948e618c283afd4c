#include "editors/soil_layers_logic.h"

#include <numeric>

#include "editors/soil_type_change.h"
#include "project/number_format.h"
#include "project/number_parse.h"
#include "project/project_tables.h"

namespace {
constexpr int kValueColumns[5] = {soil_column::kBottomDepth, soil_column::kMaxSideFriction,
                                  soil_column::kMaxEndBearing, soil_column::kSideFactor, soil_column::kEndFactor};
} // namespace

bool TSoilLayersLogic::SiltOffered(const std::array<int, 9>& methods)
{
    return methods[1] == 1 && std::accumulate(methods.begin(), methods.end(), 0) == 1;
}

std::array<std::string, 7> TSoilLayersLogic::HeaderRow0()
{
    return {"  Layer ", " Soil Type ", " Depth at Bottom * ", " Max. Side Friction ** ", " Max. End Bearing ** ",
            " Reduction/Resistance *** ", " Reduction/Resistance *** "};
}

std::array<std::string, 7> TSoilLayersLogic::HeaderRow1(int units)
{
    const bool si = units == 2;
    const std::string stress = si ? "       (kN/m^2)    " : "       (lb/ft^2)    ";
    return {"        ", "           ", si ? " of each layer (m) " : " of each layer (ft) ", stress, stress,
            " Factors on Side Friction ", "  Factors on End Bearing "};
}

void TSoilLayersLogic::Load(TProjectTables& tables)
{
    TGridTable& d = tables.D;
    Rows.assign(static_cast<std::size_t>(d.RowCount()), TLayerRow{});
    for (int layer = 0; layer < d.RowCount(); ++layer) {
        TLayerRow& row = Rows[static_cast<std::size_t>(layer)];
        row.SoilType = d.Cell(soil_column::kSoilType, layer).AsInteger();
        for (int i = 0; i < 5; ++i) row.Values[static_cast<std::size_t>(i)] = FormatGeneral8(d.Cell(kValueColumns[i], layer).AsFloat());
    }
    CurrentRow = 0;
}

void TSoilLayersLogic::Store(TProjectTables& tables) const
{
    TGridTable& d = tables.D;
    d.SetRowCount(LayerCount());
    for (int layer = 0; layer < LayerCount(); ++layer) {
        const TLayerRow& row = Rows[static_cast<std::size_t>(layer)];
        // The rows always carry D's own type code (type changes go through ChangeType), so this
        // does not rebuild a layer table.
        d.Cell(soil_column::kSoilType, layer).SetInteger(row.SoilType);
        for (int i = 0; i < 5; ++i) {
            double value = 0.0;
            if (!ParseDecimalNumber(row.Values[static_cast<std::size_t>(i)], value)) value = 0.0;
            d.Cell(kValueColumns[i], layer).SetFloat(value);
        }
    }
}

void TSoilLayersLogic::Add(TProjectTables& tables)
{
    if (!AddEnabled()) return;
    tables.D.SetRowCount(LayerCount());
    tables.D.InsertRows(LayerCount());
    Rows.emplace_back();
    CurrentRow = LayerCount() - 1;
}

void TSoilLayersLogic::Insert(TProjectTables& tables)
{
    if (!InsertEnabled() || LayerCount() >= kMaxLayers) return;
    if (CurrentRow < 0 || CurrentRow >= LayerCount()) CurrentRow = 0;
    tables.D.SetRowCount(LayerCount());
    tables.D.InsertRows(CurrentRow);
    Rows.insert(Rows.begin() + CurrentRow, TLayerRow{});
}

void TSoilLayersLogic::Delete(TProjectTables& tables)
{
    if (!DeleteEnabled() || CurrentRow < 0 || CurrentRow >= LayerCount()) return;
    tables.D.SetRowCount(LayerCount());
    tables.D.DeleteRows(CurrentRow);
    Rows.erase(Rows.begin() + CurrentRow);
    if (CurrentRow >= LayerCount()) CurrentRow = LayerCount() > 0 ? LayerCount() - 1 : 0;
}

void TSoilLayersLogic::ChangeType(TProjectTables& tables, int layer, int newType)
{
    if (layer < 0 || layer >= LayerCount()) return;
    ChangeSoilType(tables, layer, newType);
    Rows[static_cast<std::size_t>(layer)].SoilType = newType;
    CurrentRow = layer;
}

void TSoilLayersLogic::SetValue(int layer, int valueIndex, double value)
{
    if (layer < 0 || layer >= LayerCount() || valueIndex < 0 || valueIndex >= 5) return;
    Rows[static_cast<std::size_t>(layer)].Values[static_cast<std::size_t>(valueIndex)] = FormatGeneralExact(value);
    CurrentRow = layer;
}
