// The elevation of the pile and its layers: outline, bounds, proportions, labels and the
// printed profile, against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "results/side_view_geometry.h"

using namespace corvex;

TEST(SideView, PileWidthFromDiameterOrPerimeter) {
  EXPECT_DOUBLE_EQ(SidePileWidth(0, 48, 1), 1.0);      // 48 in / 4 = 12 in = 1 ft
  EXPECT_DOUBLE_EQ(SidePileWidth(18, 56.5, 1), 1.5);   // 18 in
  EXPECT_DOUBLE_EQ(SidePileWidth(356, 0, 2), 0.356);   // 356 mm
  EXPECT_DOUBLE_EQ(SidePileWidth(0.00005, 1424, 2), 0.356);  // below 1e-4: perimeter / 4
}

TEST(SideView, OutlineRectangleOrTrapezoid) {
  const TSideQuad r = SidePileOutline(1, 60, 5, 0);
  EXPECT_DOUBLE_EQ(r.X[0], -0.5);
  EXPECT_DOUBLE_EQ(r.Y[0], -5);
  EXPECT_DOUBLE_EQ(r.X[1], 0.5);
  EXPECT_DOUBLE_EQ(r.X[2], -0.5);
  EXPECT_DOUBLE_EQ(r.Y[2], 55);
  EXPECT_DOUBLE_EQ(r.X[3], 0.5);
  // 1 degree with 3.1416: theta = 0.01745333, tan = theta + theta^3 / 3 = 0.01745510,
  // 60 * tan = 1.047306 on each side.
  const TSideQuad t = SidePileOutline(3, 60, 5, 1);
  EXPECT_NEAR(t.X[2], -1.5 + 1.047306, 1e-5);
  EXPECT_NEAR(t.X[3], 1.5 - 1.047306, 1e-5);
  EXPECT_DOUBLE_EQ(t.Y[3], 55);
}

TEST(SideView, BoundsIncludeZeroTheLayersAndFivePercent) {
  const TSideRange b = SideBounds({SidePileOutline(1, 60, 5, 0)}, 70);
  EXPECT_DOUBLE_EQ(b.XMin, -0.525);
  EXPECT_DOUBLE_EQ(b.XMax, 0.525);
  EXPECT_DOUBLE_EQ(b.YMin, -5.25);
  EXPECT_DOUBLE_EQ(b.YMax, 73.5);
  // Without a pile (no layers) the window keeps -5 ... 5 by 0 ... 5.
  EXPECT_EQ(TSideRange{}, (TSideRange{-5, 5, 0, 5}));
}

TEST(SideView, ViewRangeKeepsTheProportions) {
  const TSideRange b{-0.525, 0.525, -5.25, 73.5};
  // 200 x 100 client: r = 2 / (1.05 / 78.75) = 150, both X bounds times 150.
  const TSideRange wide = SideViewRange(b, 200, 100);
  EXPECT_NEAR(wide.XMin, -78.75, 1e-9);
  EXPECT_NEAR(wide.XMax, 78.75, 1e-9);
  EXPECT_DOUBLE_EQ(wide.YMax, 73.5);
  // The empty project in a 648 x 460 window: r = (648 / 460) / 2 = 0.704348 < 1, so the depth
  // range is divided by r: 5 / 0.704348 = 7.09877.
  const TSideRange empty = SideViewRange(TSideRange{}, 648, 460);
  EXPECT_DOUBLE_EQ(empty.XMin, -5);
  EXPECT_DOUBLE_EQ(empty.YMin, 0);
  EXPECT_NEAR(empty.YMax, 7.09877, 1e-5);
  // A flat drawing cannot be corrected: r = 1.
  EXPECT_EQ(SideViewRange({0, 0, 0, 5}, 300, 100), (TSideRange{0, 0, 0, 5}));
  EXPECT_FALSE(SideRangeUsable({0, NAN, 0, 1}));
}

TEST(SideView, MappingAndDepthCaption) {
  const TSideRange v{-10, 10, 0, 40};
  EXPECT_EQ(SideMapX(v, 200, 0), 100);
  EXPECT_EQ(SideMapY(v, 400, 12.5), 125);
  EXPECT_DOUBLE_EQ(SideDepthAt(v, 400, 123), 12.3);
  EXPECT_EQ(SideDepthCaption(12.34), "  Depth: 12.3");
  EXPECT_EQ(SideDepthCaption(-4.96), "  Depth: -5.0");
}

TEST(SideView, LayerLabels) {
  bool below = false;
  EXPECT_EQ(SideScreenLabel({1, 0, 10.5}, below), "depth= 0 - 10.5; Sand");
  EXPECT_TRUE(below);
  EXPECT_EQ(SideScreenLabel({2, 10.5, 32}, below), "depth= 10.5 - 32; Clay");
  EXPECT_EQ(SideScreenLabel({3, 32, 40}, below), "depth= 32 - 40; Silt");
  EXPECT_EQ(SideScreenLabel({6, 40, 50}, below), "Weak Rock");
  EXPECT_FALSE(below);
  EXPECT_EQ(SidePrintLabel({6, 40, 50}), "depth= 40 - 50; Soft Rock");
  EXPECT_EQ(SidePrintLabel({3, 0.1, 2.25}), "depth= 0.1 - 2.25; Silt");
}

TEST(SideView, PrintedProfileOnALandscapePage) {
  // 3300 x 2550 pixels (11 x 8.5 in at 300 ppi), layers to 20 ft and 40 ft, a 1 ft pile 60 ft long.
  const TSidePrintPage p = SidePrintLayout({{1, 0, 20}, {2, 20, 40}}, 1, 60, 3300, 2550);
  EXPECT_EQ(p.BackLeft, 330);
  EXPECT_EQ(p.BackBottom, 2295);
  // Ground line, ten strokes, two layer bottoms.
  ASSERT_EQ(p.Lines.size(), 13u);
  EXPECT_EQ(p.Lines[0].Y1, 255);  // 0.1 * 2550
  // First stroke: round(0.35 * 2550) = round(892.5) = 892 (+50), round(0.365 * 2550) = 931 (+50).
  EXPECT_EQ(p.Lines[1].X1, 942);
  EXPECT_EQ(p.Lines[1].X2, 981);
  EXPECT_EQ(p.Lines[1].Y2, 325);
  // Bottom of 20 ft: 20 / 40 * 2550 * 0.8 + 255 = 1275; of 40 ft: 2040 + 255 = 2295.
  EXPECT_EQ(p.Lines[11].Y1, 1275);
  EXPECT_EQ(p.Lines[12].Y1, 2295);
  ASSERT_EQ(p.Labels.size(), 2u);
  EXPECT_EQ(p.Labels[1].X, 382);  // round(382.5)
  EXPECT_EQ(p.Labels[1].Y, 1275);
  EXPECT_EQ(p.Labels[1].Text, "depth= 20 - 40; Clay");
  // The bar as wide as the pile: 1 / 40 * 2040 = 51 pixels, 60 / 40 * 2040 = 3060 long.
  EXPECT_TRUE(p.HasBar);
  EXPECT_EQ(p.BarRight - p.BarLeft, 51);
  EXPECT_EQ(p.BarLeft, 1650 - 25);
  EXPECT_EQ(p.BarBottom - p.BarTop, 3060);
  // No layers: no depth scale, only the background.
  const TSidePrintPage none = SidePrintLayout({}, 1, 60, 3300, 2550);
  EXPECT_TRUE(none.Lines.empty());
  EXPECT_FALSE(none.HasBar);
}
