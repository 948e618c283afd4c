// The check run before an analysis that a tapered pile keeps a positive diameter at its tip.
#pragma once

#include <optional>
#include <string>

namespace corvex {

struct TaperInput {
  int units = 1;             // 1 English (ft, in), 2 SI (m, mm)
  bool fhwaSelected = false; // Methods entry 1
  int pileType = 1;
  double taperAngle = 0;     // degrees
  double outerDiameter = 0;  // in or mm
  double totalLength = 0;    // ft or m
};

// The largest taper angle (degrees) that keeps the tip diameter non-negative, when the
// given angle makes it negative; nothing when the check does not apply or passes.
std::optional<double> LargestTaperAngleIfTooLarge(const TaperInput& in);

// The warning shown for a taper angle that is too large.
std::string TaperWarningText(double largestAngle);

}  // namespace corvex
