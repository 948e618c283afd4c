#pragma once
// The small option windows' rules without their widgets: the control options, the project
// title and the extra t-z depths switch.
#include <string>

class TProgramData;

// The increment as the control-options window shows it: a length that is practically zero is
// shown as 1.
double ShownIncrement(double increment);
// The print interval as stored: the field's value rounded to the nearest whole number.
int StoredPrintEvery(double fieldValue);

// Stores the title window's fields; the title only when it differs (then true: the project
// changed).
bool StoreTitle(TProgramData& project, const std::string& title, const std::string& designer,
                const std::string& jobNumber);
// A title as the one-line field takes it: line breaks removed, at most 80 characters.
std::string TitleLine(const std::string& text);
