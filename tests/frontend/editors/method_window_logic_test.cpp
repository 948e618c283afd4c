#include "editors/method_window_logic.h"

#include <gtest/gtest.h>

#include "project/program_data.h"
#include "project/project_tables.h"

namespace {

TMethodChoices Choose(int transfer, std::initializer_list<int> checked)
{
    TMethodChoices c;
    c.TransferMethod = transfer;
    for (int k : checked) c.Checked[static_cast<std::size_t>(k - 1)] = true;
    TMethodWindowLogic::ApplyRules(c);
    return c;
}

std::array<bool, 9> Only(std::initializer_list<int> codes)
{
    std::array<bool, 9> a{};
    for (int k : codes) a[static_cast<std::size_t>(k - 1)] = true;
    return a;
}

} // namespace

TEST(MethodWindowLogic, TransferMethodIsCheckedAndCarriesTheOnlyLsLabel)
{
    const TMethodChoices c = Choose(3, {});
    EXPECT_EQ(c.Checked, Only({3}));
    EXPECT_EQ(TMethodWindowLogic::Enabling(c, 0).LsVisible, Only({3}));
}

TEST(MethodWindowLogic, ClearSelectionsKeepsTheTransferMethodAndSelectAllRespectsTheEdition)
{
    TMethodChoices c = Choose(4, {1, 2, 5});
    TMethodWindowLogic::ClearSelections(c);
    EXPECT_EQ(c.Checked, Only({4}));
    TMethodWindowLogic::SelectAll(c, 0);
    EXPECT_EQ(c.Checked, Only({1, 2, 3, 4, 5}));
    const TMethodEnabling land = TMethodWindowLogic::Enabling(c, 0);
    EXPECT_EQ(land.MethodEnabled, Only({1, 2, 3, 4, 5}));
    TMethodWindowLogic::SelectAll(c, 1);
    EXPECT_EQ(c.Checked, Only({1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(MethodWindowLogic, EnablingOfTheDependentControls)
{
    struct Case {
        TMethodChoices c;
        int offshore;
        bool critical, criticalField, drain, tension;
    };
    TMethodChoices usaceUser = Choose(1, {2});
    usaceUser.CriticalDepthMode = 2;
    TMethodChoices usaceOriginal = Choose(1, {2});
    TMethodChoices apiTension = Choose(4, {});
    apiTension.Tension = true;
    TMethodChoices apiCompression = Choose(4, {});
    TMethodChoices fhwaTension = Choose(1, {});
    fhwaTension.Tension = true;
    const Case cases[] = {
        {usaceUser, 0, true, true, false, false},
        {usaceOriginal, 0, true, false, false, false},
        {apiTension, 0, false, false, false, true},
        {apiCompression, 0, false, false, false, false},
        {fhwaTension, 0, false, false, false, false},
        {Choose(1, {7}), 1, false, false, true, false},
        {Choose(1, {7}), 0, false, false, false, false}, // the check box itself is disabled
    };
    for (const Case& k : cases) {
        const TMethodEnabling e = TMethodWindowLogic::Enabling(k.c, k.offshore);
        EXPECT_EQ(e.CriticalChoices, k.critical);
        EXPECT_EQ(e.CriticalField, k.criticalField);
        EXPECT_EQ(e.DrainChoice, k.drain);
        EXPECT_EQ(e.TensionField, k.tension);
    }
}

TEST(MethodWindowLogic, StoreClearsTaperKeepsTensionFactorOnlyInTensionAndTogglesUserColumns)
{
    TProjectTables tables;
    TProgramData project = TProgramData::Create(tables);
    struct Case {
        int transfer;
        bool tension;
        double taperAfter, factorAfter;
        int loading;
        bool userColumns;
    };
    const Case cases[] = {
        {1, true, 0.5, 0.7, 1, false},
        {2, true, 0.0, 0.7, 1, false},
        {5, false, 0.0, 1.0, 0, true},
        {1, false, 0.5, 1.0, 0, false},
    };
    for (const Case& k : cases) {
        project.TaperAngle = 0.5;
        TMethodChoices c = Choose(k.transfer, {});
        c.Tension = k.tension;
        c.TensionFactor = 0.7;
        c.CriticalDepthMode = 2;
        c.CriticalDepth = 12.5;
        TMethodWindowLogic::Store(c, project, tables);
        EXPECT_EQ(project.TaperAngle, k.taperAfter);
        EXPECT_EQ(project.TensionFactor, k.factorAfter);
        EXPECT_EQ(project.LoadingType, k.loading);
        EXPECT_EQ(project.Method(k.transfer), 1);
        EXPECT_EQ(project.CriticalDepthMode, 2);
        EXPECT_EQ(project.CriticalDepth, 12.5);
        EXPECT_EQ(tables.tblDataSand.Column(sand_column::kUserSkinFriction).Visible, k.userColumns);
        EXPECT_EQ(tables.LayerData(0).Column(sand_column::kUserEndBearing).Visible, k.userColumns);
    }
}

TEST(MethodWindowLogic, SiltLayersBecomeSandUnlessUsaceIsTheOnlyMethod)
{
    for (const auto& [checked, siltStays] :
         std::vector<std::pair<std::vector<int>, bool>>{{{2}, true}, {{1}, false}, {{1, 2}, false}}) {
        TProjectTables tables;
        TProgramData project = TProgramData::Create(tables);
        tables.D.Cell(soil_column::kSoilType, 0).SetInteger(kSilt);
        TGridTable& silt = tables.LayerData(0);
        silt.Cell(silt_column::kUnitWeight, 0).SetFloat(110);
        silt.Cell(silt_column::kFrictionAngle, 1).SetFloat(28);
        silt.Cell(silt_column::kKo, 0).SetFloat(1.25);
        silt.Cell(silt_column::kUndrainedShear, 0).SetFloat(500);
        TMethodChoices c;
        c.TransferMethod = checked.front();
        for (int k : checked) c.Checked[static_cast<std::size_t>(k - 1)] = true;
        TMethodWindowLogic::Store(c, project, tables);
        EXPECT_EQ(tables.D.Cell(soil_column::kSoilType, 0).AsInteger(), siltStays ? kSilt : kSand);
        TGridTable& now = tables.LayerData(0);
        EXPECT_EQ(now.Cell(sand_column::kUnitWeight, 0).AsFloat(), 110);
        EXPECT_EQ(now.Cell(sand_column::kFrictionAngle, 1).AsFloat(), 28);
        EXPECT_EQ(now.Cell(sand_column::kKo, 0).AsFloat(), 1.25);
        // Column 4 is the silt's undrained strength but the sand's Nq, which starts at its default.
        EXPECT_EQ(now.Cell(4, 0).AsFloat(), siltStays ? 500 : 0);
    }
}
