// Load-settlement solution of the pile: for an assumed tip movement, the load is carried
// from the tip to the head element by element, each element's movement found by a
// fixed-point iteration on its t-z curves and its elastic compression.
#pragma once

#include <array>

#include "settlement/settlement_state.h"

namespace corvex::settlement {

// The nine assumed tip movements, in inches ([1..9]); SI runs divide them by 39.37.
inline constexpr std::array<double, kTipMovementCount + 1> kAssumedTipMovements = {
    0.0, 0.0001, 0.001, 0.005, 0.01, 0.05, 0.1, 0.5, 1.0, 2.0};

// An element whose movement has not settled after this many rounds keeps the values of
// its last round and is reported as not converged, so that a diverging case cannot hang.
inline constexpr int kMaxIterationRounds = 100;

// Movement tolerance of the iteration (in or m).
inline constexpr double kMovementTolerance = 1.0e-4;

// Marches from the tip to the head for tip movement wt (working unit). Needs the t-z
// curves, the q-w curve, a positive stiffness table, st.pileLength and an element count
// of at least 1 in st.source. Fills st.elements[1..count] (element 1 at the tip) and
// returns the head and tip values.
TipMovementResult solveForTipMovement(SettlementState& st, double od, double wt);

}  // namespace corvex::settlement
