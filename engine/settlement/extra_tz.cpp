#include "settlement/extra_tz.h"

#include <algorithm>

#include "core/fortran_format.h"
#include "settlement/settlement_units.h"
#include "settlement/settlement_writer.h"
#include "settlement/tz_curve_shapes.h"
#include "settlement/unit_side_resistance.h"

namespace corvex {

using namespace settlement;

namespace {

constexpr double kThinInterval = 0.11;

bool isSand(double soilType) { return soilType > 1.0 - 1.0e-6 && soilType < 1.0 + 1.0e-6; }

// The first profile interval at least 0.11 thick whose lower point is not above the depth;
// 0 when there is none.
int intervalAt(const InputModel& input, double depth) {
  for (int k = 1; k < input.profilePointCount; ++k) {
    const double top = input.points[k].depth;
    const double bottom = input.points[k + 1].depth;
    if (bottom - top < kThinInterval - kDepthTolerance) continue;
    if (bottom >= depth - kDepthTolerance) return k;
  }
  return 0;
}

void buildExtraCurve(const InputModel& input, const SettlementState& st, double depth,
                     TzCurve& curve) {
  const bool english = isEnglish(input.unitSystem);
  const double lengthFactor = english ? 12.0 : 1.0;
  const double od = english ? input.outerDiameter : input.outerDiameter / 1000.0;
  curve = TzCurve{};
  // The user enters these depths below the ground surface. The curve is held from the pile
  // head like the curves along the pile, so that the writer, which takes the stick-up off
  // again, prints the depth as entered rather than one stick-up length too shallow.
  curve.depth = (depth + input.stickUpLength) * lengthFactor;
  const int k = intervalAt(input, depth);
  if (k > 0) {
    const ProfilePoint& upper = input.points[k];
    const ProfilePoint& lower = input.points[k + 1];
    curve.type = isSand(upper.soilType) && isSand(lower.soilType) ? 1 : 2;
    // The friction angle at the depth itself, on the straight line between the interval's
    // two points (a depth above the interval takes its top value).
    const double span = lower.depth - upper.depth;
    const double w = std::clamp((depth - upper.depth) / span, 0.0, 1.0);
    curve.frictionAngle = upper.frictionAngle + (lower.frictionAngle - upper.frictionAngle) * w;
  }
  curve.tmax = ultimateUnitSideResistance(st.source, depth, english, od);
  fillTzCurve(curve, input.tzMethod == kUsaceMethod, english, od);
}

}  // namespace

void writeExtraTzCurves(const InputModel& input, const RunContext& context, SettlementState& st,
                        std::ostream& report, std::ostream& plot) {
  const int count = std::min(input.extraDepthCount, kMaxExtraDepths);
  st.extraCount = std::max(count, 0);
  st.extraInRangeCount = 0;
  if (st.extraCount < 1) return;

  const double deepest =
      input.profilePointCount >= 1 ? input.points[input.profilePointCount].depth : 0.0;
  for (int i = 1; i <= st.extraCount; ++i) {
    const double depth = input.extraDepths[i];
    st.extraInRange[i] = depth >= -kDepthTolerance && depth <= deepest + kDepthTolerance;
    if (st.extraInRange[i]) ++st.extraInRangeCount;
    buildExtraCurve(input, st, depth, st.extraCurves[i]);
    st.extraCurves[i].number = i;
  }

  const WriterUnits units = writerUnits(context, input);
  report << '\n' << '\n';
  const std::string rule(49, '*');
  report << ReportLine().x(16).a(rule).str() << '\n';
  report << ReportLine().x(16).a("* COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *").str() << '\n';
  report << ReportLine().x(16).a("* (t-z) CURVES FOR VERIFICATION                 *").str() << '\n';
  report << ReportLine().x(16).a(rule).str() << '\n';
  report << '\n' << '\n';
  writeTzTableHeading(report, units);
  writeCountLine(plot, st.extraInRangeCount);
  for (int i = 1; i <= st.extraCount; ++i) {
    const TzCurve& curve = st.extraCurves[i];
    if (!st.extraInRange[i]) {
      const double belowGround = input.extraDepths[i];
      report << ReportLine().x(8).i(i, 5).i(curve.pointCount, 11).e(belowGround, 16, 4).str()
             << '\n';
      report << ReportLine().x(15).a("CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE").str()
             << '\n';
      continue;
    }
    writeTzCurve(report, curve, i, units);
    writeTzCurve(plot, curve, i, units);
  }
}

void runExtraTzOutput(RunState& state) {
  writeExtraTzCurves(state.input, state.context, state.settlement, state.context.report,
                     state.context.plot);
}

}  // namespace corvex
