#include "project/evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

#include "project/assign_error.h"
#include "project/number_format.h"
#include "project/number_parse.h"

namespace evaluator {
namespace {

[[noreturn]] void Fail(const char* reason) { throw EAssignError(std::string(kErrorPrefix) + reason); }

double Checked(double value)
{
    if (!std::isfinite(value)) Fail(kNotFinite);
    return value;
}

// Function names, longer names before the shorter names they start with.
constexpr std::array<std::string_view, 25> kFunctions{
    "arctanh", "arctan", "arccosh", "arccos", "arcsinh", "arcsin", "cotan", "tanh", "tan",
    "cosec",   "cosh",   "cos",     "sec",    "sinh",    "sin",    "csc",   "abs",  "frac",
    "int",     "ln",     "round",   "ceil",   "floor",   "log",    "sqrt"};

bool IsFunctionName(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return std::find(kFunctions.begin(), kFunctions.end(), lower) != kFunctions.end();
}

double ApplyFunction(std::string_view name, double x)
{
    if (name == "arctanh") return std::atanh(x);
    if (name == "arctan") return std::atan(x);
    if (name == "arccosh") return std::acosh(x);
    if (name == "arccos") return std::acos(x);
    if (name == "arcsinh") return std::asinh(x);
    if (name == "arcsin") return std::asin(x);
    if (name == "cotan") return 1.0 / std::tan(x);
    if (name == "tanh") return std::tanh(x);
    if (name == "tan") return std::tan(x);
    if (name == "cosec" || name == "csc") {
        if (std::sin(x) == 0.0) Fail(kDivisionByZero);
        return 1.0 / std::sin(x);
    }
    if (name == "cosh") return std::cosh(x);
    if (name == "cos") return std::cos(x);
    if (name == "sec") return 1.0 / std::cos(x);
    if (name == "sinh") return std::sinh(x);
    if (name == "sin") return std::sin(x);
    if (name == "abs") return std::fabs(x);
    if (name == "frac") return x - std::trunc(x);
    if (name == "int") return std::trunc(x);
    if (name == "round") return std::nearbyint(x); // halves to the even neighbour
    if (name == "ceil") return std::ceil(x);
    if (name == "floor") return std::floor(x);
    if (name == "ln" || name == "log") {
        if (x <= 0.0) Fail(kLogarithm);
        return name == "ln" ? std::log(x) : std::log10(x);
    }
    return std::sqrt(x); // "sqrt"
}

double Factorial(double n)
{
    double result = 1.0;
    for (double k = 2.0; k <= std::fabs(n); k += 1.0) {
        result *= k;
        if (!std::isfinite(result)) Fail(kNotFinite);
    }
    return n < 0 ? -result : result;
}

double EvaluateHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 16) Fail(kInvalidHex);
    unsigned long long value = 0;
    for (char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else Fail(kInvalidHex);
        value = value * 16 + static_cast<unsigned long long>(digit);
    }
    return static_cast<double>(value);
}

// One operand: no binary operators left in it.
double EvaluateOperand(std::string operand)
{
    for (std::size_t pos; (pos = operand.find("--")) != std::string::npos;) operand.erase(pos, 2);
    std::transform(operand.begin(), operand.end(), operand.begin(), [](unsigned char c) { return std::tolower(c); });

    if (operand == "pi") return std::numbers::pi;
    if (operand == "-pi") return -std::numbers::pi;
    if (operand == "e") return std::numbers::e;
    if (operand == "-e") return -std::numbers::e;

    // A leading minus before a function name negates the function's value.
    const bool negated = operand.size() > 1 && operand[0] == '-' && std::isalpha(static_cast<unsigned char>(operand[1]));
    const std::string_view body = negated ? std::string_view(operand).substr(1) : std::string_view(operand);
    for (std::string_view name : kFunctions) {
        if (body.size() > name.size() && body.substr(0, name.size()) == name) {
            const double value = Checked(ApplyFunction(name, EvaluateOperand(std::string(body.substr(name.size())))));
            return negated ? -value : value;
        }
    }

    if (!operand.empty() && operand.back() == '!') {
        const double n = EvaluateOperand(operand.substr(0, operand.size() - 1));
        if (n != std::trunc(n)) Fail(kFactorial);
        return Factorial(n);
    }

    if (!operand.empty() && operand.front() == '$') return EvaluateHex(std::string_view(operand).substr(1));

    double value = 0.0;
    if (!ParseDecimalNumber(operand, value)) Fail(kInvalidCharacters);
    return value;
}

