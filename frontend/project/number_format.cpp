#include "project/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

struct TDecimalDigits {
    bool Negative = false;
    std::string Digits; // significant digits without trailing zeros, at least one
    int Exponent = 0;   // X in 0.d1d2... x 10^X
};

// Splits the scientific text "d.ddde+XX" written by to_chars into its digits and exponent.
TDecimalDigits SplitScientific(std::string_view text)
{
    TDecimalDigits result;
    if (!text.empty() && text.front() == '-') {
        result.Negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') result.Digits += c;
    int scientificExponent = 0;
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), scientificExponent);
    while (result.Digits.size() > 1 && result.Digits.back() == '0') result.Digits.pop_back();
    result.Exponent = scientificExponent + 1;
    return result;
}

// The value's digits rounded to `digits` significant digits, halves away from zero as in
// ordinary rounding. The digits are taken from a 60-digit expansion, far beyond the precision
// of the value, so that a tie is seen as a tie.
TDecimalDigits RoundedDigits(double value, int digits)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 60);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    TDecimalDigits number;
    number.Negative = text.front() == '-';
    const std::string_view body = number.Negative ? text.substr(1) : text;
    const std::size_t e = body.find('e');
    std::string all;
    for (char c : body.substr(0, e))
        if (c != '.') all += c;
    std::string_view exponentText = body.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    int scientificExponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), scientificExponent);

    std::string kept = all.substr(0, static_cast<std::size_t>(digits));
    if (all[static_cast<std::size_t>(digits)] >= '5') {
        int i = digits - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++scientificExponent;
        }
    }
    number.Digits = kept;
    number.Exponent = scientificExponent + 1;
    return number;
}

std::string TrimmedDigits(std::string digits)
{
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

std::string Layout(const TDecimalDigits& number, int fixedLimit)
{
    if (number.Digits == "0") return "0";
    std::string text = number.Negative ? "-" : "";
    const std::string& d = number.Digits;
    const int x = number.Exponent;
    if (x >= -3 && x <= fixedLimit) {
        if (x <= 0) {
            text += "0." + std::string(static_cast<std::size_t>(-x), '0') + d;
        } else if (x >= static_cast<int>(d.size())) {
            text += d + std::string(static_cast<std::size_t>(x) - d.size(), '0');
        } else {
            text += d.substr(0, static_cast<std::size_t>(x)) + "." + d.substr(static_cast<std::size_t>(x));
        }
        return text;
    }
    text += d.substr(0, 1);
    if (d.size() > 1) text += "." + d.substr(1);
    text += "E" + std::to_string(x - 1);
    return text;
}

bool IsZero(double value) { return value == 0.0; }

std::string NonFinite(double value)
{
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string Exponent3(double value, std::size_t minimumExponentDigits)
{
    if (!std::isfinite(value)) return NonFinite(value);
    TDecimalDigits number;
    if (IsZero(value)) {
        number.Digits = "000"; // no "-0.00E+00"
        number.Exponent = 1;
    } else {
        number = RoundedDigits(value, 3);
    }
    const int exponent = number.Exponent - 1;
    std::string exponentDigits = std::to_string(exponent < 0 ? -exponent : exponent);
    while (exponentDigits.size() < minimumExponentDigits) exponentDigits.insert(exponentDigits.begin(), '0');
    return std::string(number.Negative ? "-" : "") + number.Digits.substr(0, 1) + "." + number.Digits.substr(1) + "E" +
           (exponent < 0 ? "-" : "+") + exponentDigits;
}

} // namespace

std::string FormatGeneral(double value, int digits)
{
    if (!std::isfinite(value)) return NonFinite(value);
    if (IsZero(value)) return "0";
    TDecimalDigits number = RoundedDigits(value, digits);
    number.Digits = TrimmedDigits(number.Digits);
    return Layout(number, digits);
}

std::string FormatGeneral10(double value) { return FormatGeneral(value, 10); }

std::string FormatGeneral8(double value) { return FormatGeneral(value, 8); }

std::string FormatGeneralExact(double value)
{
    if (!std::isfinite(value)) return NonFinite(value);
    if (IsZero(value)) return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return Layout(SplitScientific(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))), 18);
}

std::string FormatExponent3(double value) { return Exponent3(value, 2); }

std::string FormatExponent3Short(double value) { return Exponent3(value, 1); }
