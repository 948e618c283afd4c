// The graph model: curve lists, default names, unit labels and the unit-system clamp.
#include <gtest/gtest.h>

#include "results/graph_plot.h"

namespace corvex {
namespace {

TEST(GraphPlot, LineCountKeepsExistingCurvesAndNumbersNewOnes) {
  TGraphPlot g;
  g.SetLineCount(2);
  g.SetPointCount(3);
  g.Lines(1).Name = "FHWA";
  g.Lines(1).Shown = false;
  g.SetLineCount(4);
  ASSERT_EQ(g.LineCount(), 4);
  EXPECT_EQ(g.Lines(1).Name, "FHWA");
  EXPECT_FALSE(g.Lines(1).Shown);
  EXPECT_EQ(g.Lines(3).Points.size(), 3u);  // as many points as curve 0
  EXPECT_DOUBLE_EQ(g.Lines(3).Number, 4);
  EXPECT_TRUE(g.Lines(3).Shown && g.Lines(3).Active);
  EXPECT_EQ(g.DisplayName(g.Lines(3)), "Curve #4");
  EXPECT_EQ(g.DisplayName(g.Lines(1)), "FHWA");
  g.SetLineCount(-3);
  EXPECT_EQ(g.LineCount(), 0);
  EXPECT_EQ(g.PointCount(), 0);
}

TEST(GraphPlot, PointCountAppliesToEveryCurve) {
  TGraphPlot g;
  g.SetLineCount(2);
  g.SetPointCount(5);
  g.Points(1, 1) = {3, 4};
  g.SetPointCount(2);
  EXPECT_EQ(g.PointCount(), 2);
  EXPECT_DOUBLE_EQ(g.Points(1, 1).X, 3);
  g.SetPointCount(-1);
  EXPECT_EQ(g.Lines(1).Points.size(), 0u);
}

TEST(GraphPlot, UnitsClampIntoOneToThree) {
  TGraphPlot g;
  g.SetUnits(7);
  EXPECT_EQ(g.Units(), 3);
  g.SetUnits(0);
  EXPECT_EQ(g.Units(), 1);
  g.SetUnits(2);
  EXPECT_EQ(g.Units(), 2);
}

TEST(UnitLabel, ReplacementTable) {
  struct Case {
    const char* code;
    int units;
    const char* label;
  } cases[] = {
      {"F1/L2^2", 1, "kips/ft^2"}, {"F1/L2^2", 2, "kN/m^2"}, {"F/L^2", 1, "lbs/in^2"},
      {"F/L^2", 2, "kN/m^2"},      {"F2", 1, "tons"},         {"L1", 2, "mm"},
      {"L", 1, "in"},              {"L", 2, "m"},             {"F1/L2^2", 3, "F1/L2^2"},
      {"", 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(UnitLabel(c.code, c.units), c.label) << c.code;
}

class FakeWindow : public TPlotWindow {
 public:
  explicit FakeWindow(int& destroyed) : destroyed_(destroyed) {}
  void ShowAndRaise() override { ++shows; }
  void Destroy() override {
    ++destroyed_;
    delete this;
  }
  int shows = 0;

 private:
  int& destroyed_;
};

TEST(GraphPlot, ShowPlotCreatesOneWindowUntilItCloses) {
  int created = 0;
  int destroyed = 0;
  FakeWindow* last = nullptr;
  {
    TGraphPlot g;
    g.SetWindowFactory([&](TGraphPlot&) {
      ++created;
      last = new FakeWindow(destroyed);
      return last;
    });
    g.ShowPlot();
    g.ShowPlot();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(last->shows, 2);
    // The window closes by itself: the graph forgets it and the next ShowPlot makes a new one.
    g.WindowClosed(last);
    delete last;
    EXPECT_FALSE(g.HasWindow());
    g.ShowPlot();
    EXPECT_EQ(created, 2);
  }
  EXPECT_EQ(destroyed, 1);  // the graph freed its open window when it was destroyed
}

}  // namespace
}  // namespace corvex
