#include "editors/soil_layers_logic.h"

#include <gtest/gtest.h>

#include "editors/layer_data_logic.h"
#include "project/program_data.h"
#include "project/project_tables.h"

TEST(SoilLayersLogic, ButtonEnablingAtTheLayerLimits)
{
    TProjectTables tables;
    TSoilLayersLogic logic;
    logic.Load(tables);
    EXPECT_EQ(logic.LayerCount(), 1);
    while (logic.AddEnabled()) logic.Add(tables);
    EXPECT_EQ(logic.LayerCount(), 40);
    EXPECT_EQ(tables.D.RowCount(), 40);
    while (logic.DeleteEnabled()) logic.Delete(tables);
    EXPECT_EQ(logic.LayerCount(), 0);
    EXPECT_FALSE(logic.InsertEnabled());
    EXPECT_TRUE(logic.AddEnabled());
}

TEST(SoilLayersLogic, InsertAndDeleteMoveTheLayersWithTheirData)
{
    TProjectTables tables;
    TSoilLayersLogic logic;
    logic.Load(tables);
    logic.Add(tables);
    logic.ChangeType(tables, 1, kClay);
    logic.SetValue(1, 0, 30);
    tables.LayerData(1).Cell(clay_column::kUndrainedShear, 0).SetFloat(800);
    logic.CurrentRow = 0;
    logic.Insert(tables);
    logic.Store(tables);
    ASSERT_EQ(tables.D.RowCount(), 3);
    EXPECT_EQ(tables.D.Cell(soil_column::kSoilType, 2).AsInteger(), kClay);
    EXPECT_EQ(tables.D.Cell(soil_column::kBottomDepth, 2).AsFloat(), 30);
    EXPECT_EQ(tables.LayerData(2).Cell(clay_column::kUndrainedShear, 0).AsFloat(), 800);
    EXPECT_EQ(tables.D.Cell(soil_column::kSideFactor, 0).AsFloat(), 1.0);
    logic.CurrentRow = 1;
    logic.Delete(tables);
    logic.Store(tables);
    ASSERT_EQ(tables.D.RowCount(), 2);
    EXPECT_EQ(tables.D.Cell(soil_column::kSoilType, 1).AsInteger(), kClay);
}

TEST(SoilLayersLogic, GridTextsRoundTripAtEightDigitsAndHeadersFollowTheUnits)
{
    TProjectTables tables;
    tables.D.Cell(soil_column::kBottomDepth, 0).SetFloat(1.23456789);
    TSoilLayersLogic logic;
    logic.Load(tables);
    EXPECT_EQ(logic.Rows[0].Values[0], "1.2345679");
    logic.Store(tables);
    EXPECT_EQ(tables.D.Cell(soil_column::kBottomDepth, 0).AsFloat(), 1.2345679);
    EXPECT_EQ(TSoilLayersLogic::HeaderRow1(2)[2], " of each layer (m) ");
    EXPECT_EQ(TSoilLayersLogic::HeaderRow1(2)[3], "       (kN/m^2)    ");
    EXPECT_EQ(TSoilLayersLogic::HeaderRow1(1)[4], "       (lb/ft^2)    ");
}

TEST(LayerDataLogic, ChosenInputKeepsOnlyAnglesOrBlowCounts)
{
    TProjectTables tables;
    TGridTable& sand = tables.LayerData(0);
    EXPECT_FALSE(TLayerDataLogic::BlowCountChosen(sand));
    sand.Cell(sand_column::kBlowCount, 1).SetInteger(12);
    sand.Cell(sand_column::kFrictionAngle, 0).SetFloat(32);
    EXPECT_TRUE(TLayerDataLogic::BlowCountChosen(sand));
    TLayerDataLogic::KeepChosenInput(sand, kSand, false);
    EXPECT_EQ(sand.Cell(sand_column::kBlowCount, 1).AsInteger(), 0);
    EXPECT_EQ(sand.Cell(sand_column::kFrictionAngle, 0).AsFloat(), 32);
    sand.Cell(sand_column::kBlowCount, 0).SetInteger(9);
    TLayerDataLogic::KeepChosenInput(sand, kSand, true);
    EXPECT_EQ(sand.Cell(sand_column::kFrictionAngle, 0).AsFloat(), 0);
    EXPECT_EQ(sand.Cell(sand_column::kBlowCount, 0).AsInteger(), 9);
}

TEST(LayerDataLogic, ItemsFollowTheMethods)
{
    TProgramData p;
    p.Methods = {0, 1, 0, 0, 1, 0, 1, 0, 0};
    p.PileType = 2;
    EXPECT_EQ(TLayerDataLogic::SandKo(p).Texts[0], "3. Data for USACE Computation Method");
    EXPECT_TRUE(TLayerDataLogic::Item(kSand, sand_column::kKo, p).Enabled);
    EXPECT_FALSE(TLayerDataLogic::Item(kSand, sand_column::kNq, p).Enabled);
    EXPECT_TRUE(TLayerDataLogic::Item(kClay, clay_column::kUserSkinFriction, p).Enabled);
    EXPECT_FALSE(TLayerDataLogic::Item(kClay, clay_column::kRemoldedShear, p).Enabled);
    const TLayerItemState pi = TLayerDataLogic::Item(kClay, clay_column::kPlasticIndex, p);
    EXPECT_TRUE(pi.Enabled);
    EXPECT_FALSE(pi.Visible);
    p.Methods = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(TLayerDataLogic::Item(kSand, sand_column::kKo, p).Enabled);
}
