// The q-w curve: tip load against tip movement, scaled by the t-z method's unfactored tip
// resistance Qp at the pile tip.
#pragma once

#include "settlement/settlement_state.h"

namespace corvex::settlement {

struct QwCurveInput {
  bool usace = false;
  bool english = true;
  double tipResistance = 0.0;  // Qp in the working force unit (lb or kN)
  double diameter = 0.0;       // OD in the working length unit (in or m)
  double tipSoilType = 1.0;    // soil type at the tip: 1 sand, 2 clay, 3 silt
  double frictionAngle = 0.0;  // of the deepest t-z curve (USACE sand and silt)
};

void buildQwCurve(QwCurve& curve, const QwCurveInput& input);

}  // namespace corvex::settlement
