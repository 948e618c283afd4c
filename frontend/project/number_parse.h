#pragma once
// Locale-independent reading of a decimal number: optional sign, digits, optional fraction
// with "." as separator, optional exponent introduced by E or e. Nothing else is accepted
// (no blanks, no "inf" or "nan", no hexadecimal).
#include <string_view>

bool ParseDecimalNumber(std::string_view text, double& value);
