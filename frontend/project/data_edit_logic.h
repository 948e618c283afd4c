#pragma once
// The logic of the numeric entry field of every editor window, without the widget: limits,
// integer-only entry, hexadecimal display, the check made when the field is left, and the
// text of its label. The field widget wraps one of these and shows Text().
#include <limits>
#include <string>

class TMessageLayer;

class TDataEditLogic {
public:
    // Text of the field; typing changes it freely, the exit check replaces it by its value.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }

    // Evaluates the text (EAssignError when it is not a valid expression).
    double Number() const;
    // Clamps the value into the limits (unless the field is being loaded from its stored
    // settings) and shows it.
    void SetNumber(double value);

    bool IntegerOnly() const { return integerOnly_; }
    void SetIntegerOnly(bool on);
    bool Hex() const { return hex_; }
    void SetHex(bool on) { hex_ = on; }
    double MinVal() const { return minVal_; }
    void SetMinVal(double value);
    double MaxVal() const { return maxVal_; }
    void SetMaxVal(double value);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    const std::string& UnitsString() const { return unitsString_; }
    void SetUnitsString(const std::string& code) { unitsString_ = code; }
    int Units() const { return units_; }
    void SetUnits(int system);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // While true, SetNumber does not clamp (the field is being built from stored settings).
    void SetLoading(bool loading) { loading_ = loading; }

    // The label: the caption, followed by the unit name in brackets when a unit code is set.
    std::string LabelText() const;
    bool LabelEnabled() const { return enabled_; }

    // The text that SetNumber shows for a value.
    std::string DisplayText(double value) const;

    // Run when the field loses the focus or the window asks whether the field is valid:
    // returns true and shows the value when the entry is acceptable; otherwise shows the
    // reason in an information box, applies a limit where one was broken, and returns false
    // (the widget then takes the focus back).
    bool ExitCheck(TMessageLayer& messages);
    bool Valid() const { return valid_; }

    // True for the operator keys that, typed while the whole text is selected, move the caret
    // to the end first so that they extend the expression instead of replacing it.
    static bool ExtendsExpression(char key);

private:
    void PullValueIntoLimits();

    std::string text_ = "0";
    bool integerOnly_ = false;
    bool hex_ = false;
    double minVal_ = -std::numeric_limits<double>::max();
    double maxVal_ = std::numeric_limits<double>::max();
    std::string caption_;
    std::string unitsString_;
    int units_ = 1;
    bool enabled_ = true;
    bool loading_ = false;
    bool valid_ = false;
};
