// Axial stiffness of the pile along its length: pairs (depth from the pile head, A x E),
// interpolated linearly in depth.
#pragma once

#include "core/run_state.h"

namespace corvex::settlement {

// Section data in the working units (in or m; E in lb/in2 or kN/m2).
struct StiffnessPile {
  bool english = true;
  double od = 0.0;
  double id = 0.0;
  double length = 0.0;  // stick-up plus embedded length, working length unit
};

// Fills st.stiffness from the area mode of the input: two points (head and tip) with the
// section's area, or the constant section area, or one point per area row.
void buildStiffnessTable(SettlementState& st, const InputModel& input, const StiffnessPile& pile);

// A x E at a depth from the pile head; beyond the first or last point that point's value.
double axialStiffnessAt(const SettlementState& st, double depth);

// True when every point of the table has a positive A x E (and the table is not empty).
bool stiffnessIsPositive(const SettlementState& st);

}  // namespace corvex::settlement
