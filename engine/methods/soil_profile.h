// The soil-profile step that runs once before the capacity methods: effective vertical
// stress at every node, friction angles from blow counts where none was given, undrained
// strength from the cone resistance where none was given, the critical depth and the
// stress limited at it. Also the unit conventions that every method shares.
#pragma once

#include "core/run_state.h"

namespace corvex {

inline bool isEnglish(const InputModel& input) { return input.unitSystem == 1; }

// A diameter (in or mm) in the length unit (ft or m).
inline double diameterInLengthUnit(const InputModel& input, double diameter) {
  return isEnglish(input) ? diameter / 12.0 : diameter / 1000.0;
}

// Atmospheric pressure of the end-bearing rules (ksf or kPa).
inline double endBearingAtmosphericPressure(const InputModel& input) {
  return isEnglish(input) ? 2.1168 : 100.0;
}
// Atmospheric pressure of the offshore side-friction rules (ksf or kPa).
inline double frictionAtmosphericPressure(const InputModel& input) {
  return isEnglish(input) ? 2.088555 : 100.0;
}

// Runs the whole soil-profile step on the segment table (which must be built).
void computeSoilProfile(RunState& state);

// Effective vertical stress at the bottom of increment k in psi, the unit of the blow-count
// chart.
double bottomStressPsi(const RunState& state, int k);

// Cone resistance of increment k for the offshore rules, in ksf or kPa: the increment's own
// qc when given (lb/ft2 in English units, converted), else the CPT file's value at
// lookupDepth (already ksf or kPa), else 2.8 * pa * N.
double offshoreConeResistance(const RunState& state, int k, double lookupDepth, double pa);

}  // namespace corvex
