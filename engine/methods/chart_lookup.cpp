#include "methods/chart_lookup.h"

#include <cstddef>

namespace corvex {

double ChartLookup(std::span<const double> xs, std::span<const double> ys, double x) {
  const std::size_t n = xs.size() < ys.size() ? xs.size() : ys.size();
  if (n == 0) return 0.0;
  if (x <= xs[0]) return ys[0];
  for (std::size_t k = 1; k < n; ++k) {
    if (x <= xs[k]) return ys[k] - (xs[k] - x) * (ys[k] - ys[k - 1]) / (xs[k] - xs[k - 1]);
  }
  return ys[n - 1];
}

}  // namespace corvex
