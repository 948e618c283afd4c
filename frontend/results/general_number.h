#pragma once
#include <string>

namespace corvex {

// Writes a value as a general number with at most `digits` significant digits: the shorter of
// fixed and scientific notation, trailing zeros dropped, "." as decimal separator whatever the
// locale (12.5, 0.001, 1.5E+20).
std::string FormatGeneral(double value, int digits);

}  // namespace corvex
