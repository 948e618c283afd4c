#include "settlement/curve_interpolation.h"

namespace corvex::settlement {

double interpolateCurve(const CurveColumn& xs, const CurveColumn& ys, double x) {
  for (int k = 1; k <= kCurvePointCount; ++k) {
    if (xs[k] < x) continue;
    if (k == 1) return ys[1];
    const double span = xs[k] - xs[k - 1];
    // Two points at the same abscissa: the step is taken at the later point.
    if (span <= 0.0) return ys[k];
    return ys[k - 1] + (ys[k] - ys[k - 1]) * (x - xs[k - 1]) / span;
  }
  return ys[kCurvePointCount];
}

}  // namespace corvex::settlement
