// Fugro method for driven piles in sand: shaft friction directly from the cone resistance,
// the effective stress and the distance above the tip, with separate compression and
// tension expressions; end bearing from qc and the pile diameter; clay by the shared
// offshore clay rules.
#pragma once

#include "core/run_state.h"
#include "methods/offshore_inputs.h"

namespace corvex {

// Equivalent radius R* = (D / 2) * sqrt(1 - (Di / D)^2), in or mm.
double fugroEquivalentRadius(const OffshorePile& pile);

// Unit side friction of one increment (sand or clay) at both nodes, outside and inside.
OffshoreSideFriction fugroSideFriction(const OffshoreIncrement& increment,
                                       const OffshorePile& pile);

// Unit side friction of a sand increment at one node with effective stress sigmaV.
double fugroSandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                             double sigmaV);

// Unit end bearing of a sand increment (the same at both nodes).
double fugroSandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile);

// The method routine over the run state: node friction of every increment, then the rows.
void computeFugroUnitResistance(RunState& state);

// Unit end bearing of sand increment k at its two nodes (the end-bearing step's rule).
void fugroSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
