// One complete analysis run: the handoff file, the opening block of the report, the input
// files, the checks, the input echo, the segment count and the computation. Returns the run
// status: 0 completed, 1 stopped at the input checks, 2 any other failure (the report, when
// open, then ends with a one-line reason). Every file the run opens is closed on return.
#pragma once

#include <cstdint>

#include "core/console.h"
#include "core/run_state.h"

namespace corvex {

int32_t runAnalysis(RunState& state, Console& console);

}  // namespace corvex
