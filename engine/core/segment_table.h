// The segment table (computation increments of constant length DZ from the ground surface,
// soil values interpolated at each increment's mid-depth) and the depth rows at which the
// capacities are reported.
#pragma once

#include "core/run_state.h"

namespace corvex {

// Fills state.computation.increments[1..N] from the profile points; N is the integer part
// of (deepest profile depth / DZ + 1e-6), at most 500.
void buildSegmentTable(RunState& state);

// Fills the depth rows (NDEPTH rows at (i-1)*DZ for the embedded length held in
// input.totalLength) and the printed rows: every print-interval-th row from row 1, and the
// last row when the stepping does not land on it.
void buildDepthRows(RunState& state);

// The increment whose values belong to depth row i (increment i; the last increment for a
// tip row that lies one step past the segment table).
int incrementOfRow(const ComputationState& computation, int row);

}  // namespace corvex