bool IsOperator(char c)
{
    return c == '^' || c == '*' || c == '/' || c == '%' || c == '+' || c == '-' || c == '=' || c == '|' || c == '&';
}

// A "-" is a sign (part of its operand) when it starts the text, when the operand text before
// it is exactly a function name, or when it follows an operator, another minus or the letter
// of a number's exponent ("1e-3").
bool IsUnaryMinus(const std::string& text, std::size_t pos, std::size_t operandStart)
{
    if (pos == 0) return true;
    if (pos > operandStart && IsFunctionName(std::string_view(text).substr(operandStart, pos - operandStart)))
        return true;
    const char before = text[pos - 1];
    if (before == '%' || before == '&' || before == '*' || before == '+' || before == '/' || before == '=' ||
        before == '^' || before == '|' || before == '-')
        return true;
    if (before == 'E' || before == 'e') {
        // Only the exponent letter of a number: "e-1" is Euler's number minus one.
        return pos >= 2 && (std::isdigit(static_cast<unsigned char>(text[pos - 2])) || text[pos - 2] == '.');
    }
    return false;
}

// A "+" right after the exponent letter of a number ("1e+5") belongs to the number.
bool IsExponentSign(const std::string& text, std::size_t pos)
{
    return pos >= 2 && (text[pos - 1] == 'e' || text[pos - 1] == 'E') &&
           (std::isdigit(static_cast<unsigned char>(text[pos - 2])) || text[pos - 2] == '.');
}

struct TOperand {
    std::string Text;
    std::optional<double> Value;

    double Get()
    {
        if (!Value) Value = EvaluateOperand(Text);
        return *Value;
    }
};

double Combine(char op, double a, double b)
{
    switch (op) {
    case '^': return Checked(std::pow(a, b));
    case '*': return Checked(a * b);
    case '/':
        if (b == 0.0) Fail(kDivisionByZero);
        return Checked(a / b);
    case '%': {
        const double divisor = std::trunc(b);
        if (divisor == 0.0) Fail(kDivisionByZero);
        return std::fmod(std::trunc(a), divisor);
    }
    case '&': return (a != 0.0 && b != 0.0) ? 1.0 : 0.0;
    case '+': return Checked(a + b);
    case '-': return Checked(a - b);
    case '|': return (a != 0.0 || b != 0.0) ? 1.0 : 0.0;
    default: return a == b ? 1.0 : 0.0; // '='
    }
}

double EvaluateFlat(const std::string& text)
{
    std::vector<TOperand> operands;
    std::vector<char> operators;
    std::size_t operandStart = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (!IsOperator(c)) continue;
        if (c == '-' && IsUnaryMinus(text, pos, operandStart)) continue;
        if (c == '+' && IsExponentSign(text, pos)) continue;
        operands.push_back({text.substr(operandStart, pos - operandStart), std::nullopt});
        operators.push_back(c);
        operandStart = pos + 1;
    }
    if (operandStart < text.size()) operands.push_back({text.substr(operandStart), std::nullopt});
    if (operands.size() != operators.size() + 1) Fail(kInvalidExpression);

    const std::array<std::string_view, 4> passes{"^", "*/%&", "+-|", "="};
    for (std::string_view pass : passes) {
        for (std::size_t i = 0; i < operators.size();) {
            if (pass.find(operators[i]) == std::string_view::npos) {
                ++i;
                continue;
            }
            const double result = Combine(operators[i], operands[i].Get(), operands[i + 1].Get());
            operands[i] = {FormatGeneralExact(result), result};
            operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            operators.erase(operators.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return Checked(operands.front().Get());
}

double EvaluateStripped(std::string text)
{
    if (text.empty()) Fail(kBlank);
    for (std::size_t close; (close = text.find(')')) != std::string::npos;) {
        const std::size_t open = text.rfind('(', close);
        if (open == std::string::npos) Fail(kParentheses);
        const double inner = EvaluateStripped(text.substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, FormatGeneralExact(inner));
    }
    if (text.find('(') != std::string::npos) Fail(kParentheses);
    return EvaluateFlat(text);
}

} // namespace

double Evaluate(const std::string& text)
{
    if (text.empty()) Fail(kBlank);
    std::string stripped;
    for (char c : text)
        if (c != ' ' && c != '\t') stripped += c;
    return EvaluateStripped(stripped);
}

} // namespace evaluator
