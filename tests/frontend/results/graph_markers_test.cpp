// Marker outlines and the soil fill patterns, worked out by hand at 96 pixels per inch
// (marker radius 96/32 = 3 pixels).
#include <gtest/gtest.h>

#include "results/graph_markers.h"
#include "results/soil_patterns.h"

namespace corvex {
namespace {

TEST(Markers, ShapeRepeatsEveryTenCurves) {
  EXPECT_EQ(MarkerShape(0), 1);
  EXPECT_EQ(MarkerShape(9), 10);
  EXPECT_EQ(MarkerShape(10), 1);  // the 11th curve looks like the first
}

TEST(Markers, TrianglePointsDown) {
  // At 64 dpi the radius is 2. θ = π, 5π/3, 7π/3, 3π: (0, +2), (-1.732 -> -2, -1),
  // (+2, -1), back to (0, +2).
  const std::vector<TPixelPoint> expected{{50, 52}, {48, 49}, {52, 49}, {50, 52}};
  EXPECT_EQ(MarkerOutline(1, 50, 50, 64, 64), expected);
}

TEST(Markers, SquareAndDiamond) {
  // Square: θ = π/4 + kπ/2, offsets ±2.12 -> ±2.
  const std::vector<TPixelPoint> square{{12, 8}, {12, 12}, {8, 12}, {8, 8}, {12, 8}};
  EXPECT_EQ(MarkerOutline(2, 10, 10, 96, 96), square);
  // Shape 4 is a diamond with a vertex straight up.
  const std::vector<TPixelPoint> diamond{{10, 7}, {13, 10}, {10, 13}, {7, 10}, {10, 7}};
  EXPECT_EQ(MarkerOutline(4, 10, 10, 96, 96), diamond);
  EXPECT_EQ(MarkerOutline(10, 0, 0, 96, 96).size(), 11u);  // decagon, closed
}

TEST(SoilPatterns, ClayAndSandScreenBitmaps) {
  const TPattern* clay = SoilPattern(1, false);
  ASSERT_NE(clay, nullptr);
  ASSERT_EQ(clay->Width, 8);
  // One line per 8 pixels, rising to the right: (7, 0), (6, 1) ... (0, 7).
  int set = 0;
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) set += clay->At(c, r);
  EXPECT_EQ(set, 8);
  EXPECT_TRUE(clay->At(7, 1) && clay->At(6, 2) && clay->At(0, 0));

  const TPattern* sand = SoilPattern(7, false);
  ASSERT_NE(sand, nullptr);
  // A 2 x 2 dot at the origin of the 8 x 8 cell.
  EXPECT_TRUE(sand->At(0, 0) && sand->At(1, 1));
  EXPECT_FALSE(sand->At(2, 0) || sand->At(0, 2));

  const TPattern* sandPrint = SoilPattern(7, true);
  ASSERT_NE(sandPrint, nullptr);
  EXPECT_EQ(sandPrint->Width, 96);
  // Staggered: the second row of dots is shifted by half a grid.
  EXPECT_FALSE(sandPrint->At(0, 24));
  EXPECT_TRUE(sandPrint->At(12, 24));

  EXPECT_EQ(SoilPattern(2, false), nullptr);  // hatches are brushes, not bitmaps
  EXPECT_NE(SoilPattern(12, true), nullptr);
}

}  // namespace
}  // namespace corvex
