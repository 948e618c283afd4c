// Linear interpolation on a 10-point curve (t-z or q-w).
#pragma once

#include <array>

#include "settlement/settlement_state.h"

namespace corvex::settlement {

using CurveColumn = std::array<double, kCurvePointCount + 1>;  // [1..10]

// Value of the curve at abscissa x: the first point whose abscissa is not below x and the
// point before it are joined by a straight line. Beyond the last point the last value
// holds; at or before the first point the first value holds.
double interpolateCurve(const CurveColumn& xs, const CurveColumn& ys, double x);

}  // namespace corvex::settlement
