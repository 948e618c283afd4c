// Reading the handoff file names.dat: the identification of the run and its four file paths.
#pragma once

#include <istream>
#include <string>

#include "core/console.h"
#include "core/run_state.h"

namespace corvex {

// Widths of the handoff fields; longer lines are cut.
inline constexpr int kVersionWidth = 12;
inline constexpr int kIdentificationWidth = 256;
inline constexpr int kPathWidth = 255;

// Reads the eight lines of the handoff file into the context. Lines 1 to 4 must be present
// (otherwise RunFailure); when any of lines 5 to 8 is missing, the input, report and plot
// paths are asked for on the console and the CPT path stays blank.
void readHandoff(std::istream& handoff, RunContext& context, Console& console);

// Opens names.dat in the current directory and reads it (RunFailure when it is missing).
void readHandoffFile(RunContext& context, Console& console);

// The first `width` characters of a line with its line end and trailing blanks removed.
std::string fixedField(const std::string& line, int width);

}  // namespace corvex
