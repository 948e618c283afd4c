// The computation that follows the input checks: the input echo, then the driver that runs
// every selected method over the depth rows and writes the report tables and plot blocks,
// then the load-transfer curves and the load-settlement solution.
//
// How a capacity method is wired in: give it an entry in methodHooks()
// (engine/methods/method_hooks.cpp): a routine that fills
// state.computation.methods[code] (node friction, then the row columns through
// rowUnitFriction() and accumulateSkinFriction() of engine/methods/end_bearing_steps.h)
// and, where it has one, its unit end-bearing rule for sand (and for clay). The driver calls
// the routine, runs the common end-bearing steps with the method's code, applies the LRFD
// factor on bearing, and writes the method's table and plot block when its switch is set.
// Methods without hooks leave zeros.
//
// The driver writes the "COMPUTATION RESULT" heading and the method tables; the load
// transfer section of the report (from the note on the asterisk onwards) and plot blocks 3
// to 6 belong to the load-settlement computation, called at the end of runComputation.
#pragma once

#include "core/run_state.h"

namespace corvex {

// Writes the echo of the project input to the report (after the input checks passed).
void writeInputEcho(RunState& state);

// Runs the computation for a project whose segment count has been checked; writes the
// method tables, the plot-data blocks and the settlement results.
void runComputation(RunState& state);

}  // namespace corvex
