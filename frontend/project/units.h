#pragma once
// Units of measure: unit codes such as "L2" or "F/L2^2" built from force and length symbols,
// their names in each unit system and the factor by which stored values change when the
// system changes. Systems: 1 English, 2 SI, 3 generic (dimension letters).
#include <string>

namespace units {

inline constexpr int kEnglish = 1;
inline constexpr int kSI = 2;
inline constexpr int kGeneric = 3;

// Factor by which a value of the given code is multiplied when the project goes from
// oldSystem to newSystem (1 for equal systems and for any pair involving the generic one).
double Factor(int oldSystem, int newSystem, const std::string& code);

// The code with every symbol replaced by its name in the system (grid headings, graph axes).
std::string HeadingName(const std::string& code, int system);

// The code with its first matching force and length symbols replaced by their names in the
// system (labels of numeric fields); the code itself for the generic system.
std::string FieldName(const std::string& code, int system);

} // namespace units
