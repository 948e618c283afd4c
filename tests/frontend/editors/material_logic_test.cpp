#include "editors/material_logic.h"

#include <gtest/gtest.h>

#include "project/program_data.h"

TEST(MaterialLogic, CalculatedAreaForEachKindOfSection)
{
    struct Case {
        int units, type;
        bool circularShape;
        double od, id, tipArea, expected;
    };
    const Case cases[] = {
        // 3.1416 * (576 - 529) / 4 = 36.9138 in^2
        {1, 1, true, 24, 23, 0, 36.9138},
        // 3.1416 * 600^2 / 4 = 282744 mm^2 = 0.282744 m^2
        {2, 2, true, 600, 0, 0, 0.282744},
        // any other type ignores the inner diameter: 3.1416 * 144 / 4 = 113.0976
        {1, 3, true, 12, 10, 0, 113.0976},
        {1, 3, false, 12, 10, 144, 144},
        {1, 6, true, 12, 10, 15.5, 15.5},
    };
    for (const Case& k : cases) {
        TProgramData p;
        p.Units = k.units;
        p.OuterDiameter = k.od;
        p.InnerDiameter = k.id;
        p.TipArea = k.tipArea;
        TMaterialChoices c;
        c.PileType = k.type;
        c.CircularShape = k.circularShape;
        EXPECT_NEAR(TMaterialLogic::CalculatedArea(c, p), k.expected, 1e-9) << "type " << k.type;
    }
}

TEST(MaterialLogic, TaperOnlyForTaperedTypesWithFhwaAndClearedWithoutIt)
{
    TProgramData p;
    p.Methods = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    TMaterialChoices c;
    const bool tapered[8] = {false, false, true, false, true, true, false, true};
    for (int type = 1; type <= 7; ++type) {
        c.PileType = type;
        EXPECT_EQ(TMaterialLogic::Enabling(c, p).Taper, tapered[type]) << type;
        EXPECT_EQ(TMaterialLogic::Enabling(c, p).ShapeChoice, type == 3);
    }
    c.PileType = 2;
    c.TaperAngle = 0.4;
    TMaterialLogic::Store(c, p);
    EXPECT_EQ(p.TaperAngle, 0.4);
    p.Methods = {0, 0, 0, 1, 0, 0, 0, 0, 0};
    TMaterialLogic::Store(c, p);
    EXPECT_EQ(p.TaperAngle, 0.0);
}

TEST(MaterialLogic, CircularFollowsTypeAndShape)
{
    EXPECT_FALSE(TMaterialLogic::IsCircular(6, true));
    EXPECT_TRUE(TMaterialLogic::IsCircular(3, true));
    EXPECT_FALSE(TMaterialLogic::IsCircular(3, false));
    for (int type : {1, 2, 4, 5, 7}) EXPECT_TRUE(TMaterialLogic::IsCircular(type, false));
}
