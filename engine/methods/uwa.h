// UWA method for driven piles in sand from cone resistance, with partial plugging through
// an effective area ratio; clay by the shared offshore clay rules.
#pragma once

#include "core/run_state.h"
#include "methods/offshore_inputs.h"

namespace corvex {

// Incremental filling ratio min(1, (Di / 1.5 m)^0.2), Di the end section's inside diameter.
double uwaFillingRatio(const OffshorePile& pile);

// Effective area ratio Ar = 1 - IFR * (Di / D)^2; 1 for a closed-ended pile.
double uwaEffectiveAreaRatio(const OffshorePile& pile);

// Unit side friction of one increment (sand or clay) at both nodes, outside and inside.
OffshoreSideFriction uwaSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile);

// Unit side friction of a sand increment at one node with effective stress sigmaV.
double uwaSandSideFriction(const OffshoreIncrement& increment, const OffshorePile& pile,
                           double sigmaV);

// Unit end bearing of a sand increment (the same at both nodes).
double uwaSandEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile);

// The method routine over the run state: node friction of every increment, then the rows.
void computeUwaUnitResistance(RunState& state);

// Unit end bearing of sand increment k at its two nodes (the end-bearing step's rule).
void uwaSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
