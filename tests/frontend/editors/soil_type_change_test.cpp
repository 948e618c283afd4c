#include "editors/soil_type_change.h"

#include <gtest/gtest.h>

#include "project/project_tables.h"

namespace {

// Fills every column of the layer's table at top and bottom with 10 * (column + 1) + row.
void FillLayer(TProjectTables& tables, int layer)
{
    TGridTable& t = tables.LayerData(layer);
    for (int col = 0; col < t.ColumnCount(); ++col)
        for (int row = 0; row < 2; ++row) t.Cell(col, row).SetFloat(10.0 * (col + 1) + row);
}

double Value(TProjectTables& tables, int col, int row) { return tables.LayerData(0).Cell(col, row).AsFloat(); }

} // namespace

// Each row: from, to, and for the eight columns of the new table the column of the old table
// whose value it keeps (-1: the new type's default, 0 for every column here).
TEST(SoilTypeChange, KeptValuesAndResetsForEveryPairOfTypes)
{
    struct Case {
        int from, to;
        int source[8];
    };
    const Case cases[] = {
        {kSand, kClay, {0, -1, -1, -1, -1, -1, 6, 7}},
        {kClay, kSand, {0, -1, -1, -1, -1, -1, 6, 7}},
        {kSand, kSilt, {0, 1, 2, 3, -1, -1, 6, 7}},
        {kSilt, kSand, {0, 1, 2, 3, -1, -1, 6, 7}},
        {kClay, kSilt, {0, -1, -1, -1, 1, -1, 6, 7}},
        {kSilt, kClay, {0, 4, -1, -1, -1, -1, 6, 7}},
    };
    for (const Case& k : cases) {
        TProjectTables tables;
        tables.D.Cell(soil_column::kSoilType, 0).SetInteger(k.from);
        FillLayer(tables, 0);
        ChangeSoilType(tables, 0, k.to);
        EXPECT_EQ(tables.D.Cell(soil_column::kSoilType, 0).AsInteger(), k.to);
        for (int col = 0; col < 8; ++col)
            for (int row = 0; row < 2; ++row) {
                const double expected = k.source[col] < 0 ? 0.0 : 10.0 * (k.source[col] + 1) + row;
                EXPECT_EQ(Value(tables, col, row), expected) << k.from << "->" << k.to << " column " << col;
            }
    }
}

TEST(SoilTypeChange, SandToClayAndBackGivesZeroFrictionAngles)
{
    TProjectTables tables;
    FillLayer(tables, 0);
    ChangeSoilType(tables, 0, kClay);
    ChangeSoilType(tables, 0, kSand);
    EXPECT_EQ(Value(tables, sand_column::kFrictionAngle, 0), 0.0);
    EXPECT_EQ(Value(tables, sand_column::kUnitWeight, 1), 11.0);
}

TEST(SoilTypeChange, SameTypeKeepsEverything)
{
    TProjectTables tables;
    FillLayer(tables, 0);
    ChangeSoilType(tables, 0, kSand);
    EXPECT_EQ(Value(tables, sand_column::kNq, 1), 51.0);
}
