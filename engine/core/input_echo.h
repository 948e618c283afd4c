// The echo of the project input in the report: headings, methods, loading, pile type,
// axial stiffness data, pile properties and the soil profile tables.
#pragma once

#include "core/run_state.h"

namespace corvex {

void writeProjectEcho(RunState& state);

}  // namespace corvex
