// USACE method: K·σ′v·tanδ side friction in sand with the stress held below the critical
// depth, an adhesion factor that depends on su alone in clay (silt takes both terms), and
// σ′v·Nq end bearing in sand with the stress frozen at the critical depth. The rules are
// plain functions over the values of one increment; the routine that walks the increments
// of a run fills them from the run state.
#pragma once

#include <limits>
#include <span>

namespace corvex {

// A critical depth that no penetration reaches.
inline constexpr double kNoCriticalDepth = std::numeric_limits<double>::max();

// Interface friction angle δ (degrees) for the pile type.
double usaceInterfaceAngle(int pileType, double phi);

// Lateral earth pressure coefficient: the layer's K, replaced by 1.25 in compression or
// 0.6 in tension when the API method is also selected or K is 0.
double usaceLateralCoefficient(double k, bool apiSelected, bool tension);

// Adhesion factor α from su (ksf in English units, kPa in SI).
double usaceClayAlpha(double su, bool english);

// Bearing capacity factor Nq against φ (degrees).
double usaceBearingFactor(double phi);

// One increment as the side-friction rule reads it.
struct UsaceIncrement {
  double soilType = 1.0;             // 1 sand, 2 clay, 3 silt (compared as reals)
  double lateralCoefficient = 0.0;   // K as read
  double frictionAngle = 0.0;        // φ, degrees
  double undrainedShear = 0.0;       // su
  double remoldedShear = 0.0;        // sur
  double limitedStressTop = 0.0;     // SigmaVc at the top node
  double limitedStressBottom = 0.0;  // SigmaVc at the bottom node
};

struct UsaceOptions {
  bool english = true;
  int pileType = 1;
  bool apiSelected = false;
  bool tension = false;
};

// Unit side friction of one increment at its two nodes, outside and inside.
struct UsaceSideFriction {
  double outsideTop = 0.0;
  double outsideBottom = 0.0;
  double insideTop = 0.0;
  double insideBottom = 0.0;
};

UsaceSideFriction usaceSideFriction(const UsaceIncrement& increment, const UsaceOptions& options);

// Sand or silt: the increments whose stress sets the critical depth for end bearing.
inline bool usaceHasSandTerm(double soilType) { return soilType <= 1.0 || soilType > 2.5; }

// Critical depth for end bearing in mode 1: half the bottom depth of the first sand or
// silt increment whose bottom stress exceeds 3.5 ksf (168 kPa); kNoCriticalDepth (below
// every penetration) when none does.
// soilTypes, bottomDepths and bottomStresses run over the increments from the top.
double usaceStressCriticalDepth(std::span<const double> soilTypes,
                                std::span<const double> bottomDepths,
                                std::span<const double> bottomStresses, bool english);

// Depths below which the end bearing holds the stress, for loose, medium and dense sand.
struct UsaceCriticalDepths {
  double loose = 0.0;   // φ < 33
  double medium = 0.0;  // 33 ≤ φ < 36
  double dense = 0.0;   // φ ≥ 36
};

// Mode 0: 10, 15 and 20 diameters plus 1 (D in ft or m); other modes: the critical depth.
UsaceCriticalDepths usaceCriticalDepths(int criticalDepthMode, double diameterLength,
                                        double criticalDepth);

// The sand end-bearing rule with its held stress. The held stress starts at 0 with each
// pass of the end-bearing step; the saved stresses of medium and dense sand are kept for
// the whole analysis.
class UsaceEndBearing {
 public:
  void startPass() { held_ = 0.0; }

  struct Nodes {
    double top = 0.0;
    double bottom = 0.0;
  };

  // Unit end bearing at the two nodes of a sand increment with friction angle phi, top depth
  // penetration, effective stresses at its nodes, limited stress at its bottom node and
  // maximum unit bearing maxEndBearing (9999999 for none).
  Nodes sandNodes(const UsaceCriticalDepths& depths, double phi, double penetration,
                  double stressTop, double stressBottom, double limitedStressBottom,
                  double maxEndBearing);

  double held() const { return held_; }

 private:
  double held_ = 0.0;
  double savedMedium_ = 0.0;
  double savedDense_ = 0.0;
};

// What the USACE method keeps over one analysis: the end-bearing rule with its saved
// stresses, the last sand increment it saw (an increment at or above it starts a new pass
// of the end-bearing step) and the mode-1 critical depth that the method routine computed.
struct UsaceRunState {
  UsaceEndBearing endBearing;
  int lastSandIncrement = 0;
  bool stressCriticalDepthSet = false;
  double stressCriticalDepth = 0.0;
};

struct RunState;

// The method routine over the run: node friction (outside and inside), the mode-1
// critical depth for end bearing, and the method's row columns.
void computeUsaceUnitResistance(RunState& state);

// Unit end bearing at the two nodes of sand increment k (the end-bearing step's rule).
void usaceSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
