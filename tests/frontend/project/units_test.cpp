#include "project/units.h"

#include <gtest/gtest.h>

namespace {

TEST(Units, FactorsFollowTheSymbolTable)
{
    EXPECT_DOUBLE_EQ(units::Factor(2, 1, "L2"), 3.280839895);
    EXPECT_NEAR(units::Factor(1, 2, "L2"), 0.3048, 1e-10);
    // kN/m^2 to lb/ft^2: 224.8089237 / 3.280839895^2 = 20.88543...
    EXPECT_NEAR(units::Factor(2, 1, "F/L2^2"), 224.8089237 / (3.280839895 * 3.280839895), 1e-12);
    EXPECT_NEAR(units::Factor(2, 1, "F/L2^2"), 20.8854, 1e-4);
    // kN/m^3 to lb/ft^3: 224.8089237 / 35.3146667 = 6.36588
    EXPECT_NEAR(units::Factor(2, 1, "F/L2^3"), 6.36588, 1e-5);
    EXPECT_NEAR(units::Factor(2, 1, "L^2"), 1550.0031, 1e-4);
    EXPECT_NEAR(units::Factor(2, 1, "F1/L2^2"), 0.0208854, 1e-7);
    // "F0" and "L0" are the bare symbols; a digit that names no symbol is not part of it.
    EXPECT_DOUBLE_EQ(units::Factor(2, 1, "F0/L0"), units::Factor(2, 1, "F/L"));
}

TEST(Units, SameOrGenericSystemsAndEmptyCodesGiveOne)
{
    for (const auto& [from, to] : {std::pair{1, 1}, {2, 2}, {3, 1}, {2, 3}, {1, 3}})
        EXPECT_EQ(units::Factor(from, to, "F/L2^2"), 1.0);
    EXPECT_EQ(units::Factor(2, 1, ""), 1.0);
    EXPECT_EQ(units::HeadingName("", 1), "");
}

TEST(Units, HeadingAndFieldNames)
{
    EXPECT_EQ(units::HeadingName("F/L2^2", 1), "lbs/ft^2");
    EXPECT_EQ(units::HeadingName("F/L2^2", 2), "kN/m^2");
    EXPECT_EQ(units::HeadingName("F/L2^3", 1), "lbs/ft^3");
    EXPECT_EQ(units::HeadingName("F1/L2^2", 1), "kips/ft^2");
    EXPECT_EQ(units::HeadingName("F1/L2^2", 2), "kN/m^2");
    EXPECT_EQ(units::HeadingName("L1", 2), "mm");
    EXPECT_EQ(units::HeadingName("F/L2^2", 3), "F/L^2");
    EXPECT_EQ(units::FieldName("F/L2^2", 1), "lbs/ft^2");
    EXPECT_EQ(units::FieldName("L2", 2), "m");
    EXPECT_EQ(units::FieldName("F/L2^2", 3), "F/L2^2");
    EXPECT_EQ(units::FieldName("L\u00b2", 1), "in\u00b2");
}

} // namespace
