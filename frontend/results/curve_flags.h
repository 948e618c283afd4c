#pragma once
// The flags list of the Active Curves dialog: one entry per curve telling whether it is
// active, and the text of the dialog's list items built from it.

#include <string>
#include <vector>

namespace corvex {

inline const std::string kActiveFlag = " yes : ";
inline const std::string kInactiveFlag = " no  : ";

std::string FlagOf(bool active);
bool IsActiveFlag(const std::string& flag);
std::string ToggledFlag(const std::string& flag);
// The list item of a curve: its flag, three blanks, its name.
std::string ActiveLineItem(const std::string& flag, const std::string& name);

// Toggles the flags of the selected items (one selected item or several: each is toggled).
void ToggleSelected(std::vector<std::string>& flags, const std::vector<int>& selected);
void SetAllFlags(std::vector<std::string>& flags, bool active);

}  // namespace corvex
