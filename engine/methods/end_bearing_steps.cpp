#include "methods/end_bearing_steps.h"

#include <algorithm>
#include <cmath>

#include "core/segment_table.h"
#include "methods/api.h"
#include "methods/method_hooks.h"
#include "methods/soil_profile.h"

namespace corvex {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

int incrementContaining(const ComputationState& c, double p) {
  int k = 1;
  while (k < c.incrementCount && c.increments[k].zbot < p - kDepthTolerance) ++k;
  return k;
}

double squaredToArea(const InputModel& in, double diameterSquared) {
  return isEnglish(in) ? diameterSquared / 144.0 : diameterSquared / 1.0e6;
}

bool noncircularTip(const InputModel& in) { return in.tipArea > 1.0e-4; }

// Step 3: unit end bearing at the nodes by the method's own rules.
void unitEndBearing(RunState& state, int code) {
  ComputationState& c = state.computation;
  const MethodHooks hooks = methodHooks(code);
  // A rule may change an increment's Nq for its own use; the profile keeps its own.
  IncrementArray nq{};
  for (int k = 1; k <= c.incrementCount; ++k) nq[k] = c.increments[k].nq;
  for (int k = 1; k <= c.incrementCount; ++k) {
    const IncrementSoil& seg = c.increments[k];
    double top = 0.0, bottom = 0.0;
    if (seg.soilType > 1.0 + kDepthTolerance) {
      top = bottom = 9.0 * seg.undrainedShear;
      if (hooks.clayUnitEndBearing) hooks.clayUnitEndBearing(state, k, top, bottom);
    } else if (code != kMethodUserSpecified && hooks.sandUnitEndBearing) {
      hooks.sandUnitEndBearing(state, k, top, bottom);
    }
    c.endBearing.unitEndBearing[2 * k - 1] = top;
    c.endBearing.unitEndBearing[2 * k] = bottom;
  }
  for (int k = 1; k <= c.incrementCount; ++k) c.increments[k].nq = nq[k];
}

double nodeDepth(const ComputationState& c, int n) {
  const int k = (n + 1) / 2;
  return n % 2 == 1 ? c.increments[k].ztop : c.increments[k].zbot;
}

// Step 4: end-bearing force on the pile wall at every node.
void wallForce(RunState& state, int code) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  const double di = in.enhancedEndInnerDiameter;
  const double area = noncircularTip(in)
                          ? in.tipArea
                          : kQuarterPi * squaredToArea(in, in.outerDiameter * in.outerDiameter -
                                                                di * di);
  const double pa = endBearingAtmosphericPressure(in);
  for (int n = 1; n <= 2 * c.incrementCount; ++n) {
    double q = c.endBearing.unitEndBearing[n];
    if (code > kMethodApi && di > 1.0e-4) {
      q = offshoreConeResistance(state, n / 2 + 1, nodeDepth(c, n), pa);
    }
    c.endBearing.wallForce[n] = area * q;
  }
}

// Step 5: friction of the soil plug inside an open end, accumulated from the surface.
void plugFriction(RunState& state, const MethodResults& method) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  EndBearingWork& w = c.endBearing;
  const double di = diameterInLengthUnit(in, in.enhancedEndInnerDiameter);
  w.plugFriction[1] = 0.0;
  for (int k = 1; k <= c.incrementCount; ++k) {
    const IncrementSoil& seg = c.increments[k];
    const int top = 2 * k - 1, bottom = 2 * k;
    if (seg.soilType > 1.0 + kDepthTolerance) {
      const double alpha = apiAlpha(seg.undrainedShear, c.SigmaV[bottom]);
      w.plugUnitFriction[top] = alpha * seg.remoldedShear;
      if (method.writesInsideFriction) w.plugUnitFriction[top] = method.insideFriction[top];
      w.plugUnitFriction[bottom] = w.plugUnitFriction[top];
    } else {
      const double tanDelta = std::tan((seg.frictionAngle - 5.0) * kDegree);
      for (int n : {top, bottom}) {
        w.plugUnitFriction[n] = std::min(seg.lateralCoefficient * c.SigmaV[n] * tanDelta,
                                         seg.maxUnitSideFriction);
        if (method.writesInsideFriction) w.plugUnitFriction[n] = method.insideFriction[n];
      }
    }
    const double increase = (seg.zbot - seg.ztop) *
                            (w.plugUnitFriction[top] + w.plugUnitFriction[bottom]) / 2.0 *
                            kPerimeterPi * di;
    w.plugFriction[bottom] = w.plugFriction[top] + increase;
    w.plugFriction[bottom + 1] = w.plugFriction[bottom];
  }
}

