#include "settlement/axial_stiffness.h"

#include <algorithm>

#include "settlement/settlement_units.h"

namespace corvex::settlement {

void buildStiffnessTable(SettlementState& st, const InputModel& input, const StiffnessPile& pile) {
  const double e = input.elasticModulus;
  if (input.areaMode == 2) {
    const int rows = std::min(input.areaRowCount, kMaxAreaRows);
    st.stiffnessCount = 0;
    for (int r = 1; r <= rows; ++r) {
      StiffnessPoint& p = st.stiffness[++st.stiffnessCount];
      const AreaRow& row = input.areaRows[r];
      p.depth = pile.english ? row.distanceFromHead * 12.0 : row.distanceFromHead;
      p.ae = row.area * e;
    }
    return;
  }

  double area = kPiSingle / 4.0 * (pile.od * pile.od - pile.id * pile.id);
  if (input.tipArea > 1.0e-5) {
    // The noncircular tip area is held in ft2 in English runs; back to in2.
    area = pile.english ? input.tipArea * 144.0 : input.tipArea;
  }
  if (input.areaMode == 1) area = input.constantSectionArea;

  st.stiffnessCount = 2;
  st.stiffness[1] = StiffnessPoint{0.0, area * e};
  st.stiffness[2] = StiffnessPoint{pile.length, area * e};
}

double axialStiffnessAt(const SettlementState& st, double depth) {
  const int n = st.stiffnessCount;
  if (n < 1) return 0.0;
  if (depth <= st.stiffness[1].depth) return st.stiffness[1].ae;
  for (int k = 2; k <= n; ++k) {
    const StiffnessPoint& a = st.stiffness[k - 1];
    const StiffnessPoint& b = st.stiffness[k];
    if (depth > b.depth) continue;
    const double span = b.depth - a.depth;
    if (span <= 0.0) return b.ae;
    return a.ae + (b.ae - a.ae) * (depth - a.depth) / span;
  }
  return st.stiffness[n].ae;
}

bool stiffnessIsPositive(const SettlementState& st) {
  if (st.stiffnessCount < 1) return false;
  for (int k = 1; k <= st.stiffnessCount; ++k) {
    if (!(st.stiffness[k].ae > 0.0)) return false;
  }
  return true;
}

}  // namespace corvex::settlement
