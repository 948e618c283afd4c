// Tables filled by the computation driver and the capacity methods: the computation
// increments (segment table), the node stresses, the depth rows, the per-method result
// columns indexed by MethodCode, the work arrays of the common end-bearing steps and the
// t-z source tables handed to the load-transfer computation.
//
// Every table is indexed from 1 like the engine's numbering in the report; element 0 is
// unused. Node 2k-1 is the top and node 2k the bottom of increment k; node 2k+1 repeats
// node 2k. Row i is the pile penetration (i-1)*DZ.
//
// The state is large (several hundred kilobytes): keep it inside the one RunState that
// the entry owns, or allocate it on the heap in tests.
#pragma once

#include <array>
#include <cstdint>

#include "core/capacities.h"
#include "methods/usace.h"

namespace corvex {

// Method codes used inside the computation. The project file, the report's method lines
// and the plot-data file use the switch order instead (methodSwitchIndex below).
enum MethodCode : int32_t {
  kMethodFhwa = 1,
  kMethodUsace = 2,
  kMethodLambda = 3,
  kMethodApi = 4,
  kMethodNgi = 5,
  kMethodIcpMtd = 6,
  kMethodFugro = 7,
  kMethodUwa = 8,
  kMethodUserSpecified = 9,  // "GENERAL METHOD"
};
inline constexpr int kMethodCodeCount = 9;

// Switch position (1 FHWA, 2 USACE, 3 Lambda, 4 API, 5 user-specified, 6 NGI, 7 ICP/MTD,
// 8 Fugro, 9 UWA) of an internal method code.
constexpr int methodSwitchIndex(int methodCode) {
  constexpr int kSwitchOfCode[kMethodCodeCount + 1] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 5};
  return (methodCode >= 1 && methodCode <= kMethodCodeCount) ? kSwitchOfCode[methodCode] : 0;
}

// Room for one more entry than the largest index the computation reads: the tip rows and
// the wall-force step look one increment or row past the last one.
inline constexpr int kIncrementSlots = kMaxIncrements + 2;
inline constexpr int kNodeSlots = kMaxNodes + 2;
inline constexpr int kRowSlots = kMaxDepthRows + 2;

using IncrementArray = std::array<double, kIncrementSlots>;
using NodeArray = std::array<double, kNodeSlots>;
using RowArray = std::array<double, kRowSlots>;

// One computation increment (one row of the segment table): soil values at its mid-depth.
struct IncrementSoil {
  double ztop = 0.0;                  // ft or m below the ground surface
  double zbot = 0.0;
  double length = 0.0;                // zbot - ztop
  double soilType = 0.0;              // 1 sand, 2 clay, 3 silt; from the upper profile point
  double lateralCoefficient = 0.0;    // K
  double effectiveUnitWeight = 0.0;   // lb/ft3 or kN/m3
  double frictionAngle = 0.0;         // degrees
  double nq = 0.0;
  double maxUnitSideFriction = 0.0;   // fmax, ksf or kPa (kNoLimit: no limit)
  double maxUnitEndBearing = 0.0;     // qmax, ksf or kPa (kNoLimit: no limit)
  double undrainedShear = 0.0;        // su
  double remoldedShear = 0.0;         // sur
  double blowCount = 0.0;             // N, or the yield stress ratio in clay
  double userUnitSkinFriction = 0.0;  // ksf or kPa
  double userUnitEndBearing = 0.0;    // ksf or kPa
  double plasticityIndex = 0.0;
  double coneResistance = 0.0;        // as the profile gives it (psf or kPa)
  double sideReductionFactor = 0.0;   // LRFD factor on unit friction
  double endReductionFactor = 0.0;    // LRFD factor on unit bearing
};

// Everything one capacity method produces. A method that is not computed leaves zeros.
struct MethodResults {
  // Written by the method routine, per node.
  NodeArray outsideFriction{};
  NodeArray insideFriction{};
  bool writesInsideFriction = false;  // the soil plug uses insideFriction when set

  // Per depth row.
  RowArray unitFriction{};          // interpolated at the row, after the tension factor
  RowArray limitingFriction{};      // limit of the row
  RowArray reportedFriction{};      // min(unit, limiting): the plot file's unit friction
  RowArray incrementForce{};        // skin-friction force of the increment above the row
  RowArray unfactoredSkinFriction{};  // QS
  RowArray factoredSkinFriction{};    // QSF (LRFD factors on friction)
  RowArray loadTransferColumn{};    // QS or QSF by the reduced-curves switch
  RowArray skinFriction{};          // S: the reported cumulative skin friction
  RowArray unfactoredEndBearing{};  // B before the LRFD factor on bearing
  RowArray endBearing{};            // B: end bearing, or self weight in tension
  RowArray ultimateCapacity{};      // Q = S + B
  std::array<int32_t, kRowSlots> plugFlag{};  // 1 plugged, 2 unplugged (report "*")
};

// Work arrays of the common end-bearing steps, refilled for every method.
struct EndBearingWork {
  NodeArray unitEndBearing{};   // Q per node
  NodeArray wallForce{};        // FW
  NodeArray plugUnitFriction{}; // FI
  NodeArray plugFriction{};     // PLUG, cumulative from the surface
  NodeArray unpluggedTip{};     // TIPU = FW + PLUG
  RowArray tipAtRow{};          // TIPD
  RowArray plugAtRow{};         // PLUGD
  RowArray unplugged{};         // UNPL
  RowArray pluggedAverage{};    // QAVG
  RowArray pluggedCap{};        // QCAP
  RowArray selfWeight{};        // W (tension)
};

struct ComputationState {
  // Segment table.
  int32_t incrementCount = 0;   // N
  double increment = 0.0;       // DZ
  std::array<IncrementSoil, kIncrementSlots> increments{};

  // Stresses per node (ksf or kPa).
  NodeArray SigmaV{};
  NodeArray SigmaVc{};          // limited at the critical depth
  IncrementArray criticalDepth{};  // critical depth valid for each increment

  // Depth rows.
  int32_t depthRowCount = 0;    // NDEPTH
  RowArray rowDepth{};          // (i-1)*DZ
  int32_t printedRowCount = 0;  // NROWS
  std::array<int32_t, kRowSlots> printedRows{};  // [1..NROWS]: row numbers

  // The method whose pipeline is running.
  int32_t methodCode = 0;
  std::array<MethodResults, kMethodCodeCount + 1> methods{};
  EndBearingWork endBearing;

  // t-z source tables: S and B of the t-z method at the printed rows [1..tzSourceCount].
  int32_t tzSourceCount = 0;
  RowArray tzSourceDepth{};
  RowArray tzSourceSkin{};
  RowArray tzSourceEnd{};

  // Load-transfer input for every depth row [1..NDEPTH]: the t-z method's load-transfer
  // column and its tip resistance before the LRFD factor on bearing.
  RowArray loadTransferSkin{};
  RowArray loadTransferTip{};

  // The USACE method's end-bearing state, kept over the analysis.
  UsaceRunState usace;
};

}  // namespace corvex
