// What each capacity method contributes to the computation, looked up by MethodCode.
//
// Wiring a method in: write its routines over RunState in its own file, then add its
// case to methodHooks() in method_hooks.cpp. The driver calls `unitResistance` and then the
// common end-bearing steps; those steps ask `sandUnitEndBearing` (and `clayUnitEndBearing`
// when set) for the unit end bearing at the two nodes of each increment. A method that has
// no hooks yet leaves zeros in its result columns.
#pragma once

#include <cstdint>

#include "core/run_state.h"

namespace corvex {

// Fills state.computation.methods[code]: outside (and inside) unit friction per node, then
// the row columns, normally through rowUnitFriction() and accumulateSkinFriction() of
// end_bearing_steps.h. The user-specified method fills skinFriction and endBearing itself.
using UnitResistanceRoutine = void (*)(RunState& state);

// Unit end bearing (ksf or kPa) at the top and bottom nodes of increment k.
using UnitEndBearingRule = void (*)(RunState& state, int k, double& top, double& bottom);

struct MethodHooks {
  UnitResistanceRoutine unitResistance = nullptr;
  UnitEndBearingRule sandUnitEndBearing = nullptr;  // sand (soil type 1)
  UnitEndBearingRule clayUnitEndBearing = nullptr;  // clay and silt; 9*su when not set
};

MethodHooks methodHooks(int32_t methodCode);

}  // namespace corvex
