// What the cone-based offshore methods (NGI, ICP/MTD, Fugro, UWA) read about the pile and
// about one computation increment, and the constants they share. The rules of each method
// are plain functions over these values, so that each can be checked by hand; the routines
// that walk the increments of a run fill them from the run state.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvex {

// Atmospheric pressure used by the side-friction rules (ksf, English units).
inline constexpr double kSideFrictionPaEnglish = 2.088555;
// Atmospheric pressure used by the end-bearing rules (ksf, English units).
inline constexpr double kEndBearingPaEnglish = 2.1168;
// Atmospheric pressure in SI units (kPa), for both kinds of rule.
inline constexpr double kPaSI = 100.0;

// Radial displacement that dilation imposes on the shaft: in (English) or mm (SI).
inline constexpr double kDilationDisplacementEnglish = 0.0007874;
inline constexpr double kDilationDisplacementSI = 0.02;

inline double sideFrictionPa(bool english) { return english ? kSideFrictionPaEnglish : kPaSI; }
inline double endBearingPa(bool english) { return english ? kEndBearingPaEnglish : kPaSI; }

// The pile as the offshore rules see it.
struct OffshorePile {
  double diameter = 0.0;          // D: outside diameter, in (English) or mm (SI)
  double endInnerDiameter = 0.0;  // Di: inside diameter of the end section, in or mm
  double embeddedLength = 0.0;    // L: ft or m
  bool english = true;            // unit system 1
  bool tension = false;           // loading type 1
  int pileType = 1;
  int plugMode = 0;               // 0 computed, 1 plugged, 2 unplugged
  bool drainedClay = false;       // clay end bearing under drained conditions
};

// One computation increment with the values the offshore rules use. Stresses and strengths
// are ksf or kPa; the cone resistance has already been resolved (table value, CPT file or
// blow-count fallback) with the atmospheric pressure of the rule that uses it.
struct OffshoreIncrement {
  double soilType = 1.0;          // 1 sand, 2 clay, 3 silt (compared as reals)
  double topDepth = 0.0;          // ft or m below the ground surface
  double frictionAngle = 0.0;     // degrees
  double undrainedShear = 0.0;    // su
  double remoldedShear = 0.0;     // sur
  double yieldStressRatio = 0.0;  // YSR (the blow-count column of a clay layer)
  double plasticityIndex = 0.0;   // PI, %
  double coneResistance = 0.0;    // qc
  double maxEndBearing = 0.0;     // qmax; 9999999 means no limit
  double stressTop = 0.0;         // effective vertical stress at the top node
  double stressBottom = 0.0;      // effective vertical stress at the bottom node
};

// A value at the two nodes of an increment.
struct NodePair {
  double top = 0.0;
  double bottom = 0.0;
};

// Unit side friction of one increment: outside (shaft) and inside (soil plug) at both nodes.
struct OffshoreSideFriction {
  NodePair outside;
  NodePair inside;
  // Set when the clay rule met a negative plasticity index (the interface angle chart has
  // no data below 0); the run writes its note to the report.
  bool negativePlasticityIndex = false;
};

// Distance from the increment's top to the pile tip in the diameter unit (in or mm),
// floored so that ratios against it stay finite.
inline double heightAboveTip(const OffshoreIncrement& increment, const OffshorePile& pile) {
  const double perLength = pile.english ? 12.0 : 1000.0;
  const double h = (pile.embeddedLength - increment.topDepth) * perLength;
  return h < 1.0e-5 ? 1.0e-5 : h;
}

// Limits a unit end bearing by the layer's maximum when one was given.
inline double limitByMaxEndBearing(double q, double maxEndBearing) {
  if (maxEndBearing != 9999999.0 && maxEndBearing > 0.001 && q > maxEndBearing) {
    return maxEndBearing;
  }
  return q;
}

// tan(phi - 5 deg), the friction of the sand on the shaft. A sand without a friction angle
// (none given and no blow count to derive one) would give a negative angle and a shaft that
// pulls the pile down; its interface friction is taken as zero instead.
inline double interfaceTangent(double frictionAngle) {
  return std::tan(std::max(frictionAngle - 5.0, 0.0) * std::numbers::pi / 180.0);
}

// Pile diameter in millimetres, the unit of the diameter-dependent end-bearing rules.
inline double diameterInMillimetres(const OffshorePile& pile) {
  return pile.english ? pile.diameter * 25.4 : pile.diameter;
}

}  // namespace corvex
