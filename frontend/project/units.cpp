#include "project/units.h"

#include <array>
#include <cmath>
#include <string_view>

namespace units {
namespace {

struct TUnitSymbol {
    std::string_view Symbol;
    std::string_view English;
    std::string_view SI;
    std::string_view Generic;
    double SIToEnglish;
};

constexpr std::array<TUnitSymbol, 10> kSymbols{{
    {"F", "lbs", "kN", "F", 224.8089237},
    {"F1", "kips", "kN", "F", 0.2248089237},
    {"F2", "tons", "kN", "F", 0.1124044745},
    {"F4", "lb-sec2/in", "Mg", "M", 5.7101483},
    {"F5", "sec", "sec", "T", 1.0},
    {"F6", "slug", "Mg", "F", 68.364249},
    {"L", "in", "m", "L", 39.37007874},
    {"L1", "in", "mm", "L", 0.03937007874},
    {"L2", "ft", "m", "L", 3.280839895},
    {"L3", "rad", "rad", "L", 1.0},
}};

const TUnitSymbol& SymbolNamed(std::string_view symbol)
{
    for (const auto& entry : kSymbols)
        if (entry.Symbol == symbol) return entry;
    return kSymbols[0];
}

std::string_view NameIn(const TUnitSymbol& symbol, int system)
{
    switch (system) {
    case kEnglish: return symbol.English;
    case kSI: return symbol.SI;
    default: return symbol.Generic;
    }
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view by)
{
    std::size_t pos = 0;
    while ((pos = text.find(what, pos)) != std::string::npos) {
        text.replace(pos, what.size(), by);
        pos += by.size();
    }
}

// Reads an optional "^" and one digit at pos; the power is 1 without it.
int ReadPower(std::string_view side, std::size_t& pos)
{
    if (pos + 1 < side.size() && side[pos] == '^' && side[pos + 1] >= '0' && side[pos + 1] <= '9') {
        const int power = side[pos + 1] - '0';
        pos += 2;
        return power;
    }
    return 1;
}

// Reads one term starting with the letter at pos: the letter followed by one of the allowed
// digits names that symbol ("0" and any other character mean the bare letter).
double ReadTerm(std::string_view side, std::size_t& pos, char letter, std::string_view digits)
{
    if (pos >= side.size() || side[pos] != letter) return 1.0;
    ++pos;
    std::string symbol(1, letter);
    if (pos < side.size() && digits.find(side[pos]) != std::string_view::npos) {
        if (side[pos] != '0') symbol += side[pos];
        ++pos;
    }
    const int power = ReadPower(side, pos);
    return std::pow(SymbolNamed(symbol).SIToEnglish, power);
}

double SideFactor(std::string_view side)
{
    std::size_t pos = 0;
    const double force = ReadTerm(side, pos, 'F', "012456");
    const double length = ReadTerm(side, pos, 'L', "0123");
    return force * length;
}

} // namespace

double Factor(int oldSystem, int newSystem, const std::string& code)
{
    int exponent = 0;
    if (oldSystem == kSI && newSystem == kEnglish) exponent = 1;
    if (oldSystem == kEnglish && newSystem == kSI) exponent = -1;
    if (exponent == 0) return 1.0;
    const std::string_view text(code);
    const std::size_t slash = text.find('/');
    const double numerator = SideFactor(text.substr(0, slash));
    const double denominator = slash == std::string_view::npos ? 1.0 : SideFactor(text.substr(slash + 1));
    const double factor = numerator / denominator;
    return exponent > 0 ? factor : 1.0 / factor;
}

std::string HeadingName(const std::string& code, int system)
{
    std::string text = code;
    for (std::string_view symbol : {"F2", "F1", "F4", "F5", "F6", "F", "L3", "L2", "L1", "L"})
        ReplaceAll(text, symbol, NameIn(SymbolNamed(symbol), system));
    return text;
}

std::string FieldName(const std::string& code, int system)
{
    if (system != kEnglish && system != kSI) return code;
    std::string text = code;
    for (std::string_view symbol : {"F6", "F5", "F4", "F2", "F1", "F"}) {
        if (text.find(symbol) != std::string::npos) {
            ReplaceAll(text, symbol, NameIn(SymbolNamed(symbol), system));
            break;
        }
    }
    for (std::string_view symbol : {"L2", "L1", "L3", "L"}) {
        if (text.find(symbol) != std::string::npos) {
            ReplaceAll(text, symbol, NameIn(SymbolNamed(symbol), system));
            break;
        }
    }
    return text;
}

} // namespace units
