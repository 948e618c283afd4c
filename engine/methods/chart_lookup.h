// Piecewise-linear lookup in a digitized design chart, clamped at both ends.
#pragma once

#include <span>

namespace corvex {

// Abscissae x must increase; y holds the ordinates (same count). x <= x1 gives y1, x beyond
// the last abscissa gives the last ordinate; otherwise the first abscissa xk >= x closes the
// interval and the ordinate is interpolated linearly between points k-1 and k.
double ChartLookup(std::span<const double> xs, std::span<const double> ys, double x);

}  // namespace corvex
