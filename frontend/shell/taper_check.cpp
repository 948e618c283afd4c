#include "shell/taper_check.h"

#include <cmath>
#include <charconv>

namespace corvex {

namespace {
// Degrees to radians as the check has always used it (not pi/180).
constexpr double kDegreesToRadians = 0.01745;

bool IsTaperedPileType(int pileType) {
  // timber, Raymond step-taper, Raymond uniform taper, tapered portion of a monotube
  return pileType == 2 || pileType == 4 || pileType == 5 || pileType == 7;
}
}  // namespace

std::optional<double> LargestTaperAngleIfTooLarge(const TaperInput& in) {
  if (!in.fhwaSelected || !IsTaperedPileType(in.pileType) || !(in.taperAngle > 0)) return std::nullopt;
  const double length = in.totalLength * (in.units == 1 ? 12.0 : 1000.0);  // in or mm
  const double tipDiameter = in.outerDiameter - std::tan(in.taperAngle * kDegreesToRadians) * 2 * length;
  if (!(tipDiameter < 0)) return std::nullopt;
  return std::atan((in.outerDiameter / 2) / length) / kDegreesToRadians;
}

std::string TaperWarningText(double largestAngle) {
  // Three decimals, "." as the decimal mark whatever the locale.
  char angle[64];
  auto written = std::to_chars(angle, angle + sizeof angle, largestAngle, std::chars_format::fixed, 3);
  *written.ptr = '\0';
  return std::string("Taper angle is large since it generates a negative diameter at tip of pile.\r"
                     "Taper angle should be smaller than ") +
         angle + " degrees.\rPlease check input data ";
}

}  // namespace corvex
