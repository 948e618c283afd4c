#include "methods/user_specified.h"

#include <array>
#include <cstddef>

#include "core/run_state.h"

namespace corvex {
namespace {

constexpr double kQuarterPi = 0.7853975;
constexpr double kPi = 3.14159;
constexpr double kTolerance = 1.0e-6;

// The increment containing penetration p: the first whose accumulated bottom is not above
// p (the last increment for a penetration below the table).
std::size_t incrementContaining(std::span<const UserIncrement> increments, double p) {
  double bottom = 0.0;
  for (std::size_t k = 0; k < increments.size(); ++k) {
    bottom += increments[k].length;
    if (bottom >= p - kTolerance) return k;
  }
  return increments.size() - 1;
}

}  // namespace

void computeUserSpecifiedRows(const UserPile& pile, std::span<const UserIncrement> increments,
                              std::span<double> skinFriction, std::span<double> endBearing,
                              std::span<double> unitFriction) {
  if (increments.empty() || skinFriction.empty()) return;
  const double d = pile.diameter / (pile.english ? 12.0 : 1000.0);
  const double tipArea = pile.noncircularTipArea > 1.0e-4 ? pile.noncircularTipArea
                                                          : kQuarterPi * d * d;
  const double perimeter = kPi * d;
  const double dz = pile.depthIncrement;

  skinFriction[0] = 0.0;
  endBearing[0] = tipArea * increments[0].unitEndBearing;
  unitFriction[0] = increments[0].unitSkinFriction;
  for (std::size_t i = 1; i < skinFriction.size(); ++i) {
    const double p = static_cast<double>(i) * dz;
    const std::size_t j = p - increments[0].length > kTolerance
                              ? incrementContaining(increments, p)
                              : 0;
    // The LRFD factor on friction of the row's increment applies to every row, the
    // first increment's included.
    const std::size_t rowIncrement = i < increments.size() ? i : increments.size() - 1;
    endBearing[i] = tipArea * increments[j].unitEndBearing;
    unitFriction[i] = increments[j].unitSkinFriction;
    skinFriction[i] = skinFriction[i - 1] + perimeter * increments[j].unitSkinFriction * dz *
                                                increments[rowIncrement].sideFactor;
  }
}

void computeUserSpecifiedUnitResistance(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  MethodResults& m = c.methods[kMethodUserSpecified];
  const int count = c.incrementCount;
  const int rows = c.depthRowCount;
  if (count < 1 || rows < 1) return;

  std::array<UserIncrement, kIncrementSlots> increments{};
  for (int k = 1; k <= count; ++k) {
    const IncrementSoil& seg = c.increments[k];
    increments[static_cast<std::size_t>(k - 1)] = {seg.userUnitSkinFriction,
                                                    seg.userUnitEndBearing, seg.length,
                                                    seg.sideReductionFactor};
  }
  const UserPile pile{in.unitSystem == 1, in.outerDiameter, in.tipArea, c.increment};
  const auto rowSpan = [rows](RowArray& column) {
    return std::span<double>(column.data() + 1, static_cast<std::size_t>(rows));
  };
  computeUserSpecifiedRows(pile,
                           std::span<const UserIncrement>(increments.data(),
                                                          static_cast<std::size_t>(count)),
                           rowSpan(m.skinFriction), rowSpan(m.endBearing),
                           rowSpan(m.reportedFriction));
  // The zero-friction length and the maximum unit values do not apply to this method.
  for (int i = 1; i <= rows; ++i) {
    m.unitFriction[i] = m.reportedFriction[i];
    m.limitingFriction[i] = kNoLimit;
    m.unfactoredSkinFriction[i] = m.skinFriction[i];
    m.factoredSkinFriction[i] = m.skinFriction[i];
    m.loadTransferColumn[i] = m.skinFriction[i];
    m.incrementForce[i] = i == 1 ? 0.0 : m.skinFriction[i] - m.skinFriction[i - 1];
  }
  m.writesInsideFriction = false;
}

}  // namespace corvex
