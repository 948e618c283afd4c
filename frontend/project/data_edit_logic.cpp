#include "project/data_edit_logic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "project/assign_error.h"
#include "project/evaluator.h"
#include "project/message_layer.h"
#include "project/number_format.h"
#include "project/units.h"

namespace {

constexpr double kInt32Min = -2147483648.0;
constexpr double kInt32Max = 2147483647.0;

std::string HexText(double value)
{
    const auto rounded = static_cast<std::int64_t>(std::llround(std::clamp(value, -9.0e18, 9.0e18)));
    const auto bits = static_cast<std::uint64_t>(rounded) & (rounded < 0 && rounded >= -2147483648LL ? 0xFFFFFFFFull : ~0ull);
    std::string digits;
    for (std::uint64_t v = bits; v != 0; v /= 16) digits.insert(digits.begin(), "0123456789ABCDEF"[v % 16]);
    while (digits.size() < 4) digits.insert(digits.begin(), '0');
    return "$" + digits;
}

} // namespace

double TDataEditLogic::Number() const { return evaluator::Evaluate(text_); }

std::string TDataEditLogic::DisplayText(double value) const
{
    return hex_ ? HexText(value) : FormatGeneralExact(value);
}

void TDataEditLogic::SetNumber(double value)
{
    if (!loading_) value = std::clamp(value, minVal_, maxVal_);
    text_ = DisplayText(value);
}

void TDataEditLogic::PullValueIntoLimits()
{
    try {
        const double value = Number();
        if (value < minVal_ || value > maxVal_) SetNumber(value);
    } catch (const EAssignError&) {
        // An unfinished entry is left for the exit check to report.
    }
}

void TDataEditLogic::SetMinVal(double value)
{
    value = std::min(value, maxVal_);
    if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
    minVal_ = value;
    PullValueIntoLimits();
}

void TDataEditLogic::SetMaxVal(double value)
{
    value = std::max(value, minVal_);
    if (integerOnly_) value = std::clamp(value, kInt32Min, kInt32Max);
    maxVal_ = value;
    PullValueIntoLimits();
}

void TDataEditLogic::SetIntegerOnly(bool on)
{
    integerOnly_ = on;
    if (on) {
        SetMinVal(minVal_);
        SetMaxVal(maxVal_);
    }
}

void TDataEditLogic::SetUnits(int system) { units_ = std::clamp(system, 1, 3); }

std::string TDataEditLogic::LabelText() const
{
    if (unitsString_.empty()) return caption_;
    return caption_ + " (" + units::FieldName(unitsString_, units_) + ")";
}

bool TDataEditLogic::ExitCheck(TMessageLayer& messages)
{
    valid_ = false;
    double value = 0.0;
    try {
        value = Number();
    } catch (const EAssignError& error) {
        messages.Information(integerOnly_ ? "Entry must be a valid integer." : error.what());
        return false;
    }
    if (integerOnly_ && value != std::trunc(value)) {
        messages.Information("Entry must be an integer.");
        return false;
    }
    if (value < minVal_) {
        text_ = DisplayText(minVal_);
        messages.Information("Entry must be greater than or equal to " + DisplayText(minVal_));
        return false;
    }
    if (value > maxVal_) {
        text_ = DisplayText(maxVal_);
        messages.Information("Entry must be less than or equal to " + DisplayText(maxVal_));
        return false;
    }
    SetNumber(value);
    valid_ = true;
    return true;
}

bool TDataEditLogic::ExtendsExpression(char key)
{
    return std::string_view("+-/*^=%!").find(key) != std::string_view::npos;
}
