#include "settlement/tz_curve_list.h"

#include <algorithm>

#include "settlement/settlement_units.h"
#include "settlement/tz_curve_shapes.h"
#include "settlement/unit_side_resistance.h"

namespace corvex::settlement {
namespace {

// An interval thinner than this (ft or m) gets no curves.
constexpr double kThinInterval = 0.11;

bool isSand(double soilType) { return soilType > 1.0 - 1.0e-6 && soilType < 1.0 + 1.0e-6; }

int intervalsWithCurves(const InputModel& input) {
  int count = 0;
  for (int k = 1; k < input.profilePointCount; ++k) {
    if (input.points[k + 1].depth - input.points[k].depth >= kThinInterval - kDepthTolerance) {
      ++count;
    }
  }
  return count;
}

// Adds one curve; depthBelowGround is in the working length unit.
void addCurve(SettlementState& st, const CurvePile& pile, double depthBelowGround, int type,
              double frictionAngle) {
  TzCurve& c = st.curves[++st.curveCount];
  c = TzCurve{};
  c.number = st.curveCount;
  c.depth = depthBelowGround + pile.stickUp;
  c.type = type;
  c.frictionAngle = frictionAngle;
  const double depthInRowUnits = pile.english ? depthBelowGround / 12.0 : depthBelowGround;
  c.tmax = ultimateUnitSideResistance(st.source, depthInRowUnits, pile.english, pile.od);
  fillTzCurve(c, pile.usace, pile.english, pile.od);
}

void addStickUpCurve(SettlementState& st, const CurvePile& pile, double depthFromHead) {
  TzCurve& c = st.curves[++st.curveCount];
  c = TzCurve{};
  c.number = st.curveCount;
  c.depth = depthFromHead;
  c.type = 2;
  c.tmax = 0.0;
  fillTzCurve(c, pile.usace, pile.english, pile.od);
}

}  // namespace

bool buildTzCurveList(SettlementState& st, const InputModel& input, const CurvePile& pile,
                      std::string& reason) {
  st.curveCount = 0;
  const bool hasStickUp = pile.stickUp > kDepthTolerance;
  st.stickUpCurveCount = hasStickUp ? 3 : 0;

  const int needed = st.stickUpCurveCount + 3 * intervalsWithCurves(input);
  if (needed > kMaxTzCurves) {
    reason = "The soil profile needs " + std::to_string(needed) + " t-z curves, more than the " +
             std::to_string(kMaxTzCurves) + " that the engine stores; merge some of its layers.";
    st.stickUpCurveCount = 0;
    return false;
  }

  if (hasStickUp) {
    // Zero curves on the stick-up: the pile head, half the stick-up and just above the
    // ground (kept below the half-way curve so that depths keep increasing).
    addStickUpCurve(st, pile, 0.0);
    addStickUpCurve(st, pile, 0.5 * pile.stickUp);
    addStickUpCurve(st, pile, std::max(pile.stickUp - 0.1, 0.5 * pile.stickUp));
  }

  for (int k = 1; k < input.profilePointCount; ++k) {
    const ProfilePoint& upper = input.points[k];
    const ProfilePoint& lower = input.points[k + 1];
    if (lower.depth - upper.depth < kThinInterval - kDepthTolerance) continue;

    double top = 0.0;
    double bottom = 0.0;
    double middle = 0.0;
    if (pile.english) {
      top = upper.depth * 12.0;
      bottom = lower.depth * 12.0 - 0.5;
      middle = (1.1 + top + bottom) * 0.5;
    } else {
      top = upper.depth;
      bottom = lower.depth - 0.1;
      middle = (0.1 + top + bottom) * 0.5;
    }
    const int type = isSand(upper.soilType) && isSand(lower.soilType) ? 1 : 2;
    addCurve(st, pile, top, type, upper.frictionAngle);
    addCurve(st, pile, middle, type, 0.5 * (upper.frictionAngle + lower.frictionAngle));
    addCurve(st, pile, bottom, type, lower.frictionAngle);
  }
  return true;
}

int profilePointAtOrBelow(const InputModel& input, double depth) {
  for (int k = 1; k <= input.profilePointCount; ++k) {
    if (input.points[k].depth >= depth - kDepthTolerance) return k;
  }
  return input.profilePointCount;
}

}  // namespace corvex::settlement
