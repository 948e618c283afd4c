#include "results/curve_flags.h"

namespace corvex {

std::string FlagOf(bool active) { return active ? kActiveFlag : kInactiveFlag; }

bool IsActiveFlag(const std::string& flag) { return flag == kActiveFlag; }

std::string ToggledFlag(const std::string& flag) { return FlagOf(!IsActiveFlag(flag)); }

std::string ActiveLineItem(const std::string& flag, const std::string& name) {
  return flag + "   " + name;
}

void ToggleSelected(std::vector<std::string>& flags, const std::vector<int>& selected) {
  for (const int i : selected)
    if (i >= 0 && i < static_cast<int>(flags.size()))
      flags[static_cast<std::size_t>(i)] = ToggledFlag(flags[static_cast<std::size_t>(i)]);
}

void SetAllFlags(std::vector<std::string>& flags, bool active) {
  for (std::string& flag : flags) flag = FlagOf(active);
}

}  // namespace corvex