// Steps 6 and 7: unplugged tip resistance at the nodes and at the rows.
void unpluggedTip(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  EndBearingWork& w = c.endBearing;
  const int nodes = 2 * c.incrementCount + 1;
  if (in.plugMode == 2) {
    for (int n = 1; n <= nodes; ++n) w.plugFriction[n] = 0.0;
  }
  for (int n = 1; n <= nodes; ++n) w.unpluggedTip[n] = w.wallForce[n] + w.plugFriction[n];
  const double lees = in.enhancedEndLength;
  for (int i = 1; i <= c.depthRowCount; ++i) {
    const double p = c.rowDepth[i];
    w.tipAtRow[i] = i == 1 ? w.unpluggedTip[1] : valueAtDepth(c, w.unpluggedTip, p);
    w.plugAtRow[i] = p - lees > kDepthTolerance ? valueAtDepth(c, w.plugFriction, p - lees) : 0.0;
    w.unplugged[i] = w.tipAtRow[i] - w.plugAtRow[i];
  }
}

// Integral from the surface to depth x of a quantity linear within each increment (node
// values), exact for the piecewise-linear line; below the last node the last value holds.
double integralToDepth(const ComputationState& c, const IncrementArray& atTop,
                       const NodeArray& nodes, double x) {
  if (x <= 0.0 || c.incrementCount < 1) return 0.0;
  const int n = c.incrementCount;
  const IncrementSoil& last = c.increments[n];
  if (x > last.zbot) return atTop[n + 1] + nodes[2 * n] * (x - last.zbot);
  const int k = incrementContaining(c, x);
  const IncrementSoil& seg = c.increments[k];
  const double t = x - seg.ztop;
  const double atX = nodes[2 * k - 1] +
                     (nodes[2 * k] - nodes[2 * k - 1]) * t / (seg.zbot - seg.ztop);
  return atTop[k] + (nodes[2 * k - 1] + atX) / 2.0 * t;
}

// Step 8: plugged end bearing averaged over 1.5 D above and below the tip, and its cap.
void pluggedAverage(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  EndBearingWork& w = c.endBearing;
  const double d = diameterInLengthUnit(in, in.outerDiameter);
  const double dt = d - 2.0 * in.totalLength * std::tan(in.taperAngle * kDegree);
  const double area = noncircularTip(in) ? in.tipArea : kQuarterPi * dt * dt;

  NodeArray force{}, cap{};
  IncrementArray forceAtTop{}, capAtTop{};
  const int n = c.incrementCount;
  for (int k = 1; k <= n; ++k) {
    const IncrementSoil& seg = c.increments[k];
    force[2 * k - 1] = area * w.unitEndBearing[2 * k - 1];
    force[2 * k] = area * w.unitEndBearing[2 * k];
    cap[2 * k - 1] = cap[2 * k] = area * seg.maxUnitEndBearing;
    const double length = seg.zbot - seg.ztop;
    forceAtTop[k + 1] = forceAtTop[k] + (force[2 * k - 1] + force[2 * k]) / 2.0 * length;
    capAtTop[k + 1] = capAtTop[k] + (cap[2 * k - 1] + cap[2 * k]) / 2.0 * length;
  }
  for (int i = 1; i <= c.depthRowCount; ++i) {
    const double p = c.rowDepth[i];
    const double upper = p + 1.5 * d;
    const double lower = p - 1.5 * d < 1.0e-4 ? 0.0 : p - 1.5 * d;
    const double width = d > 0.0 ? 3.0 * d : 1.0;
    w.pluggedAverage[i] = (integralToDepth(c, forceAtTop, force, upper) -
                           integralToDepth(c, forceAtTop, force, lower)) / width;
    w.pluggedCap[i] = (integralToDepth(c, capAtTop, cap, upper) -
                       integralToDepth(c, capAtTop, cap, lower)) / width;
    if (w.pluggedAverage[i] - w.pluggedCap[i] > 1.0e-6) w.pluggedAverage[i] = w.pluggedCap[i];
  }
}

// Step 10: plugged or unplugged tip for every row; self weight in tension.
void chooseTip(RunState& state, MethodResults& method) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  EndBearingWork& w = c.endBearing;
  const bool tension = in.loadingType == 1;
  const double di = in.enhancedEndInnerDiameter;
  const bool closedEnd = in.innerDiameter < 1.0e-10 || di < 1.0e-10;
  for (int i = 1; i <= c.depthRowCount; ++i) {
    w.selfWeight[i] = pileSelfWeight(in, c.rowDepth[i]);
    double end = w.pluggedAverage[i];
    int flag = 1;
    if (!closedEnd) {
      if (in.plugMode == 1) {
        end = w.pluggedAverage[i];
        flag = 1;
      } else if (in.plugMode == 2 || w.unplugged[i] <= w.pluggedAverage[i] + 1.0e-6) {
        end = w.unplugged[i];
        flag = (in.plugMode != 2 && di < 1.0e-4 && in.enhancedEndLength > 1.0e-4) ? 1 : 2;
      }
    }
    if (tension) end = w.selfWeight[i];
    method.endBearing[i] = end;
    method.unfactoredEndBearing[i] = end;
    method.plugFlag[i] = flag;
  }
}

}  // namespace

