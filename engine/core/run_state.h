// The engine's one run state: every table that one analysis reads or fills, with fixed
// capacities, so that nothing is allocated during a run. ICORVEX owns the only instance and
// hands it to every procedure explicitly.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

#include "core/capacities.h"
#include "core/computation_state.h"
#include "settlement/settlement_state.h"

namespace corvex {

// Run status returned by ICORVEX.
enum RunStatus : int32_t {
  kStatusCompleted = 0,    // the run went through to its end
  kStatusStoppedAtChecks = 1,  // profile too shallow or more than 500 segments
  kStatusFailed = 2,       // missing/short handoff file, missing file, malformed number, capacity
};

// Unit labels printed after numbers in the report, set from the project's unit system.
struct UnitLabels {
  std::string length = "FT.";      // depths, lengths
  std::string diameter = "IN.";    // diameters
  std::string force = "KIP";       // forces, capacities
  std::string stress = "KSF";      // unit friction, unit bearing, shear strength
  std::string unitWeight = "LB/CF";  // effective unit weight
  std::string area = "IN2";        // cross-section area
  std::string modulus = "PSI";     // modulus of elasticity (set by the input echo)
};

// What names.dat tells the engine: the identification of the run and its file paths.
// Texts are kept without their trailing blanks.
struct RunContext {
  std::string versionText;        // 12 characters
  std::string identification1;    // 256 characters
  std::string identification2;    // 256 characters
  int32_t identificationNumber = 0;
  std::string inputPath;          // project input file (.cx6d)
  std::string reportPath;         // report file (.cx6o)
  std::string plotPath;           // plot-data file (.cx6p)
  std::string cptPath;            // CPT file (.cpt)
  int32_t status = kStatusCompleted;
  UnitLabels labels;
  std::ofstream report;  // report file (.cx6o), truncated when opened
  std::ofstream plot;    // plot-data file (.cx6p), truncated when opened
};

// One soil profile point as read from the two lines of its record (line A, line B).
struct ProfilePoint {
  double depth = 0.0;                 // A1
  double soilType = 0.0;              // A2: 1 sand, 2 clay, 3 silt (compared as reals)
  double lateralCoefficient = 0.0;    // A3
  double effectiveUnitWeight = 0.0;   // A4: lb/ft3 or kN/m3, not converted
  double frictionAngle = 0.0;         // A5: degrees
  double nq = 0.0;                    // A6: bearing capacity factor
  double maxUnitSideFriction = 0.0;   // B1: converted, defaulted to kNoLimit
  double maxUnitEndBearing = 0.0;     // B2: converted, defaulted to kNoLimit
  double undrainedShear = 0.0;        // B3: converted
  double remoldedShear = 0.0;         // B4: converted; cleared for sand
  double blowCount = 0.0;             // B5: blow count, or yield stress ratio for clay
  double plasticityIndex = 0.0;       // B6
  double coneResistance = 0.0;        // B7
  double userUnitSkinFriction = 0.0;  // B8
  double userUnitEndBearing = 0.0;    // B9
  double sideReductionFactor = 0.0;   // B10: LRFD factor on unit friction
  double endReductionFactor = 0.0;    // B11: LRFD factor on unit bearing
  int32_t maxSideDefaulted = 0;       // 1 when B1 was given as 0
  int32_t maxEndDefaulted = 0;        // 1 when B2 was given as 0
  // Plasticity index and cone resistance exactly as read, restored before the echo
  // when the offshore switch is on.
  double plasticityIndexAsRead = 0.0;
  double coneResistanceAsRead = 0.0;
};

struct CptPoint {
  double depth = 0.0;
  double qc = 0.0;
};

struct AreaRow {
  double distanceFromHead = 0.0;
  double area = 0.0;
};

// The project as the engine reads it from the project input file and the CPT file.
struct InputModel {
  std::string title;      // 72 columns, trailing blanks removed
  std::string designer;
  std::string jobNumber;

  int32_t unitSystem = 1;     // 1 English; any other value SI (except where 2 is tested)
  int32_t printInterval = 1;
  int32_t profilePointCount = 0;  // NP

  double perimeter = 0.0;     // noncircular section; 0 for circular
  double tipArea = 0.0;       // in2 or m2 as read; ft2 after reading in English units
  double outerDiameter = 0.0; // OD, in or mm
  double innerDiameter = 0.0; // ID, in or mm
  double elasticModulus = 0.0;  // E, lb/in2 or kN/m2
  double totalLength = 0.0;   // TL
  double stickUpLength = 0.0; // PSL

  double enhancedEndLength = 0.0;   // LEES
  double enhancedEndInnerDiameter = 0.0;  // IDEES

  double zeroFrictionLength = 0.0;  // ZFL
  double depthIncrement = 0.0;      // DZ
  int32_t pileType = 1;
  double taperAngle = 0.0;          // degrees
  int32_t tzMethod = 4;             // method code (project switch order) shaping the t-z curves
  int32_t offshoreSwitch = 0;
  int32_t reducedCurvesSwitch = 0;

  std::array<int32_t, 10> methodSwitch{};  // [1..9], project switch order

  double deepestProfileDepth = 0.0;
  double constantSectionArea = 0.0;

  std::array<ProfilePoint, kMaxProfilePoints + 1> points{};  // [1..NP]

  int32_t extraTzSwitch = 0;
  int32_t extraDepthCount = 0;
  std::array<double, kMaxExtraDepths + 1> extraDepths{};  // [1..count]

  int32_t loadingType = 0;      // 1 tension, other compression
  double tensionFactor = 0.0;

  int32_t drainedClaySwitch = 0;
  int32_t plugMode = 0;         // 0 computed, 1 plugged, 2 unplugged

  int32_t areaRowCount = 0;     // NA
  int32_t areaMode = 0;
  std::array<AreaRow, kMaxAreaRows + 1> areaRows{};  // [1..NA]

  int32_t criticalDepthMode = 0;   // 0 by density, 1 at 3,500 psf (185 kPa), 2 user depth
  double userCriticalDepth = 0.0;

  int32_t cptFlag = 0;          // read and not used
  int32_t cptPointCount = 0;
  std::array<CptPoint, kMaxCptPoints + 1> cptPoints{};  // [1..N]

  int32_t segmentCount = 0;     // NSEG
};

// Everything one run reads or fills. Arrays are indexed from 1, as the engine's tables are
// numbered in the report; element 0 is unused.
struct RunState {
  RunContext context;
  InputModel input;
  ComputationState computation;
  SettlementState settlement;
};

}  // namespace corvex
