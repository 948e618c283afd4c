// NGI method for driven piles: sand shaft friction from the relative density derived from
// the cone resistance, scaled by the relative depth and by factors for stress level, tip
// condition, load direction and pile material; clay shaft friction from an alpha that
// depends on the strength ratio and the plasticity index; sand end bearing from qc and the
// relative density; clay end bearing 9 su.
#pragma once

#include "core/run_state.h"
#include "methods/offshore_inputs.h"

namespace corvex {

// Relative density used by the sand shaft friction, floored at 0.200001.
double ngiShaftRelativeDensity(double coneResistance, double sigmaV, double pa);

// Unit side friction of one increment (sand or clay) at both nodes, outside and inside.
OffshoreSideFriction ngiSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile);

// Unit end bearing of one increment at both nodes (sand by relative density, clay 9 su).
NodePair ngiEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile);

// The method routine over the run state: node friction of every increment, then the rows.
void computeNgiUnitResistance(RunState& state);

// Unit end bearing of sand increment k at its two nodes (the end-bearing step's rule).
void ngiSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
