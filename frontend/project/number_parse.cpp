#include "project/number_parse.h"

#include <charconv>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when text matches [+-]? digits* ( "." digits* )? ( [eE] [+-]? digits+ )? with at least
// one digit in the mantissa.
bool IsDecimalSyntax(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++mantissaDigits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) { ++i; ++mantissaDigits; }
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) { ++i; ++exponentDigits; }
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

} // namespace

bool ParseDecimalNumber(std::string_view text, double& value)
{
    if (!IsDecimalSyntax(text)) return false;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double magnitude = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                        std::chars_format::general);
    // A value beyond the range of the type is not a usable number.
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}
