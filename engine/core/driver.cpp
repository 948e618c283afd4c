#include "core/driver.h"

#include <memory>

#include "core/input_echo.h"
#include "core/method_tables.h"
#include "core/plot_writer.h"
#include "core/segment_table.h"
#include "methods/end_bearing_steps.h"
#include "methods/method_hooks.h"
#include "methods/soil_profile.h"
#include "settlement/extra_tz.h"
#include "settlement/settlement_run.h"

namespace corvex {
namespace {

bool switchSelected(const InputModel& in, int methodCode) {
  return in.methodSwitch[methodSwitchIndex(methodCode)] == 1;
}

bool isTzMethod(const InputModel& in, int methodCode) {
  return in.tzMethod == methodSwitchIndex(methodCode);
}

bool offshoreOn(const InputModel& in) { return in.offshoreSwitch == 1; }

// Segment table, depth rows and the soil-profile step.
void prepareSoilColumn(RunState& state) {
  buildSegmentTable(state);
  buildDepthRows(state);
  computeSoilProfile(state);
}

// True when some increment carries a user unit skin friction or end bearing.
bool hasUserUnitValues(const ComputationState& c) {
  for (int k = 1; k <= c.incrementCount; ++k) {
    const IncrementSoil& seg = c.increments[k];
    if (seg.userUnitSkinFriction != 0.0 || seg.userUnitEndBearing != 0.0) return true;
  }
  return false;
}

// The number of method blocks that will follow the plot header. A selected user-specified
// method whose unit values are all zero gets no block, so it is not counted either: the
// reader takes the count as the number of blocks that follow.
int plotBlockCount(const InputModel& in, bool userValues) {
  int count = 0;
  for (int code : {kMethodFhwa, kMethodUsace, kMethodLambda, kMethodApi}) {
    if (switchSelected(in, code)) ++count;
  }
  if (switchSelected(in, kMethodUserSpecified) && userValues) ++count;
  if (offshoreOn(in)) {
    for (int code : {kMethodNgi, kMethodIcpMtd, kMethodFugro, kMethodUwa}) {
      if (switchSelected(in, code)) ++count;
    }
  }
  return count;
}

void runMethod(RunState& state, int code) {
  state.computation.methodCode = code;
  const MethodHooks hooks = methodHooks(code);
  if (hooks.unitResistance) hooks.unitResistance(state);
  runEndBearingSteps(state, code);
}

// End bearing times the LRFD factor on bearing of the row's increment; Q = S + B.
void applyEndBearingFactor(RunState& state, int code) {
  ComputationState& c = state.computation;
  MethodResults& m = c.methods[code];
  for (int i = 1; i <= c.depthRowCount; ++i) {
    const double factor = c.increments[incrementOfRow(c, i)].endReductionFactor;
    m.unfactoredEndBearing[i] = m.endBearing[i];
    m.endBearing[i] = factor * m.endBearing[i];
    m.ultimateCapacity[i] = m.skinFriction[i] + m.endBearing[i];
  }
}

void copyTzSource(RunState& state, int code) {
  ComputationState& c = state.computation;
  const MethodResults& m = c.methods[code];
  c.tzSourceCount = c.printedRowCount;
  for (int r = 1; r <= c.printedRowCount; ++r) {
    const int i = c.printedRows[r];
    c.tzSourceDepth[r] = c.rowDepth[i];
    c.tzSourceSkin[r] = m.skinFriction[i];
    c.tzSourceEnd[r] = m.endBearing[i];
  }
}

// Table, plot block and t-z source of a method whose switch is set.
void reportMethod(RunState& state, int code) {
  if (!switchSelected(state.input, code)) return;
  writeMethodTable(state, code);
  writePlotMethodBlock(state, code);
  if (isTzMethod(state.input, code)) copyTzSource(state, code);
}

void runUserSpecifiedMethod(RunState& state) {
  ComputationState& c = state.computation;
  const MethodHooks hooks = methodHooks(kMethodUserSpecified);
  c.methodCode = kMethodUserSpecified;
  if (hooks.unitResistance) hooks.unitResistance(state);
  if (state.input.loadingType == 1) runEndBearingSteps(state, kMethodUserSpecified);
  MethodResults& m = c.methods[kMethodUserSpecified];
  for (int i = 1; i <= c.depthRowCount; ++i) {
    m.unfactoredEndBearing[i] = m.endBearing[i];
    m.ultimateCapacity[i] = m.skinFriction[i] + m.endBearing[i];
  }
  reportMethod(state, kMethodUserSpecified);
}

// The t-z method's load-transfer column and its tip resistance before the LRFD factor on
// bearing, for every depth row. The unfactored end bearing is kept from before the factor
// was applied, so that a factor of 0 cannot turn into a division by zero.
void buildLoadTransferInput(RunState& state) {
  ComputationState& c = state.computation;
  int code = 0;
  for (int m = 1; m <= kMethodCodeCount; ++m) {
    if (isTzMethod(state.input, m)) code = m;
  }
  if (code == 0) return;
  const MethodResults& m = c.methods[code];
  for (int i = 1; i <= c.depthRowCount; ++i) {
    c.loadTransferSkin[i] =
        code == kMethodUserSpecified ? m.skinFriction[i] : m.loadTransferColumn[i];
    c.loadTransferTip[i] = m.unfactoredEndBearing[i];
  }
}

}  // namespace

void writeInputEcho(RunState& state) { writeProjectEcho(state); }

void runComputation(RunState& state) {
  InputModel& in = state.input;
  ComputationState& c = state.computation;
  // From here on the pile length is the embedded length.
  in.totalLength = in.totalLength - in.stickUpLength;
  std::destroy_at(&c);
  std::construct_at(&c);

  writeResultHeading(state);

  // Stage 1: user-specified, FHWA, USACE and Lambda. The end-bearing steps run once per
  // method before its routine, because the FHWA routine reads the plug indicators that
  // this pass leaves.
  prepareSoilColumn(state);
  for (int code : {kMethodFhwa, kMethodUsace, kMethodLambda}) {
    runEndBearingSteps(state, code);
  }
  const bool userValues = hasUserUnitValues(c);
  writePlotHeader(state, plotBlockCount(in, userValues));
  if (userValues) runUserSpecifiedMethod(state);
  for (int code : {kMethodFhwa, kMethodUsace, kMethodLambda}) runMethod(state, code);
  for (int code : {kMethodFhwa, kMethodUsace, kMethodLambda}) {
    applyEndBearingFactor(state, code);
  }
  for (int code : {kMethodFhwa, kMethodUsace, kMethodLambda}) reportMethod(state, code);

  // Stage 2: API, then the offshore methods. The soil column is rebuilt as in stage 1;
  // the early end-bearing pass of stage 1 is not repeated, since it would overwrite the
  // stage 1 methods' results that the load transfer may still need.
  prepareSoilColumn(state);
  runMethod(state, kMethodApi);
  applyEndBearingFactor(state, kMethodApi);
  reportMethod(state, kMethodApi);
  if (offshoreOn(in)) {
    for (int code : {kMethodNgi, kMethodIcpMtd, kMethodFugro, kMethodUwa}) {
      runMethod(state, code);
      applyEndBearingFactor(state, code);
      reportMethod(state, code);
    }
  }

  buildLoadTransferInput(state);
  runLoadSettlement(state, in.totalLength);
  if (in.extraDepthCount >= 1) runExtraTzOutput(state);
}

}  // namespace corvex
