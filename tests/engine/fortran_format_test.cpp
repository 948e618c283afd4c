#include "core/fortran_format.h"

#include <clocale>
#include <limits>
#include <gtest/gtest.h>

namespace corvex {
namespace {

struct FixedCase {
  double value;
  int width;
  int decimals;
  const char* expected;
};

TEST(FortranFormatTest, FixedFieldsRoundAlignAndOverflow) {
  const FixedCase cases[] = {
      {3.14159, 8, 3, "   3.142"},    // rounded down at the last digit
      {2.71828, 7, 2, "   2.72"},     // rounded up at the last digit
      {0.125, 5, 2, " 0.13"},         // exact tie goes away from zero
      {-0.125, 6, 2, " -0.13"},
      {2.675, 5, 2, " 2.67"},         // stored as 2.67499999..., so it rounds down
      {9.995, 6, 2, "  9.99"},        // 9.9949999... stays below the carry
      {9.9996, 6, 3, "10.000"},       // carry into a new integer digit
      {-12.5, 7, 1, "  -12.5"},
      {0.0, 6, 2, "  0.00"},
      {-0.001, 6, 2, "  0.00"},       // rounds to zero: no minus sign
      {0.5, 3, 2, ".50"},             // one column short: leading zero left out
      {-0.5, 4, 2, "-.50"},
      {123.456, 5, 2, "*****"},       // 123.46 needs six columns
      {-99.99, 5, 2, "*****"},
      {99.99, 5, 2, "99.99"},         // exactly fills the field
      {7.0, 4, 0, "  7."},            // the point is always written
      {2.5, 4, 0, "  3."},            // a tie rounds away from zero, not to the even digit
      {123456789012.5, 15, 0, "  123456789013."},
      {1.0e12, 8, 2, "********"},
      {123456.789, 10, 1, "  123456.8"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fmtF(c.value, c.width, c.decimals), c.expected) << c.value << " F" << c.width << "." << c.decimals;
  }
}

TEST(FortranFormatTest, ExponentFieldsUseZeroPointForm) {
  const FixedCase cases[] = {
      {123.4, 11, 4, " 0.1234E+03"},
      {123.4, 10, 4, "0.1234E+03"},
      {-123.4, 11, 4, "-0.1234E+03"},
      {-123.4, 10, 4, "-.1234E+03"},   // leading zero dropped to fit
      {-123.4, 9, 4, "*********"},
      {0.0, 10, 3, " 0.000E+00"},
      {0.001, 10, 3, " 0.100E-02"},
      {99.96, 10, 3, " 0.100E+03"},    // 0.9996E+02 rounds up and carries into the exponent
      {0.012345, 11, 4, " 0.1235E-01"}, // 0.012345 is stored above the tie
      {1.0, 9, 2, " 0.10E+01"},
      {1.5e-120, 10, 3, " 0.150-119"}, // three-digit exponent drops the letter
      {2.0e150, 10, 3, " 0.200+151"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fmtE(c.value, c.width, c.decimals), c.expected) << c.value << " E" << c.width << "." << c.decimals;
  }
}

TEST(FortranFormatTest, IntegersBlanksAndText) {
  EXPECT_EQ(fmtI(0, 3), "  0");
  EXPECT_EQ(fmtI(-42, 5), "  -42");
  EXPECT_EQ(fmtI(501, 4), " 501");
  EXPECT_EQ(fmtI(12345, 4), "****");
  EXPECT_EQ(fmtI(-100, 3), "***");
  EXPECT_EQ(fmtX(3), "   ");
  EXPECT_EQ(fmtX(0), "");
  EXPECT_EQ(fmtA("FT.", 3), "FT.");
  EXPECT_EQ(fmtA("AB", 4), "  AB");
  EXPECT_EQ(fmtA("ABCDEF", 4), "ABCD");
  EXPECT_EQ(ReportLine().x(10).a("DEPTH").f(12.5, 8, 2).i(7, 3).e(0.5, 10, 3).a("KSF", 4).str(),
            "          DEPTH   12.50  7 0.500E+00 KSF");
}

TEST(FortranFormatTest, NonFiniteValuesStayReadable) {
  EXPECT_EQ(fmtF(std::numeric_limits<double>::quiet_NaN(), 6, 2), "   NaN");
  EXPECT_EQ(fmtE(-std::numeric_limits<double>::infinity(), 10, 3), "      -Inf");
  EXPECT_EQ(fmtF(std::numeric_limits<double>::infinity(), 2, 0), "**");
}

TEST(FortranFormatTest, IndependentOfTheProcessLocale) {
  const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  if (german == nullptr) german = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
  EXPECT_EQ(fmtF(1.5, 5, 2), " 1.50");
  EXPECT_EQ(fmtE(1.5, 10, 3), " 0.150E+01");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace corvex