double valueAtDepth(const ComputationState& c, const NodeArray& nodes, double p) {
  if (c.incrementCount < 1) return nodes[1];
  const int k = incrementContaining(c, p);
  const IncrementSoil& seg = c.increments[k];
  const double length = seg.zbot - seg.ztop;
  if (length <= 0.0) return nodes[2 * k - 1];
  return nodes[2 * k - 1] + (nodes[2 * k] - nodes[2 * k - 1]) * (p - seg.ztop) / length;
}

void rowUnitFriction(RunState& state, MethodResults& method) {
  const ComputationState& c = state.computation;
  for (int i = 1; i <= c.depthRowCount; ++i) {
    const double p = c.rowDepth[i];
    method.unitFriction[i] = p < state.input.zeroFrictionLength - kDepthTolerance
                                 ? 0.0
                                 : valueAtDepth(c, method.outsideFriction, p);
  }
}

void limitingFrictionFromProfile(RunState& state, MethodResults& method) {
  const ComputationState& c = state.computation;
  for (int i = 1; i <= c.depthRowCount; ++i) {
    method.limitingFriction[i] = c.increments[incrementOfRow(c, i)].maxUnitSideFriction;
  }
}

void accumulateSkinFriction(RunState& state, MethodResults& m, bool applyTensionFactor) {
  const InputModel& in = state.input;
  const ComputationState& c = state.computation;
  const int rows = c.depthRowCount;
  const double perimeter = kPerimeterPi * diameterInLengthUnit(in, in.outerDiameter);
  const double dz = c.increment;
  // In tension every row's friction, the surface row's included, is reduced alike.
  if (applyTensionFactor && in.loadingType == 1) {
    for (int i = 1; i <= rows; ++i) m.unitFriction[i] *= in.tensionFactor;
  }
  for (int i = 1; i <= rows; ++i) {
    m.reportedFriction[i] = std::min(m.unitFriction[i], m.limitingFriction[i]);
  }
  m.incrementForce[1] = 0.0;
  m.unfactoredSkinFriction[1] = 0.0;
  m.factoredSkinFriction[1] = 0.0;
  for (int i = 2; i <= rows; ++i) {
    double force = (m.unitFriction[i - 1] + m.unitFriction[i]) / 2.0 * perimeter * dz;
    const double cap = (m.limitingFriction[i - 1] + m.limitingFriction[i]) / 2.0 * perimeter * dz;
    if (force - cap > 1.0e-6) force = cap;
    m.incrementForce[i] = force;
    m.unfactoredSkinFriction[i] = m.unfactoredSkinFriction[i - 1] + force;
    m.factoredSkinFriction[i] =
        m.factoredSkinFriction[i - 1] +
        force * c.increments[incrementOfRow(c, i)].sideReductionFactor;
  }
  const bool reduced = in.reducedCurvesSwitch == 1;
  for (int i = 1; i <= rows; ++i) {
    m.loadTransferColumn[i] = reduced ? m.factoredSkinFriction[i] : m.unfactoredSkinFriction[i];
    m.skinFriction[i] = i == 1 ? m.unfactoredSkinFriction[1] : m.factoredSkinFriction[i];
  }
}

double pileSelfWeight(const InputModel& in, double p) {
  const bool english = isEnglish(in);
  // A noncircular section weighs its own cross-section (the tip area, as the axial
  // stiffness and the echo take it), not a solid circle of the same perimeter, which for an
  // H-pile would be many times the steel there is.
  double area = kQuarterPi * squaredToArea(in, in.outerDiameter * in.outerDiameter -
                                                   in.innerDiameter * in.innerDiameter);
  if (noncircularTip(in)) area = in.tipArea;
  if (in.areaMode == 1) area = english ? in.constantSectionArea / 144.0 : in.constantSectionArea;
  double unitWeight = english ? 0.49 : 76.973;
  if (in.pileType == 2) unitWeight = english ? 0.05 : 7.854;
  if (in.pileType == 3) unitWeight = english ? 0.15 : 23.563;
  const double buoyant = unitWeight - (english ? 0.0624 : 9.8);
  const double waterLine = 0.1;
  if (p <= waterLine) return area * unitWeight * p;
  return area * unitWeight * waterLine + area * buoyant * (p - waterLine);
}

void runEndBearingSteps(RunState& state, int methodCode) {
  ComputationState& c = state.computation;
  c.methodCode = methodCode;
  MethodResults& method = c.methods[methodCode];
  unitEndBearing(state, methodCode);
  wallForce(state, methodCode);
  plugFriction(state, method);
  unpluggedTip(state);
  pluggedAverage(state);
  chooseTip(state, method);
}

}  // namespace corvex
