// The plot-data file's header line and its method blocks (one line per printed depth row).
#pragma once

#include <string>

#include "core/run_state.h"

namespace corvex {

// Header: number of method blocks, number of printed rows, unit system, t-z method code.
void writePlotHeader(RunState& state, int methodBlockCount);

// The block of the method with the given internal code.
void writePlotMethodBlock(RunState& state, int methodCode);

// Fw.d for the plot file: a value too wide for its field is written with fewer decimals
// or, failing that, in Ew notation, so that the reader always finds a number.
std::string plotNumber(double value, int width, int decimals);

}  // namespace corvex
