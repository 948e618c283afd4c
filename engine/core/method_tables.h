// The report's results part: the "COMPUTATION RESULT" heading and one table of pile
// penetration, total skin friction, end bearing (or self weight) and ultimate capacity per
// method, at the printed depth rows.
#pragma once

#include "core/run_state.h"

namespace corvex {

void writeResultHeading(RunState& state);

// The table of the method with the given internal code.
void writeMethodTable(RunState& state, int methodCode);

}  // namespace corvex
