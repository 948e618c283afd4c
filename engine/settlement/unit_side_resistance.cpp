#include "settlement/unit_side_resistance.h"

#include "settlement/settlement_units.h"

namespace corvex::settlement {
namespace {

// Slope of the cumulative skin friction (force per length) at the given depth.
double skinFrictionSlope(const LoadTransferSource& source, double depth) {
  const int n = source.rowCount;
  if (n < 2) return 0.0;  // a single row has no slope
  const auto& z = source.depth;
  const auto& s = source.skinFriction;

  int i = n;  // below the last row the last row is used
  for (int row = 2; row <= n; ++row) {
    if (z[row] > depth) {
      i = row;
      break;
    }
  }
  const double delta = z[i] - z[i - 1];
  if (delta < kDepthTolerance) {
    // Two rows at the same depth: take the slope of the interval above them, over that
    // interval's own length (dividing by the vanishing spacing would blow the value up).
    if (i < 3) return 0.0;
    const double above = z[i - 1] - z[i - 2];
    return above < kDepthTolerance ? 0.0 : (s[i - 1] - s[i - 2]) / above;
  }
  if (i == n) return (s[i] - s[i - 1]) / delta;
  if (s[i - 1] > 1.0e-5) return (s[i + 1] - s[i - 1]) / (2.0 * delta);
  return (s[i + 1] - s[i]) / delta;
}

}  // namespace

double ultimateUnitSideResistance(const LoadTransferSource& source, double depth, bool english,
                                  double od) {
  if (od <= 0.0) return 0.0;
  double slope = skinFrictionSlope(source, depth);
  if (english) slope = slope * 1000.0 / 12.0;  // kip/ft to lb/in
  return slope / (kPiSingle * od);
}

}  // namespace corvex::settlement
