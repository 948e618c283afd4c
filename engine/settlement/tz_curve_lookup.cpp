#include "settlement/tz_curve_lookup.h"

#include "settlement/curve_interpolation.h"

namespace corvex::settlement {

double unitLoadTransferAt(const SettlementState& st, double depth, double z) {
  const int n = st.curveCount;
  if (n < 1) return 0.0;
  int next = 0;
  for (int k = 1; k <= n; ++k) {
    if (st.curves[k].depth > depth) {
      next = k;
      break;
    }
  }
  if (next == 0) return interpolateCurve(st.curves[n].z, st.curves[n].t, z);
  const TzCurve& deeper = st.curves[next];
  const double tNext = interpolateCurve(deeper.z, deeper.t, z);
  if (next == 1) return tNext;
  const TzCurve& shallower = st.curves[next - 1];
  const double tPrev = interpolateCurve(shallower.z, shallower.t, z);
  const double span = deeper.depth - shallower.depth;
  if (span <= 0.0) return tNext;
  return tPrev + (tNext - tPrev) * (depth - shallower.depth) / span;
}

}  // namespace corvex::settlement
