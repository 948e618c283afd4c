// t-z curves at the user's extra depths, written after the load-settlement results so that
// the user can check the internally generated curves at depths of interest.
#pragma once

#include <ostream>

#include "core/run_state.h"

namespace corvex {

// Builds the curves of input.extraDepths[1..extraDepthCount] into st.extraCurves from the
// t-z method's skin friction in st.source and writes them to the report and as the last
// plot-data block. Nothing is written for an empty list.
void writeExtraTzCurves(const InputModel& input, const RunContext& context, SettlementState& st,
                        std::ostream& report, std::ostream& plot);

// The same on the run's own files.
void runExtraTzOutput(RunState& state);

}  // namespace corvex
