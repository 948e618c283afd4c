// Cone tip resistance at a depth from the project's CPT table.
#pragma once

#include "core/run_state.h"

namespace corvex {

// qc at depth z in the CPT file's stress unit (ksf in English units, kPa in SI): the first
// point's value at or above it, linear between the points that bracket z, the last point's
// value below the table. 0 when the table is empty.
double CptLookup(const InputModel& input, double z);

// True when the project carries CPT points.
inline bool hasCptData(const InputModel& input) { return input.cptPointCount > 0; }

}  // namespace corvex
