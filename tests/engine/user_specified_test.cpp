// User-specified load transfer: cumulative skin friction and end bearing per row from the
// user's unit values.
#include <gtest/gtest.h>

#include <array>
#include <numbers>
#include <vector>

#include "methods/user_specified.h"

namespace corvex {
namespace {

std::vector<UserIncrement> layers(int count, double fu, double qu) {
  return std::vector<UserIncrement>(static_cast<std::size_t>(count), UserIncrement{fu, qu, 1.0, 1.0});
}

// fu = 1 ksf on a 12-in pile, Δz = 1 ft: QS(i) = π·1 ft·1 ksf·1 ft·(i − 1) kips.
TEST(UserSpecified, UniformFrictionOnTwelveInchPile) {
  const auto column = layers(30, 1.0, 20.0);
  UserPile pile{true, 12.0, 0.0, 1.0};
  std::array<double, 21> skin{};
  std::array<double, 21> end{};
  std::array<double, 21> unit{};
  computeUserSpecifiedRows(pile, column, skin, end, unit);
  for (std::size_t i = 0; i < skin.size(); ++i) {
    EXPECT_NEAR(skin[i], std::numbers::pi * 1.0 * 1.0 * static_cast<double>(i), 1e-4) << i + 1;
    EXPECT_NEAR(end[i], 0.7853975 * 20.0, 1e-9);  // A = π/4·1 ft², qu = 20 ksf
  }
}

TEST(UserSpecified, EndBearingJumpsAtLayerBoundaryAndFactorsApplyEverywhere) {
  auto column = layers(10, 1.0, 10.0);
  for (std::size_t k = 5; k < column.size(); ++k) column[k].unitEndBearing = 30.0;
  for (auto& inc : column) inc.sideFactor = 0.5;
  UserPile pile{true, 12.0, 0.0, 1.0};
  std::array<double, 8> skin{};
  std::array<double, 8> end{};
  std::array<double, 8> unit{};
  computeUserSpecifiedRows(pile, column, skin, end, unit);
  EXPECT_NEAR(end[5], 0.7853975 * 10.0, 1e-9);  // p = 5 ft: still the upper layer
  EXPECT_NEAR(end[6], 0.7853975 * 30.0, 1e-9);  // p = 6 ft: the lower layer, no averaging
  // The LRFD factor on friction applies from the first increment on.
  EXPECT_NEAR(skin[1], 0.5 * 3.14159, 1e-12);
  EXPECT_NEAR(skin[7], 0.5 * 3.14159 * 7.0, 1e-9);
}

TEST(UserSpecified, MetricNoncircularTipArea) {
  const auto column = layers(10, 50.0, 1000.0);
  UserPile pile{false, 400.0, 0.16, 0.5};
  std::array<double, 3> skin{};
  std::array<double, 3> end{};
  std::array<double, 3> unit{};
  computeUserSpecifiedRows(pile, column, skin, end, unit);
  EXPECT_NEAR(end[0], 160.0, 1e-9);                        // 0.16 m² · 1000 kPa
  EXPECT_NEAR(skin[2], 2.0 * 3.14159 * 0.4 * 50.0 * 0.5, 1e-9);  // two 0.5-m steps
}

}  // namespace
}  // namespace corvex
