#include "project/grid_table.h"

#include <gtest/gtest.h>

#include "project/assign_error.h"
#include "project/grid_column_kinds.h"
#include "project/project_tables.h"

namespace {

std::string StoreError(TData cell, const std::string& text)
{
    try {
        cell.SetString(text);
    } catch (const EAssignError& error) {
        return error.what();
    }
    return "(stored)";
}

TEST(ProjectTables, NewLayerTableHoldsOneSandLayerWithDefaults)
{
    TProjectTables tables;
    ASSERT_EQ(tables.D.RowCount(), 1);
    EXPECT_EQ(tables.D.Cell(soil_column::kSoilType, 0).AsInteger(), kSand);
    EXPECT_EQ(tables.D.Cell(soil_column::kSideFactor, 0).AsFloat(), 1.0);
    EXPECT_EQ(tables.D.Cell(soil_column::kEndFactor, 0).AsFloat(), 1.0);
    TGridTable& sand = tables.LayerData(0);
    EXPECT_EQ(sand.Caption, "Sand Layer Data");
    EXPECT_EQ(sand.Number(), 1);
    ASSERT_EQ(sand.RowCount(), 2);
    for (int column = 0; column < sand.ColumnCount(); ++column)
        for (int row = 0; row < 2; ++row) EXPECT_EQ(sand.Cell(column, row).AsFloat(), 0.0);
    EXPECT_FALSE(sand.Column(sand_column::kQc).Visible);
    EXPECT_EQ(tables.D.Cell(soil_column::kLayerData, 0).AsString(), "1: Sand Layer Data");
    EXPECT_EQ(tables.Sectionaldata.RowCount(), 2);
    EXPECT_EQ(tables.TblTZDepth.RowCount(), 1);
    EXPECT_FALSE(tables.Changed());
}

TEST(ProjectTables, IdentifiersFindTheTables)
{
    TProjectTables tables;
    EXPECT_EQ(tables.Registry.Find(10), &tables.D);
    EXPECT_EQ(tables.Registry.Find(1), &tables.tblDataSand);
    EXPECT_EQ(tables.Registry.Find(2), &tables.tblDataClay);
    EXPECT_EQ(tables.Registry.Find(19), &tables.tblDataSilt);
    EXPECT_EQ(tables.Registry.Find(0), &tables.TblTZDepth);
    EXPECT_EQ(tables.Registry.Find(46), &tables.Sectionaldata);
    EXPECT_EQ(tables.Registry.Find(209), &tables.SoilProfile);
    EXPECT_EQ(tables.Registry.Find(6), &tables.tblClay2);
    // Nested tables made later never take an identifier that is in use.
    tables.D.SetRowCount(30);
    EXPECT_EQ(tables.Registry.Find(10), &tables.D);
    EXPECT_EQ(tables.Registry.Find(46), &tables.Sectionaldata);
}

TEST(ProjectTables, SettingAnIdentifierInUseSwapsThem)
{
    TTableRegistry registry;
    TGridTable a(registry), b(registry);
    EXPECT_EQ(a.Identifier(), 0);
    EXPECT_EQ(b.Identifier(), 1);
    b.SetIdentifier(0);
    EXPECT_EQ(b.Identifier(), 0);
    EXPECT_EQ(a.Identifier(), 1);
}

TEST(ProjectTables, ChangingTheSoilTypeGivesAFreshTableOfTheNewType)
{
    TProjectTables tables;
    tables.D.SetRowCount(2);
    tables.LayerData(1).Cell(sand_column::kFrictionAngle, 0).SetFloat(32);
    tables.ResetChanged();
    tables.D.Cell(soil_column::kSoilType, 1).SetString("2");
    EXPECT_TRUE(tables.D.Changed());
    TGridTable& clay = tables.LayerData(1);
    EXPECT_EQ(clay.Caption, "Clay Layer Data");
    EXPECT_EQ(clay.Number(), 2);
    EXPECT_EQ(clay.RowCount(), 2);
    for (int column = 0; column < clay.ColumnCount(); ++column) EXPECT_EQ(clay.Cell(column, 0).AsFloat(), 0.0);
    // Storing the same code keeps the table and its values.
    clay.Cell(clay_column::kUndrainedShear, 0).SetFloat(1500);
    tables.D.Cell(soil_column::kSoilType, 1).SetInteger(kClay);
    EXPECT_EQ(tables.LayerData(1).Cell(clay_column::kUndrainedShear, 0).AsFloat(), 1500.0);
    EXPECT_EQ(StoreError(tables.D.Cell(soil_column::kSoilType, 1), "1.5"), "Value must be an integer.");
    EXPECT_EQ(StoreError(tables.D.Cell(soil_column::kSoilType, 1), "4"), "Entry must be between 1 and 3.");
}

TEST(ProjectTables, InsertAndDeleteRenumberNestedTables)
{
    TProjectTables tables;
    tables.D.SetRowCount(3);
    tables.D.Cell(soil_column::kSoilType, 2).SetInteger(kSilt);
    tables.D.InsertRows(0);
    EXPECT_EQ(tables.D.RowCount(), 4);
    EXPECT_EQ(tables.LayerData(0).Number(), 1);
    EXPECT_EQ(tables.LayerData(3).Number(), 4);
    EXPECT_EQ(tables.LayerData(3).Caption, "Silt Layer Data");
    int retitled = 0;
    tables.LayerData(3).OnNumberChanged = [&retitled] { ++retitled; };
    tables.D.DeleteRows(1);
    EXPECT_EQ(retitled, 1);
    EXPECT_EQ(tables.D.RowCount(), 3);
    EXPECT_EQ(tables.LayerData(2).Number(), 3);
    EXPECT_EQ(tables.LayerData(2).Caption, "Silt Layer Data");
    tables.D.SetRowCount(0);
    tables.D.SetRowCount(1);
    EXPECT_EQ(tables.LayerData(0).Caption, "Sand Layer Data");
    EXPECT_EQ(tables.D.Cell(soil_column::kSideFactor, 0).AsFloat(), 1.0);
}

TEST(ProjectTables, UnitSwitchConvertsFloatColumnsByTheirCodes)
{
    TProjectTables tables;
    tables.D.Cell(soil_column::kMaxSideFriction, 0).SetFloat(100.0); // kN/m^2
    tables.D.Cell(soil_column::kBottomDepth, 0).SetFloat(10.0);      // m
    tables.D.Cell(soil_column::kSideFactor, 0).SetFloat(0.8);
    tables.LayerData(0).Cell(sand_column::kBlowCount, 0).SetInteger(12);
    tables.LayerData(0).Cell(sand_column::kUnitWeight, 0).SetFloat(10.0); // kN/m^3
    tables.SetUnits(2);
    tables.SetUnits(1); // back to English from SI multiplies
    // 100 * 224.8089237 / 3.280839895^2 = 2088.5434...
    EXPECT_NEAR(tables.D.Cell(soil_column::kMaxSideFriction, 0).AsFloat(), 100.0, 1e-9);
    TProjectTables si;
    si.SetUnits(2);
    si.D.Cell(soil_column::kMaxSideFriction, 0).SetFloat(100.0);
    si.D.Cell(soil_column::kBottomDepth, 0).SetFloat(10.0);
    si.D.Cell(soil_column::kSideFactor, 0).SetFloat(0.8);
    si.LayerData(0).Cell(sand_column::kBlowCount, 0).SetInteger(12);
    si.LayerData(0).Cell(sand_column::kUnitWeight, 0).SetFloat(10.0);
    si.SetUnits(1);
    EXPECT_NEAR(si.D.Cell(soil_column::kMaxSideFriction, 0).AsFloat(), 2088.5434, 1e-3);
    EXPECT_NEAR(si.D.Cell(soil_column::kBottomDepth, 0).AsFloat(), 32.80839895, 1e-9);
    EXPECT_EQ(si.D.Cell(soil_column::kSideFactor, 0).AsFloat(), 0.8);
    EXPECT_EQ(si.LayerData(0).Cell(sand_column::kBlowCount, 0).AsInteger(), 12);
    // 10 * 224.8089237 / 3.280839895^3 = 63.6588
    EXPECT_NEAR(si.LayerData(0).Cell(sand_column::kUnitWeight, 0).AsFloat(), 63.6588, 1e-4);
    si.SetUnits(2);
    EXPECT_NEAR(si.D.Cell(soil_column::kMaxSideFriction, 0).AsFloat(), 100.0, 1e-9);
    // A nested table made after the switch starts in the owner's system.
    si.D.SetRowCount(2);
    EXPECT_EQ(si.LayerData(1).Units(), 2);
}

TEST(ProjectTables, CellStoresCheckTheirEntries)
{
    TProjectTables tables;
    TGridTable& sand = tables.LayerData(0);
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kKo, 0), "abc"),
              "Entry could not be evaluated:\rinvalid character(s) in expression");
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kKo, 0), ""), "Entry could not be evaluated:\rentry cannot be blank");
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kKo, 0), "1-0.5"), "(stored)");
    EXPECT_EQ(sand.Cell(sand_column::kKo, 0).AsString(), "0.5");
    // Without an editing window integers are rounded and stored.
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kBlowCount, 0), "12.6"), "(stored)");
    EXPECT_EQ(sand.Cell(sand_column::kBlowCount, 0).AsInteger(), 13);
    sand.SetEditorOpen(true);
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kBlowCount, 0), "150"), "Entry must be between 0 and 100.");
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kBlowCount, 0), "12.5"), "Entry must be an integer.");
    EXPECT_EQ(StoreError(sand.Cell(sand_column::kBlowCount, 0), "3*4"), "(stored)");
    EXPECT_EQ(sand.Cell(sand_column::kBlowCount, 0).AsString(), "12");
    EXPECT_EQ(StoreError(tables.D.Cell(soil_column::kLayerData, 0), "1"), "Data of wrong type");
    EXPECT_THROW(tables.D.Cell(soil_column::kBottomDepth, 0).AsTable(), EAssignError);
    EXPECT_THROW(tables.D.SetMinRows(0), std::invalid_argument);
}

TEST(ProjectTables, ChangedFlagCoversNestedTables)
{
    TProjectTables tables;
    EXPECT_FALSE(tables.Changed());
    tables.LayerData(0).Cell(sand_column::kNq, 1).SetFloat(20);
    EXPECT_TRUE(tables.D.Changed());
    tables.ResetChanged();
    EXPECT_FALSE(tables.D.Changed());
    tables.Sectionaldata.AddRows();
    EXPECT_TRUE(tables.Changed());
}

} // namespace
