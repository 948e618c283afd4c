// The pile and soil that the offshore method tests share: a 36 in open pipe with a 34 in
// bore, 100 ft embedded, and a dense sand increment 20 ft above its tip, in English units,
// with the same pile and sand converted to SI units.
#pragma once

#include "methods/offshore_inputs.h"

namespace corvex::offshore_fixture {

inline constexpr double kKpaPerKsf = 47.880259;

inline OffshorePile openPipe() {
  OffshorePile pile;
  pile.diameter = 36.0;
  pile.endInnerDiameter = 34.0;
  pile.embeddedLength = 100.0;
  return pile;
}

// qc 200 ksf, phi 35 deg, stress 4 ksf at both nodes.
inline OffshoreIncrement sandAt80ft() {
  OffshoreIncrement sand;
  sand.soilType = 1.0;
  sand.topDepth = 80.0;
  sand.frictionAngle = 35.0;
  sand.coneResistance = 200.0;
  sand.maxEndBearing = 9999999.0;
  sand.stressTop = 4.0;
  sand.stressBottom = 4.0;
  return sand;
}

// The pile in SI units: D 914.4 mm, Di 863.6 mm, L 30.48 m.
inline OffshorePile openPipeSi() {
  OffshorePile pile = openPipe();
  pile.english = false;
  pile.diameter *= 25.4;
  pile.endInnerDiameter *= 25.4;
  pile.embeddedLength *= 0.3048;
  return pile;
}

// The sand in SI units: 24.384 m deep, qc and stresses in kPa.
inline OffshoreIncrement sandAt80ftSi() {
  OffshoreIncrement sand = sandAt80ft();
  sand.topDepth *= 0.3048;
  sand.coneResistance *= kKpaPerKsf;
  sand.stressTop *= kKpaPerKsf;
  sand.stressBottom *= kKpaPerKsf;
  return sand;
}

}  // namespace corvex::offshore_fixture
