#include "settlement/load_settlement.h"

#include <cmath>

#include "settlement/axial_stiffness.h"
#include "settlement/curve_interpolation.h"
#include "settlement/settlement_units.h"
#include "settlement/tz_curve_lookup.h"

namespace corvex::settlement {
namespace {

// One element: its bottom load and movement are known; iterate on its average movement.
ElementResult solveElement(const SettlementState& st, double od, double midDepth,
                           double bottomLoad, double bottomMovement) {
  const double h = st.elementLength;
  const double ae = axialStiffnessAt(st, midDepth);
  ElementResult r;
  r.midDepth = midDepth;
  r.converged = false;
  double z = bottomMovement;
  for (int round = 1; round <= kMaxIterationRounds; ++round) {
    const double t = unitLoadTransferAt(st, midDepth, z);
    r.loadTransfer = t;
    r.loadIncrement = t * od * kPiSingle * h;
    r.topLoad = bottomLoad + r.loadIncrement;
    r.averageLoad = bottomLoad + 0.5 * r.loadIncrement;
    r.compression = h * r.averageLoad / ae;
    r.topMovement = bottomMovement + r.compression;
    r.averageMovement = z;
    // Movement at mid-element: the bottom movement plus the shortening of the lower half
    // under the mean load of that half.
    const double next =
        bottomMovement + ((r.topLoad + bottomLoad) * 0.5 + bottomLoad) * 0.5 * (h * 0.5) / ae;
    if (std::abs(next - z) <= kMovementTolerance) {
      r.converged = true;
      break;
    }
    if (!std::isfinite(next)) break;
    z = next;
  }
  return r;
}

}  // namespace

TipMovementResult solveForTipMovement(SettlementState& st, double od, double wt) {
  TipMovementResult result;
  result.tipMovement = wt;
  result.tipLoad = interpolateCurve(st.qw.w, st.qw.q, wt);

  double load = result.tipLoad;
  double movement = wt;
  const int count = st.source.elementCount;
  for (int b = 1; b <= count; ++b) {
    const double midDepth = st.pileLength - (b - 0.5) * st.elementLength;
    ElementResult& e = st.elements[b];
    e = solveElement(st, od, midDepth, load, movement);
    if (!e.converged) {
      if (result.unconvergedElements == 0) result.firstUnconvergedElement = b;
      ++result.unconvergedElements;
    }
    load = e.topLoad;
    movement = e.topMovement;
  }
  result.headLoad = load;
  result.headMovement = movement;
  return result;
}

}  // namespace corvex::settlement
