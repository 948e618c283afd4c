// Tables filled by the load-transfer curve generator and the load-settlement solver.
//
// Working units: English runs work in pounds and inches (curve depths and movements in
// inches, unit load transfer in lb/in2, loads in lb); SI runs work in kN and metres (unit
// load transfer in kPa).
#pragma once

#include <array>

#include "core/capacities.h"

namespace corvex {

inline constexpr int kCurvePointCount = 10;  // every t-z and q-w curve has 10 points
inline constexpr int kTipMovementCount = 9;  // assumed tip movements
// Depth rows: up to 500 increments plus the row at the ground surface.
inline constexpr int kSourceRowCapacity = kMaxDepthRows + 1;

// What the capacity computation hands over: the t-z method's cumulative skin friction and
// unfactored tip resistance per depth row, and the number of load-transfer elements.
struct LoadTransferSource {
  int rowCount = 0;
  std::array<double, kSourceRowCapacity + 1> depth{};       // [1..rowCount], ft or m below ground
  std::array<double, kSourceRowCapacity + 1> skinFriction{}; // cumulative, kip or kN
  std::array<double, kSourceRowCapacity + 1> tipResistance{};// unfactored, kip or kN
  int elementCount = 0;  // NROWS: the number of printed depth rows
};

// One t-z curve: unit load transfer t against pile movement z, 10 points from the origin.
struct TzCurve {
  int number = 0;
  int pointCount = kCurvePointCount;
  double depth = 0.0;          // from the pile head, working length unit
  int type = 2;                // 1 sand-like, 2 other
  double frictionAngle = 0.0;  // degrees
  double tmax = 0.0;           // ultimate unit side resistance
  std::array<double, kCurvePointCount + 1> z{};  // [1..10]
  std::array<double, kCurvePointCount + 1> t{};  // [1..10]
};

// Tip load Q against tip movement w, 10 points from the origin.
struct QwCurve {
  std::array<double, kCurvePointCount + 1> w{};  // [1..10]
  std::array<double, kCurvePointCount + 1> q{};  // [1..10]
};

struct StiffnessPoint {
  double depth = 0.0;  // from the pile head, working length unit
  double ae = 0.0;     // area times modulus: lb or kN
};

// Values of one element after its movement iteration, for one assumed tip movement.
struct ElementResult {
  double midDepth = 0.0;         // from the pile head, working length unit
  double loadTransfer = 0.0;     // unit load transfer t at the average movement
  double loadIncrement = 0.0;    // load carried by the element's shaft
  double topLoad = 0.0;
  double averageLoad = 0.0;
  double compression = 0.0;
  double topMovement = 0.0;
  double averageMovement = 0.0;  // the movement at which t was taken
  bool converged = true;
};

// Head and tip of the pile for one assumed tip movement.
struct TipMovementResult {
  double tipMovement = 0.0;
  double tipLoad = 0.0;
  double headLoad = 0.0;
  double headMovement = 0.0;
  int unconvergedElements = 0;
  int firstUnconvergedElement = 0;
};

struct SettlementState {
  LoadTransferSource source;

  int curveCount = 0;        // curves in the list, stick-up curves included
  int stickUpCurveCount = 0; // 3 when the pile has a stick-up (not printed), else 0
  std::array<TzCurve, kMaxTzCurves + 1> curves{};  // [1..curveCount], ordered by depth
  QwCurve qw;

  int stiffnessCount = 0;
  std::array<StiffnessPoint, kMaxAreaRows + 1> stiffness{};  // [1..stiffnessCount]

  double pileLength = 0.0;     // stick-up plus embedded length, working unit
  double elementLength = 0.0;  // pileLength / element count
  std::array<ElementResult, kSourceRowCapacity + 1> elements{};  // current tip movement
  std::array<TipMovementResult, kTipMovementCount + 1> results{};  // [1..9]

  int extraCount = 0;
  int extraInRangeCount = 0;
  std::array<bool, kMaxExtraDepths + 1> extraInRange{};
  std::array<TzCurve, kMaxExtraDepths + 1> extraCurves{};  // [1..extraCount]
};

}  // namespace corvex
