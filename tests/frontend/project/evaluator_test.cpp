#include "project/evaluator.h"

#include <gtest/gtest.h>

#include "project/assign_error.h"

namespace {

struct TValueCase {
    const char* Text;
    double Expected;
};

TEST(Evaluator, ValuesOfExpressions)
{
    const TValueCase cases[] = {
        {"2*3+4", 10},
        {"2+3*4", 14},
        {"2^3^2", 64},
        {"(1+2)*3", 9},
        {"-5+2", -3},
        {"3*-2", -6},
        {"1e-3*2", 0.002},
        {"sqrt(16)+ln(e)", 5},
        {"round(2.5)", 2},
        {"round(3.5)", 4},
        {"7%3", 1},
        {"-7%3", -1},
        {"7.9%3.2", 1},
        {"2=2", 1},
        {"2=3", 0},
        {"0&5", 0},
        {"0|5", 1},
        {"1+1=2", 1},
        {"5!", 120},
        {"0!", 1},
        {"-3!", -6},
        {"$FF", 255},
        {"$ff+1", 256},
        {" 2 *\t12.5 ", 25},
        {"2--3", 5},
        {"--4", 4},
        {"10-2-3", 5},
        {"12/4/3", 1},
        {"int(-2.7)", -2},
        {"frac(2.75)", 0.75},
        {"floor(-2.5)+ceil(2.1)", 0},
        {"abs(-3)", 3},
        {"log(1000)", 3},
        {"2*(3+(4-1))", 12},
        {"e-1", 1.718281828459045},
        {"-pi+pi", 0},
        {"cosec(pi/2)", 1},
        {"-sqrt(4)", -2},
        {"sin(-pi/2)", -1},
        {"2^-1", 0.5},
        {"1e+2+1", 101},
        {"1.5E+1*2", 30},
    };
    for (const auto& c : cases) EXPECT_NEAR(evaluator::Evaluate(c.Text), c.Expected, 1e-12) << c.Text;
    EXPECT_NEAR(evaluator::Evaluate("pi*0.6^2/4"), 3.14159265358979 * 0.36 / 4, 1e-12);
    EXPECT_NEAR(evaluator::Evaluate("tanh(1)"), 0.7615941559557649, 1e-15);
    EXPECT_NEAR(evaluator::Evaluate("arctanh(0.5)"), 0.5493061443340549, 1e-15);
}

struct TErrorCase {
    const char* Text;
    const char* Reason;
};

TEST(Evaluator, ErrorTexts)
{
    const TErrorCase cases[] = {
        {"", "entry cannot be blank"},
        {")(", "() (parentheses) do not match"},
        {"(2+3", "() (parentheses) do not match"},
        {"2+", "invalid expression"},
        {"2++3", "invalid character(s) in expression"},
        {"abc", "invalid character(s) in expression"},
        {"1,5", "invalid character(s) in expression"},
        {"$G1", "invalid use of $ (hex function)"},
        {"$", "invalid use of $ (hex function)"},
        {"2.5!", "! (factoral) applicable to integers only"},
        {"1/0", "division by zero"},
        {"5%0.5", "division by zero"},
        {"ln(0)", "logarithm of a non-positive number"},
        {"log(-1)", "logarithm of a non-positive number"},
        {"sqrt(-1)", "the result is not a finite number"},
        {"10^400", "the result is not a finite number"},
        {"200!", "the result is not a finite number"},
    };
    for (const auto& c : cases) {
        try {
            evaluator::Evaluate(c.Text);
            ADD_FAILURE() << c.Text << " gave a value";
        } catch (const EAssignError& error) {
            EXPECT_EQ(error.what(), std::string("Entry could not be evaluated:\r") + c.Reason) << c.Text;
        }
    }
}

} // namespace
