// Shapes of the t-z curves: unit load transfer against pile movement, scaled by the
// curve's ultimate unit side resistance tmax. Sand-like curves (both profile points of the
// interval are sand) and all other curves differ, and the USACE method has shapes of its own.
#pragma once

#include "settlement/settlement_state.h"

namespace corvex::settlement {

// Shear modulus term of the USACE sand hyperbola for friction angle phi (degrees).
double usaceSandModulus(double frictionAngle);

// Fills z(1..10) and t(1..10) of the curve from its type, tmax and friction angle.
// od is the outer diameter in the working length unit (in or m).
void fillTzCurve(TzCurve& curve, bool usace, bool english, double od);

}  // namespace corvex::settlement
