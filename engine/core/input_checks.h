// The checks made after the input has been read: is the soil profile deep enough for the
// pile, and how many segments does the pile need (with the thin-layer adjustment).
#pragma once

#include <ostream>

#include "core/run_state.h"

namespace corvex {

// Embedded pile length plus two pile diameters (OD in in for English units, mm otherwise).
double requiredProfileDepth(const InputModel& input);

// When the last profile point lies above the required depth, writes the note to the console
// (the run goes on). Returns true when the note was written.
bool noteShortProfile(const InputModel& input, const UnitLabels& labels, std::ostream& console);

// When the deepest profile depth lies above the required depth, writes the two-line note to
// the report and returns true: the run then stops with status 1.
bool stopForShallowProfile(const InputModel& input, const UnitLabels& labels, std::ostream& report);

// NSEG: the number of depth increments down to the deepest profile depth. A depth increment
// that is not positive, or a profile shallower than one increment, ends the run (RunFailure).
int32_t countSegments(const InputModel& input);

// Thin layers vanish (thinner than half an increment) or grow to one increment.
void adjustThinLayers(InputModel& input);

// The message written to the console and the report when NSEG exceeds the segment limit.
void writeSegmentMessage(std::ostream& out, int32_t segmentCount);

}  // namespace corvex
