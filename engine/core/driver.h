// The computation that follows the input checks: the input echo, then the driver that runs
// every selected method over the depth rows and writes the report tables and plot blocks,
// then the load-transfer curves and the load-settlement solution.
#pragma once

#include "core/run_state.h"

namespace corvex {

// Writes the echo of the project input to the report (after the input checks passed).
void writeInputEcho(RunState& state);

// Runs the computation for a project whose segment count has been checked; writes the
// method tables, the plot-data blocks and the settlement results.
void runComputation(RunState& state);

}  // namespace corvex
