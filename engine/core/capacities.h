// Capacities of the engine's fixed tables and the two engine-wide conventions for numbers:
// the "no limit" value of a maximum unit friction or bearing and the depth tolerance.
#pragma once

namespace corvex {

inline constexpr int kMaxProfilePoints = 80;
inline constexpr int kMaxIncrements = 500;
inline constexpr int kMaxNodes = 1000;
inline constexpr int kMaxDepthRows = 500;
inline constexpr int kMaxExtraDepths = 100;
inline constexpr int kMaxAreaRows = 100;
inline constexpr int kMaxCptPoints = 1000;
inline constexpr int kMaxTzCurves = 90;

// A maximum unit friction or bearing given as 0 means "no limit" and is stored as this value.
inline constexpr double kNoLimit = 9999999.0;
// Depth comparisons use this tolerance.
inline constexpr double kDepthTolerance = 1.0e-6;

}  // namespace corvex
