// The API RP 2A method: alpha method in clay, K * sigma'v * tan(delta) in sand, 9 su and
// sigma'v * Nq end bearing, each limited by the user's maxima or the API limiting values.
#pragma once

#include "core/run_state.h"

namespace corvex {

// Adhesion factor alpha for undrained strength su over effective stress sigma (the stress
// floored at 1e-10, the ratio psi floored at 1e-10): 0.5 psi^-0.5 up to psi = 1,
// 0.5 psi^-0.25 above, never more than 1.
double apiAlpha(double su, double sigma);

// Limiting unit side friction of sand for friction angle phi (ksf or kPa).
double apiSandFrictionLimit(double phi, bool english);
// Limiting unit end bearing of sand for friction angle phi (ksf or kPa).
double apiSandEndBearingLimit(double phi, bool english);

// The method routine: node friction, row friction, limits and accumulation.
void computeApiUnitResistance(RunState& state);

// Unit end bearing in sand at the two nodes of increment k: sigma'v * Nq, capped by the
// increment's qmax or, when none was given, by the API limit for its friction angle.
void apiSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
