// Reading the project input file (records 1 to 15) and the CPT file into the input model,
// with the conversions and defaults that follow each record. Values beyond the model's
// capacity, malformed values and truncated files end the run (RunFailure).
#pragma once

#include <istream>

#include "core/run_state.h"

namespace corvex {

// Fills the input model from the project input file, in record order; clears it first.
void readProjectInput(std::istream& in, InputModel& input);

// Fills the CPT points from the CPT file (line 1: flag and count; then depth, qc per line).
void readCptInput(std::istream& in, InputModel& input);

// Sets the six unit labels from the project's unit system (1 English, any other value SI).
void setUnitLabels(int32_t unitSystem, UnitLabels& labels);

}  // namespace corvex
