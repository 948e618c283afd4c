// Autoscaling and tick spacing, checked against values worked out by hand.
#include <gtest/gtest.h>

#include "results/graph_plot.h"
#include "results/graph_scale.h"

namespace corvex {
namespace {

struct ScaleCase {
  const char* what;
  double dataMin, dataMax;  // X data of a single two-point curve (Y spans 0 ... 1)
  double step, rangeMin, rangeMax;
};

class AutoscaleTable : public testing::TestWithParam<ScaleCase> {};

TEST_P(AutoscaleTable, RoundsOutwardToTheStep) {
  const ScaleCase& c = GetParam();
  TGraphPlot graph;
  graph.SetLineCount(1);
  graph.SetPointCount(2);
  graph.Points(0, 0) = {c.dataMin, 0};
  graph.Points(0, 1) = {c.dataMax, 1};
  const TAutoscale scale = Autoscale(graph);
  ASSERT_TRUE(scale.Usable);
  EXPECT_NEAR(scale.XStep, c.step, c.step * 1e-9) << c.what;
  EXPECT_NEAR(scale.Range.XMin, c.rangeMin, c.step * 1e-6) << c.what;
  EXPECT_NEAR(scale.Range.XMax, c.rangeMax, c.step * 1e-6) << c.what;
}

// By hand: a = log10(width); s = 10^floor(a), divided by 10 when frac(a) < log10 3 = 0.4771.
INSTANTIATE_TEST_SUITE_P(
    Cases, AutoscaleTable,
    testing::Values(
        // width 0.02 after widening: a = -1.699, s = 0.01, frac 0.301 < 0.477 -> 0.001
        ScaleCase{"all X = 0", 0, 0, 0.001, -0.01, 0.01},
        // a = 1.431, s = 10, frac 0.431 < 0.477 -> 1; 27 stays 27
        ScaleCase{"0 to 27", 0, 27, 1, 0, 27},
        // a = 1.653 -> s = 10; 45 rounds up to 50
        ScaleCase{"0 to 45", 0, 45, 10, 0, 50},
        // data 2 to 45 still start at 0
        ScaleCase{"positive data keep 0", 2, 45, 10, 0, 50},
        // a = log10 3.2 = 0.505 -> s = 1; -3.2 rounds down to -4
        ScaleCase{"negative data", -3.2, 0, 1, -4, 0},
        // width 1234: a = 3.091, frac < 0.477 -> s = 100; 1234 -> 1300
        ScaleCase{"0 to 1234", 0, 1234, 100, 0, 1300}));

TEST(Autoscale, CoversEveryCurveShownOrNotButNotTheLayers) {
  TGraphPlot graph;
  graph.SetLineCount(2);
  graph.SetPointCount(2);
  graph.Points(0, 1) = {5, 8};
  graph.Points(1, 1) = {-7, 20};
  graph.Lines(1).Shown = false;
  graph.Lines(1).Active = false;
  graph.SetLayerCount(1);
  graph.SetLayerPointCount(1);
  graph.Layers(0).Points[0] = {7, 900};
  const TAutoscale scale = Autoscale(graph);
  // Y 0 ... 20: a = 1.301 -> s = 1 -> 0 ... 20; X -7 ... 5: width 12, a = 1.079 -> s = 1.
  EXPECT_DOUBLE_EQ(scale.Range.YMax, 20);
  EXPECT_DOUBLE_EQ(scale.Range.XMin, -7);
  EXPECT_DOUBLE_EQ(scale.Range.XMax, 5);
}

TEST(Autoscale, UnusableWhenTheDataHoldNoNumber) {
  TGraphPlot graph;
  graph.SetLineCount(1);
  graph.SetPointCount(1);
  graph.Points(0, 0) = {1, std::numeric_limits<double>::infinity()};
  EXPECT_FALSE(Autoscale(graph).Usable);
}

TEST(TickSpacing, SixHundredPixelExample) {
  // nX = 600 div 84 = 7; raw = 50/7 = 7.14, g = 1, k = 7 -> major 5, tick 1.
  const TAxisTicks t = TickSpacing(0, 50, 600, 14);
  ASSERT_TRUE(t.Present);
  EXPECT_DOUBLE_EQ(t.Step, 1);
  EXPECT_EQ(t.First, 0);
  EXPECT_EQ(t.Last, 50);
}

TEST(TickSpacing, MajorStepTable) {
  struct Case {
    double max;
    int pixels;
    double tick;
  } cases[] = {
      {10, 840, 0.2},   // n = 10, raw 1, k = 1 -> major 1
      {30, 840, 0.4},   // raw 3, k = 3 -> major 2
      {90, 840, 2},     // raw 9, k = 9 -> major 10
      {480, 840, 4},    // raw 48, g 10, k = 4 -> major 20, tick 4
  };
  for (const Case& c : cases) {
    const TAxisTicks t = TickSpacing(0, c.max, c.pixels, 14);
    EXPECT_NEAR(t.Step, c.tick, c.tick * 1e-12) << c.max;
  }
}

TEST(TickSpacing, NegativeRangeCountsIndicesBelowZero) {
  // -4 ... 0 on 600 px: raw 4/7 = 0.571, g 0.1, k 5 -> major 0.5, tick 0.1; -40 ... 0
  // (-4.0 may miss by rounding: 40 * 0.1 is 4.000000000000001 in binary).
  const TAxisTicks t = TickSpacing(-4, 0, 600, 14);
  EXPECT_TRUE(t.First == -40 || t.First == -39) << t.First;
  EXPECT_EQ(t.Last, 0);
}

TEST(TickSpacing, NoTicksWhenThePlotIsTooSmall) {
  EXPECT_FALSE(TickSpacing(0, 50, 83, 14).Present);   // 83 div 84 = 0
  EXPECT_FALSE(TickSpacing(0, 0, 600, 14).Present);   // empty range
}

}  // namespace
}  // namespace corvex
