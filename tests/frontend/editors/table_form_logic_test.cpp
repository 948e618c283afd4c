#include "editors/table_form_logic.h"

#include <gtest/gtest.h>

#include "project/project_tables.h"

TEST(TableFormLogic, RowButtonsAtTheRowLimits)
{
    TProjectTables tables;
    TGridTable& s = tables.Sectionaldata; // 2 ... 100 rows
    struct Case {
        int rows;
        bool add, del;
    };
    for (const Case& k : {Case{2, true, false}, Case{3, true, true}, Case{99, true, true}, Case{100, false, true}}) {
        s.SetRowCount(k.rows);
        EXPECT_TRUE(TTableFormLogic::ButtonsShown(s));
        EXPECT_EQ(TTableFormLogic::AddEnabled(s), k.add) << k.rows;
        EXPECT_EQ(TTableFormLogic::DeleteEnabled(s), k.del) << k.rows;
    }
    EXPECT_FALSE(TTableFormLogic::ButtonsShown(tables.LayerData(0))); // two fixed rows
    EXPECT_TRUE(TTableFormLogic::AddEnabled(tables.TblTZDepth));      // no upper limit
}

TEST(TableFormLogic, CaptionNumbersFromTheOutermostTableAndUnitHeadings)
{
    TProjectTables tables;
    tables.D.SetRowCount(3);
    EXPECT_EQ(TTableFormLogic::Caption(tables.LayerData(2)), "Sand Layer Data  3");
    EXPECT_EQ(TTableFormLogic::Caption(tables.Sectionaldata), "Cross Section Area ");
    EXPECT_EQ(TTableFormLogic::Heading(tables.TblTZDepth, 0), "Depth below the ground\nsurface (ft)  ");
    tables.SetUnits(2);
    EXPECT_EQ(TTableFormLogic::Heading(tables.TblTZDepth, 0), "Depth below the ground\nsurface (m)  ");
    EXPECT_EQ(TTableFormLogic::VisibleColumns(tables.tblDataSand), (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));
}

TEST(TableFormLogic, CurrentRowRangeAndRowHeaderText)
{
    TProjectTables tables;
    TGridTable& s = tables.Sectionaldata;
    s.SetRowCount(3);
    for (auto [row, inRange] : {std::pair{-1, false}, {0, true}, {2, true}, {3, false}})
        EXPECT_EQ(TTableFormLogic::RowInRange(s, row), inRange) << row;
    EXPECT_EQ(TTableFormLogic::RowHeaderSizingText(tables.D), "Layer  ");
    EXPECT_EQ(TTableFormLogic::RowHeaderSizingText(s), "  ");
}
