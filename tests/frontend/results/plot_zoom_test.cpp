// Rubber-band zoom, the smallest-window rule, zooming out and the position caption.
#include <gtest/gtest.h>

#include "results/graph_plot.h"
#include "results/plot_zoom.h"

namespace corvex {
namespace {

// A 100 x 200 pixel plot from (100, 50) over the data range X 0 ... 100, Y 0 ... 200, so one
// pixel is one data unit in X and in Y.
struct ZoomFixture : testing::Test {
  ZoomFixture() {
    layout.Plot = {100, 50, 200, 250};
    full = {0, 100, 0, 200};
    current = full;
  }
  TPlotLayout layout;
  TDataRange full;
  TDataRange current;
};

TEST_F(ZoomFixture, BandBecomesTheRangeWhicheverCornerComesFirst) {
  // Y axis at the top (depth plots): pixel row 50 is Y 0. Band x 180 -> 120, y 150 -> 70.
  ASSERT_TRUE(ZoomToBand(current, full, layout, true, {180, 150}, {120, 70}));
  EXPECT_DOUBLE_EQ(current.XMin, 20);
  EXPECT_DOUBLE_EQ(current.XMax, 80);
  EXPECT_DOUBLE_EQ(current.YMin, 20);
  EXPECT_DOUBLE_EQ(current.YMax, 100);
}

TEST_F(ZoomFixture, YGrowsUpwardWithoutXOnTop) {
  ASSERT_TRUE(ZoomToBand(current, full, layout, false, {120, 230}, {180, 150}));
  // Row 230 is 20 above the bottom (Y 20), row 150 is Y 100.
  EXPECT_DOUBLE_EQ(current.YMin, 20);
  EXPECT_DOUBLE_EQ(current.YMax, 100);
}

TEST_F(ZoomFixture, BandOnePixelHighDoesNotZoom) {
  EXPECT_FALSE(ZoomToBand(current, full, layout, true, {110, 100}, {190, 100}));
  EXPECT_FALSE(ZoomToBand(current, full, layout, true, {110, 100}, {110, 190}));
  EXPECT_EQ(current, full);
}

TEST_F(ZoomFixture, NarrowBandGetsOneTwentiethOfTheFullRangeCentredAndInside) {
  // X band 140 ... 142 (width 2 < 100/20 = 5): X range 5 wide around 41 -> 38.5 ... 43.5.
  // Y band 51 ... 53 (Y 1 ... 3, width 2 < 200/20 = 10): around 2 -> -3 ... 7, shifted
  // inside the full range to 0 ... 10.
  ASSERT_TRUE(ZoomToBand(current, full, layout, true, {140, 51}, {142, 53}));
  EXPECT_DOUBLE_EQ(current.XMin, 38.5);
  EXPECT_DOUBLE_EQ(current.XMax, 43.5);
  EXPECT_DOUBLE_EQ(current.YMin, 0);
  EXPECT_DOUBLE_EQ(current.YMax, 10);
}

TEST_F(ZoomFixture, RightClickDoublesTheRangeAndStaysInside) {
  current = {40, 50, 180, 190};
  // X: half-width 10, click 45 -> 35 ... 55. Y: click at 195 near the top of the full range:
  // half-width 10, centre clamped to 190 -> 180 ... 200.
  ZoomOut(current, full, 45, 195);
  EXPECT_DOUBLE_EQ(current.XMin, 35);
  EXPECT_DOUBLE_EQ(current.XMax, 55);
  EXPECT_DOUBLE_EQ(current.YMin, 180);
  EXPECT_DOUBLE_EQ(current.YMax, 200);
  // Repeated clicks end at the full range and stay there.
  for (int i = 0; i < 6; ++i) ZoomOut(current, full, 45, 195);
  EXPECT_EQ(current, full);
}

TEST_F(ZoomFixture, MouseIsClampedIntoThePlot) {
  EXPECT_EQ(ClampIntoPlot(layout, {10, 400}), (TPixelPoint{100, 250}));
  EXPECT_EQ(ClampIntoPlot(layout, {150, 60}), (TPixelPoint{150, 60}));
}

TEST(PositionCaption, FiveSignificantDigits) {
  EXPECT_EQ(PositionCaption("Combine Plot", 123.456789, 0.5), "Combine Plot X: 123.46 Y: 0.5");
}

TEST(Mapping, DataToPixelsAndBack) {
  // Plot 0 ... 600 wide over X 0 ... 50: X 12.5 -> 150. Y 0 ... 27 over rows 10 ... 280:
  // c = round(13.5 / 27 * 270) = 135 -> 145 with X on top, 280 - 135 = 145 as well.
  TPlotLayout l;
  l.Plot = {0, 10, 600, 280};
  const TDataRange r{0, 50, 0, 27};
  EXPECT_EQ(MapX(l, r, 12.5), 150);
  EXPECT_EQ(MapY(l, r, 13.5, true), 145);
  EXPECT_EQ(MapY(l, r, 2.7, false), 280 - 27);
  // Halves round to even: 0.5 px -> 0, 1.5 px -> 2 (X 1/24 and 3/24 of 50 on 12 px).
  l.Plot = {0, 0, 12, 10};
  EXPECT_EQ(MapX(l, r, 50.0 / 24), 0);
  EXPECT_EQ(MapX(l, r, 3 * 50.0 / 24), 2);
  double x, y;
  UnmapPoint(l, r, true, 20, 5, x, y);  // outside the plot
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

TEST(Layout, WindowLayoutByHand) {
  // 800 x 600 client, 96 dpi, h 14. Left = 28 + 12 + 1 = 41; right = 800 - 24 - 7 = 769.
  // X on top: top = 28 + 12 + 1 = 41, bottom = 600 - 24 - 7 = 569. Title on top: +1 +14 -> 56.
  // Soil layers: right 769 - 96 = 673, column 673 + 19 = 692 ... 769.
  TGraphPlot g;
  g.XOnTop = true;
  g.Title = "Site A";
  g.TitleAtTop = true;
  g.ShowLayers = true;
  const TPlotLayout l = LayoutForWindow(g, {0, 0, 800, 600}, 96, 96, 14, 96);
  EXPECT_EQ(l.Plot, (TPixelRect{41, 56, 673, 569}));
  EXPECT_EQ(l.Column, (TPixelRect{692, 56, 769, 569}));
  // Without X on top: top = 7 + 24 = 31, bottom = 600 - 28 - 12 - 1 = 559; title at the
  // bottom lifts it by h.
  g.XOnTop = false;
  g.TitleAtTop = false;
  g.ShowLayers = false;
  const TPlotLayout m = LayoutForWindow(g, {0, 0, 800, 600}, 96, 96, 14, 96);
  EXPECT_EQ(m.Plot, (TPixelRect{41, 31, 769, 545}));
}

}  // namespace
}  // namespace corvex
