// The machinery every capacity method shares: unit friction and cumulative skin friction
// per depth row from the node friction, and the common end-bearing steps run after each
// method (unit end bearing, wall force, plug friction, unplugged tip resistance, values per
// row, plugged bearing averaged around the tip, self weight in tension, plugged/unplugged
// choice).
#pragma once

#include "core/run_state.h"

namespace corvex {

// Pi as the perimeters and the plug friction use it, and pi/4 of the areas.
inline constexpr double kPerimeterPi = 3.14159;
inline constexpr double kQuarterPi = 0.7853975;

// Value of a per-node quantity at depth p: linear between the two nodes of the increment
// that contains p.
double valueAtDepth(const ComputationState& computation, const NodeArray& nodes, double p);

// Unit friction of every depth row from the method's outside node friction; zero above the
// zero-friction length.
void rowUnitFriction(RunState& state, MethodResults& method);

// Limiting friction of every row from the maximum unit side friction of its increment.
void limitingFrictionFromProfile(RunState& state, MethodResults& method);

// Accumulates the skin friction of rows 2..NDEPTH with the perimeter pi*D: reported unit
// friction, increment forces capped by the limiting friction, QS, QSF with the LRFD
// factors on friction, the load-transfer column, and the reported cumulative (QSF). In
// tension the row friction is first multiplied by the tension factor when
// applyTensionFactor is set. The limiting friction must be filled.
void accumulateSkinFriction(RunState& state, MethodResults& method, bool applyTensionFactor);

// The common end-bearing steps for the method whose code is given; fills the method's
// end bearing (or self weight in tension), its unfactored copy and its plug flags.
void runEndBearingSteps(RunState& state, int methodCode);

// Pile self weight above penetration p (tension), kip or kN.
double pileSelfWeight(const InputModel& input, double p);

}  // namespace corvex
