// A small soil column for the computation tests: layers given top to bottom become two
// profile points each, in English units, with converted stresses (ksf) as the input reader
// leaves them.
#pragma once

#include <initializer_list>
#include <memory>

#include "core/run_state.h"
#include "core/segment_table.h"
#include "methods/soil_profile.h"

namespace corvex::test {

struct Layer {
  double top = 0.0;
  double bottom = 0.0;
  double soilType = 1.0;
  double gamma = 0.0;   // pcf
  double k = 0.0;
  double phi = 0.0;
  double nq = 0.0;
  double su = 0.0;      // ksf
  double sur = 0.0;     // ksf
  double fmax = kNoLimit;
  double qmax = kNoLimit;
  double blowCount = 0.0;
  double qc = 0.0;      // psf
};

struct Pile {
  double od = 12.0;          // in
  double id = 0.0;           // in
  double embedded = 20.0;    // ft
  double dz = 1.0;           // ft
};

inline std::unique_ptr<RunState> makeColumn(std::initializer_list<Layer> layers, Pile pile) {
  auto state = std::make_unique<RunState>();
  InputModel& in = state->input;
  in.unitSystem = 1;
  in.printInterval = 1;
  in.outerDiameter = pile.od;
  in.innerDiameter = pile.id;
  in.enhancedEndInnerDiameter = pile.id;
  in.totalLength = pile.embedded;
  in.enhancedEndLength = pile.embedded - 1.0e-7;
  in.depthIncrement = pile.dz;
  in.pileType = 1;
  in.tzMethod = 4;
  in.tensionFactor = 1.0;
  in.methodSwitch[4] = 1;
  int n = 0;
  for (const Layer& layer : layers) {
    for (double depth : {layer.top, layer.bottom}) {
      ProfilePoint& p = in.points[++n];
      p.depth = depth;
      p.soilType = layer.soilType;
      p.lateralCoefficient = layer.k;
      p.effectiveUnitWeight = layer.gamma;
      p.frictionAngle = layer.phi;
      p.nq = layer.nq;
      p.maxUnitSideFriction = layer.fmax;
      p.maxUnitEndBearing = layer.qmax;
      p.undrainedShear = layer.su;
      p.remoldedShear = layer.sur;
      p.blowCount = layer.blowCount;
      p.coneResistance = layer.qc;
      p.sideReductionFactor = 1.0;
      p.endReductionFactor = 1.0;
    }
    in.deepestProfileDepth = layer.bottom;
  }
  in.profilePointCount = n;
  return state;
}

// Segment table, depth rows and stresses, as the driver prepares them.
inline void prepare(RunState& state) {
  buildSegmentTable(state);
  buildDepthRows(state);
  computeSoilProfile(state);
}

}  // namespace corvex::test
