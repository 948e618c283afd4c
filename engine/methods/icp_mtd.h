// ICP/MTD method for driven piles from cone resistance: sand shaft friction from qc, the
// effective stress and the distance above the tip with a dilation term; sand end bearing
// from qc and the pile diameter; clay by the shared offshore clay rules.
#pragma once

#include "core/run_state.h"
#include "methods/offshore_inputs.h"

namespace corvex {

// Unit side friction of one increment (sand or clay) at both nodes, outside and inside.
OffshoreSideFriction icpMtdSideFriction(const OffshoreIncrement& increment,
                                        const OffshorePile& pile);

// Unit side friction of a sand increment at one node with effective stress sigmaV.
double icpMtdSandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                              double sigmaV);

// Unit end bearing of a sand increment (the same at both nodes).
double icpMtdSandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile);

// The method routine over the run state: node friction of every increment, then the rows.
void computeIcpMtdUnitResistance(RunState& state);

// Unit end bearing of sand increment k at its two nodes (the end-bearing step's rule).
void icpMtdSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
