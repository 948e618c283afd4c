#pragma once
// Field-by-field and cell-by-cell comparison of two projects for the round-trip tests.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "project/grid_column_kinds.h"
#include "project/program_data.h"
#include "project/project_tables.h"

// Relative difference allowed between values; 0 asks for equality.
inline ::testing::AssertionResult Close(double a, double b, double relative)
{
    if (a == b) return ::testing::AssertionSuccess();
    if (relative > 0 && std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a << " differs from " << b;
}

inline void ExpectTablesEqual(TGridTable& a, TGridTable& b, double relative, const std::string& where)
{
    ASSERT_EQ(a.RowCount(), b.RowCount()) << where;
    ASSERT_EQ(a.ColumnCount(), b.ColumnCount()) << where;
    for (int c = 0; c < a.ColumnCount(); ++c) {
        for (int r = 0; r < a.RowCount(); ++r) {
            const std::string cell = where + " column " + std::to_string(c) + " row " + std::to_string(r);
            switch (a.Column(c).TypeCode()) {
            case 2: EXPECT_TRUE(Close(a.Cell(c, r).AsFloat(), b.Cell(c, r).AsFloat(), relative)) << cell; break;
            case 3: ExpectTablesEqual(a.Cell(c, r).AsTable(), b.Cell(c, r).AsTable(), relative, cell); break;
            default: EXPECT_EQ(a.Cell(c, r).AsString(), b.Cell(c, r).AsString()) << cell;
            }
        }
    }
}

// The fields stored in the project file (and Circular, derived from it).
inline void ExpectProjectsEqual(const TProgramData& a, const TProgramData& b, double relative)
{
    EXPECT_EQ(a.Units, b.Units);
    EXPECT_EQ(a.Title, b.Title);
    EXPECT_EQ(a.Designer, b.Designer);
    EXPECT_EQ(a.JobNumber, b.JobNumber);
    EXPECT_EQ(a.PrintEvery, b.PrintEvery);
    for (auto [x, y, name] : {std::tuple{a.Perimeter, b.Perimeter, "Perimeter"},
                              {a.SectionArea, b.SectionArea, "SectionArea"},
                              {a.TipArea, b.TipArea, "TipArea"},
                              {a.OuterDiameter, b.OuterDiameter, "OuterDiameter"},
                              {a.InnerDiameter, b.InnerDiameter, "InnerDiameter"},
                              {a.Modulus, b.Modulus, "Modulus"},
                              {a.StickupLength, b.StickupLength, "StickupLength"},
                              {a.TotalLength, b.TotalLength, "TotalLength"},
                              {a.EndSectionLength, b.EndSectionLength, "EndSectionLength"},
                              {a.EndSectionDiameter, b.EndSectionDiameter, "EndSectionDiameter"},
                              {a.ZeroFrictionLength, b.ZeroFrictionLength, "ZeroFrictionLength"},
                              {a.Increment, b.Increment, "Increment"},
                              {a.TaperAngle, b.TaperAngle, "TaperAngle"},
                              {a.TensionFactor, b.TensionFactor, "TensionFactor"},
                              {a.CriticalDepth, b.CriticalDepth, "CriticalDepth"}})
        EXPECT_TRUE(Close(x, y, relative)) << name;
    EXPECT_EQ(a.TransferMethod, b.TransferMethod);
    EXPECT_EQ(a.ExtraTZ, b.ExtraTZ);
    EXPECT_EQ(a.PileType, b.PileType);
    EXPECT_EQ(a.LoadingType, b.LoadingType);
    EXPECT_EQ(a.DrainedClay, b.DrainedClay);
    EXPECT_EQ(a.PlugMode, b.PlugMode);
    EXPECT_EQ(a.AreaMode, b.AreaMode);
    EXPECT_EQ(a.Circular, b.Circular);
    EXPECT_EQ(a.OffshoreEdition, b.OffshoreEdition);
    EXPECT_EQ(a.ReducedCurves, b.ReducedCurves);
    EXPECT_EQ(a.CriticalDepthMode, b.CriticalDepthMode);
    EXPECT_EQ(a.Methods, b.Methods);
}

inline void ExpectProjectTablesEqual(TProjectTables& a, TProjectTables& b, double relative)
{
    ExpectTablesEqual(a.D, b.D, relative, "D");
    ExpectTablesEqual(a.Sectionaldata, b.Sectionaldata, relative, "Sectionaldata");
    ExpectTablesEqual(a.TblTZDepth, b.TblTZDepth, relative, "TblTZDepth");
}
