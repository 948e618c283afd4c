#pragma once
// Number writers of the front end's text files. All of them write "." as decimal separator
// and no thousands separators, whatever the locale.
#include <string>

// The value rounded to `digits` significant digits, in fixed notation when the decimal
// exponent X of the rounded value (written 0.d1d2... x 10^X) lies in -3 <= X <= digits,
// otherwise in scientific notation ("1E-5", "1.5E12"); no trailing zeros.
std::string FormatGeneral(double value, int digits);

// `general-10` and `general-8` of the project file.
std::string FormatGeneral10(double value);
std::string FormatGeneral8(double value);

// The shortest text that reads back as exactly the same value, laid out like FormatGeneral
// with up to 18 significant digits (numeric fields and the expression evaluator).
std::string FormatGeneralExact(double value);

// `exponent-3`: three significant digits, always scientific, sign and at least two exponent
// digits ("1.50E+00", "-2.35E+03").
std::string FormatExponent3(double value);

// `exponent-3/1`: as `exponent-3` with at least one exponent digit ("1.50E+0").
std::string FormatExponent3Short(double value);
