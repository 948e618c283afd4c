#include "project/number_format.h"

#include <gtest/gtest.h>

namespace {

struct TFormatCase {
    double Value;
    const char* General10;
    const char* General8;
};

TEST(NumberFormat, GeneralNotation)
{
    const TFormatCase cases[] = {
        {0.0, "0", "0"},
        {-0.0, "0", "0"},
        {12.5, "12.5", "12.5"},
        {-4.0, "-4", "-4"},
        {1.0 / 3.0, "0.3333333333", "0.33333333"},
        {0.0001, "0.0001", "0.0001"},
        {0.00001, "1E-5", "1E-5"},
        {12345678901.0, "1.23456789E10", "1.2345679E10"},
        {1.5e12, "1.5E12", "1.5E12"},
        {9999999999.0, "9999999999", "1E10"},
        {123456789.0, "123456789", "1.2345679E8"},
        {12345678.0, "12345678", "12345678"},
        {-0.000125, "-0.000125", "-0.000125"},
        {2.0 / 3.0 * 1000.0, "666.6666667", "666.66667"},
        {1e-300, "1E-300", "1E-300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGeneral10(c.Value), c.General10) << c.Value;
        EXPECT_EQ(FormatGeneral8(c.Value), c.General8) << c.Value;
    }
}

TEST(NumberFormat, ExponentNotation)
{
    EXPECT_EQ(FormatExponent3(1.5), "1.50E+00");
    EXPECT_EQ(FormatExponent3(-2345.0), "-2.35E+03");
    EXPECT_EQ(FormatExponent3(0.0), "0.00E+00");
    EXPECT_EQ(FormatExponent3(-0.0), "0.00E+00");
    EXPECT_EQ(FormatExponent3(0.000999), "9.99E-04");
    EXPECT_EQ(FormatExponent3(9.996), "1.00E+01");
    EXPECT_EQ(FormatExponent3(1.0e100), "1.00E+100");
    EXPECT_EQ(FormatExponent3Short(1.5), "1.50E+0");
    EXPECT_EQ(FormatExponent3Short(0.0), "0.00E+0");
    EXPECT_EQ(FormatExponent3Short(-12.5), "-1.25E+1");
    EXPECT_EQ(FormatExponent3Short(0.01), "1.00E-2");
    EXPECT_EQ(FormatExponent3Short(2.0e15), "2.00E+15");
}

TEST(NumberFormat, ExactGeneralReadsBackAsTheSameValue)
{
    EXPECT_EQ(FormatGeneralExact(0.1), "0.1");
    EXPECT_EQ(FormatGeneralExact(120.0), "120");
    EXPECT_EQ(FormatGeneralExact(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(FormatGeneralExact(1e20), "1E20");
    EXPECT_EQ(FormatGeneralExact(-2.5e-7), "-2.5E-7");
}

} // namespace
