#include "methods/offshore_run.h"

#include "methods/end_bearing_steps.h"
#include "methods/offshore_clay.h"
#include "methods/soil_profile.h"

namespace corvex {

OffshorePile offshorePileOf(const InputModel& input) {
  OffshorePile pile;
  pile.diameter = input.outerDiameter;
  pile.endInnerDiameter = input.enhancedEndInnerDiameter;
  pile.embeddedLength = input.totalLength;  // the driver has put the embedded length here
  pile.english = isEnglish(input);
  pile.tension = input.loadingType == 1;
  pile.pileType = input.pileType;
  pile.plugMode = input.plugMode;
  pile.drainedClay = input.drainedClaySwitch == 1;
  return pile;
}

OffshoreIncrement offshoreIncrementOf(const RunState& state, int k, double pa) {
  const ComputationState& c = state.computation;
  const IncrementSoil& seg = c.increments[k];
  OffshoreIncrement increment;
  increment.soilType = seg.soilType;
  increment.topDepth = seg.ztop;
  increment.frictionAngle = seg.frictionAngle;
  increment.undrainedShear = seg.undrainedShear;
  increment.remoldedShear = seg.remoldedShear;
  increment.yieldStressRatio = seg.blowCount;
  increment.plasticityIndex = seg.plasticityIndex;
  increment.coneResistance = offshoreConeResistance(state, k, seg.ztop, pa);
  increment.maxEndBearing = seg.maxUnitEndBearing;
  increment.stressTop = c.SigmaV[2 * k - 1];
  increment.stressBottom = c.SigmaV[2 * k];
  return increment;
}

void computeOffshoreUnitResistance(RunState& state, int methodCode,
                                   OffshoreSideFrictionRule rule) {
  ComputationState& c = state.computation;
  MethodResults& m = c.methods[methodCode];
  const OffshorePile pile = offshorePileOf(state.input);
  const double pa = sideFrictionPa(pile.english);
  bool negativePlasticityIndex = false;
  for (int k = 1; k <= c.incrementCount; ++k) {
    const OffshoreSideFriction f = rule(offshoreIncrementOf(state, k, pa), pile);
    m.outsideFriction[2 * k - 1] = f.outside.top;
    m.outsideFriction[2 * k] = f.outside.bottom;
    m.insideFriction[2 * k - 1] = f.inside.top;
    m.insideFriction[2 * k] = f.inside.bottom;
    negativePlasticityIndex = negativePlasticityIndex || f.negativePlasticityIndex;
  }
  m.writesInsideFriction = true;
  // One note per method run is enough to point the user at the layer data.
  if (negativePlasticityIndex && state.context.report.is_open()) {
    state.context.report << kNegativePlasticityIndexNote << '\n';
  }
  rowUnitFriction(state, m);
  limitingFrictionFromProfile(state, m);
  accumulateSkinFriction(state, m, /*applyTensionFactor=*/false);
}

}  // namespace corvex
