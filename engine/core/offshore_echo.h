// The parts of the input echo that only the cone-based offshore methods need: the drainage
// line under the ICP/MTD method line, and the table of plasticity index, yield stress ratio
// and cone resistance of every profile point.
#pragma once

#include <ostream>

#include "core/run_state.h"

namespace corvex {

// [10X, "  # Use Drained Condition for Clay"] or the undrained line, by the drained-clay
// switch; written after the ICP/MTD method line.
void writeClayDrainageLine(std::ostream& out, const InputModel& input);

// The plasticity index, yield stress ratio and cone resistance table of the profile points,
// written only when the offshore switch is 1 (after the LRFD factor table).
void writeOffshoreSoilTable(RunState& state);

}  // namespace corvex
