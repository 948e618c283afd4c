// Runs the offshore rules over the computation increments of a run: fills their inputs
// from the run state (pile, increment soil, node stresses, cone resistance by the rule's
// atmospheric pressure), stores their node friction in the method's result columns and
// hands the rows to the common accumulation.
#pragma once

#include "core/run_state.h"
#include "methods/offshore_inputs.h"

namespace corvex {

// The pile as the offshore rules see it, from the project input.
OffshorePile offshorePileOf(const InputModel& input);

// Increment k with its cone resistance resolved with the atmospheric pressure pa (the
// side-friction or the end-bearing value).
OffshoreIncrement offshoreIncrementOf(const RunState& state, int k, double pa);

// Unit side friction rule of one offshore method over one increment.
using OffshoreSideFrictionRule = OffshoreSideFriction (*)(const OffshoreIncrement&,
                                                          const OffshorePile&);

// The method routine of an offshore method: node friction of every increment (outside and
// inside), row friction, row limits from the profile's maxima and accumulation without the
// tension factor (the rules carry the load direction themselves). A negative plasticity
// index met by the clay rule is noted once in the report.
void computeOffshoreUnitResistance(RunState& state, int methodCode,
                                   OffshoreSideFrictionRule rule);

// Stores the unit end bearing of increment k at its two nodes by an end-bearing rule over
// the increment with the cone resistance of the end-bearing rules.
template <typename Rule>
void offshoreUnitEndBearing(RunState& state, int k, double& top, double& bottom, Rule rule) {
  const OffshoreIncrement increment =
      offshoreIncrementOf(state, k, endBearingPa(state.input.unitSystem == 1));
  const NodePair q = rule(increment, offshorePileOf(state.input));
  top = q.top;
  bottom = q.bottom;
}

}  // namespace corvex
