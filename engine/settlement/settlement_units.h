// Constants and unit conversions shared by the load-transfer curves and the solver.
#pragma once

#include "core/run_state.h"  // kDepthTolerance

namespace corvex::settlement {

// The circle constant of the load-transfer computation: 3.1416 held in single precision.
inline constexpr double kPiSingle = static_cast<double>(3.1416f);

// Curve movements are tabulated in inches; SI runs divide them by this factor (metres).
inline constexpr double kInchesPerMetre = 39.37;

// t-z method code (project switch order) whose curve shapes differ from all others.
inline constexpr int kUsaceMethod = 2;

inline bool isEnglish(int unitSystem) { return unitSystem == 1; }

}  // namespace corvex::settlement
