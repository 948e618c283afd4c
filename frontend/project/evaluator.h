#pragma once
// The expression evaluator behind every number the user types: plain numbers, arithmetic with
// ^ * / % & + - | =, parentheses, the constants pi and e, functions (sqrt, ln, sin, ...),
// factorial "!" and hexadecimal "$". Failures raise EAssignError with a text that starts with
// "Entry could not be evaluated:" and a carriage return.
#include <string>

namespace evaluator {

inline constexpr const char* kErrorPrefix = "Entry could not be evaluated:\r";
inline constexpr const char* kBlank = "entry cannot be blank";
inline constexpr const char* kParentheses = "() (parentheses) do not match";
inline constexpr const char* kInvalidExpression = "invalid expression";
inline constexpr const char* kInvalidCharacters = "invalid character(s) in expression";
inline constexpr const char* kInvalidHex = "invalid use of $ (hex function)";
inline constexpr const char* kFactorial = "! (factoral) applicable to integers only";
// Arithmetic failures are reported like the other errors instead of giving a value.
inline constexpr const char* kDivisionByZero = "division by zero";
inline constexpr const char* kLogarithm = "logarithm of a non-positive number";
inline constexpr const char* kNotFinite = "the result is not a finite number";

double Evaluate(const std::string& text);

} // namespace evaluator
