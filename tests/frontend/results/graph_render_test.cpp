// The drawing routine on a recording canvas: captions, tick labels and marks, curves and the
// frame, placed by hand-worked layout numbers. Text is 7 pixels per character and 14 high.
#include <gtest/gtest.h>

#include "results/graph_plot.h"
#include "results/graph_render.h"

namespace corvex {
namespace {

struct Text {
  int x, y, angle, weight;
  std::string text;
  TColor color;
};

struct Segment {
  int x1, y1, x2, y2;
  TPenStyle style;
};

class RecordingCanvas : public TCanvas {
 public:
  int PixelsPerInchX() const override { return 96; }
  int PixelsPerInchY() const override { return 96; }
  int BaseFontHeight() const override { return 14; }
  void FillRect(const TPixelRect& r, TColor) override { fills.push_back(r); }
  void SetPen(TColor c, int width, TPenStyle s) override {
    penColor = c;
    penWidth = width;
    style = s;
  }
  void SetBrush(TColor, TFillStyle) override {}
  void SetPatternBrush(TColor, const TPattern&) override {}
  void Line(int x1, int y1, int x2, int y2) override {
    lines.push_back({x1, y1, x2, y2, style});
    order.push_back("line");
  }
  void Polyline(const std::vector<TPixelPoint>& p) override {
    polylines.push_back(p);
    polylineColors.push_back(penColor);
    order.push_back("polyline");
  }
  void Rectangle(const TPixelRect&) override { order.push_back("rectangle"); }
  void SetFont(const TFontSpec& f) override { font = f; }
  TTextSize TextExtent(const std::string& t) override {
    return {7 * static_cast<int>(t.size()) * font.SizeFactor / 10, 14 * font.SizeFactor / 10};
  }
  void TextOut(int x, int y, const std::string& t, TColor c, bool) override {
    texts.push_back({x, y, font.Angle, font.Weight, t, c});
    order.push_back("text");
  }
  void SetClip(const TPixelRect&) override {}
  void ClearClip() override {}

  std::vector<TPixelRect> fills;
  std::vector<Segment> lines;
  std::vector<std::vector<TPixelPoint>> polylines;
  std::vector<TColor> polylineColors;
  std::vector<Text> texts;
  std::vector<std::string> order;
  TFontSpec font;
  TColor penColor;
  int penWidth = 0;
  TPenStyle style = TPenStyle::Solid;
};

// Target 700 x 500, plot (50, 50) ... (650, 450): 600 pixels for X 0 ... 50 and 400 for
// Y 0 ... 40, X axis on top.
struct RenderFixture : testing::Test {
  RenderFixture() {
    graph.XCaption = "Load";
    graph.XUnits = "F1";
    graph.YCaption = "Depth";
    graph.YUnits = "L2";
    graph.XOnTop = true;
    graph.SetLineCount(2);
    graph.SetPointCount(2);
    graph.Points(0, 1) = {50, 40};
    graph.Points(1, 1) = {25, 40};
    graph.Markers = 0;
    layout.Target = {0, 0, 700, 500};
    layout.Plot = {50, 50, 650, 450};
    layout.H = 14;
  }
  TRenderResult Draw(TRenderOptions options = {}) {
    return DrawGraph(canvas, graph, layout, {0, 50, 0, 40}, options);
  }
  std::vector<Text> TextsAt(int angle, int weight) const {
    std::vector<Text> found;
    for (const Text& t : canvas.texts)
      if (t.angle == angle && t.weight == weight) found.push_back(t);
    return found;
  }
  TGraphPlot graph;
  TPlotLayout layout;
  RecordingCanvas canvas;
};

TEST_F(RenderFixture, CaptionsWithUnitLabels) {
  Draw();
  // X caption "Load (kips)": 11 characters, 77 wide, centred: (700 - 77) / 2 = 311, at the top.
  const std::vector<Text> bold = TextsAt(0, 700);
  ASSERT_EQ(bold.size(), 1u);
  EXPECT_EQ(bold[0].text, "Load (kips)");
  EXPECT_EQ(bold[0].x, 311);
  EXPECT_EQ(bold[0].y, 0);
  // Y caption "Depth (ft)" turned: 70 long, starts at x 0, y (0 + 500 + 70) / 2 = 285.
  const std::vector<Text> turned = TextsAt(90, 700);
  ASSERT_EQ(turned.size(), 1u);
  EXPECT_EQ(turned[0].text, "Depth (ft)");
  EXPECT_EQ(turned[0].x, 0);
  EXPECT_EQ(turned[0].y, 285);
}

TEST_F(RenderFixture, TickLabelsAndMarks) {
  const TRenderResult ticks = Draw();
  // X: nX = 600 div 84 = 7, raw 7.14 -> major 5, tick 1: ticks 0 ... 50.
  EXPECT_DOUBLE_EQ(ticks.XTicks.Step, 1);
  // Y: nY = 400 div 84 = 4, raw 10, g 10, k 1 -> major 10, tick 2: ticks 0 ... 20 (index).
  EXPECT_DOUBLE_EQ(ticks.YTicks.Step, 2);
  EXPECT_EQ(ticks.YTicks.Last, 20);
  std::vector<Text> xLabels = TextsAt(0, 400);
  ASSERT_EQ(xLabels.size(), 11u);
  // Label 25 at column 50 + 300 = 350, 14 wide -> x 343; its bottom 96/32 = 3 above the
  // plot: y = 50 - 3 - 14 = 33.
  EXPECT_EQ(xLabels[5].text, "25");
  EXPECT_EQ(xLabels[5].x, 343);
  EXPECT_EQ(xLabels[5].y, 33);
  std::vector<Text> yLabels = TextsAt(90, 400);
  ASSERT_EQ(yLabels.size(), 5u);
  // Label 30 at row 50 + 300 = 350: x = 50 - 14 - 3 = 33, y = 350 + 14 / 2 = 357.
  EXPECT_EQ(yLabels[3].text, "30");
  EXPECT_EQ(yLabels[3].x, 33);
  EXPECT_EQ(yLabels[3].y, 357);
  // Solid marks 96/16 = 6 pixels long: 51 on X (from the top edge down), 21 on Y.
  int xMarks = 0, yMarks = 0, dotted = 0;
  for (const Segment& s : canvas.lines) {
    if (s.style == TPenStyle::Dot) ++dotted;
    else if (s.x1 == s.x2 && s.y1 == 50 && s.y2 == 56) ++xMarks;
    else if (s.y1 == s.y2 && s.x1 == 50 && s.x2 == 56) ++yMarks;
  }
  EXPECT_EQ(xMarks, 51);
  EXPECT_EQ(yMarks, 21);
  EXPECT_EQ(dotted, 11 + 5);  // grid lines at the major ticks
}

TEST_F(RenderFixture, CurvesThenFrameLast) {
  Draw();
  // Two curves then the frame: curve 1 (blue) from (50, 50) to X 25, Y 40 = (350, 450).
  ASSERT_EQ(canvas.polylines.size(), 3u);
  EXPECT_EQ(canvas.polylines[1], (std::vector<TPixelPoint>{{50, 50}, {350, 450}}));
  EXPECT_EQ(canvas.polylineColors[1], (TColor{0, 0, 255}));
  EXPECT_EQ(canvas.polylines[2],
            (std::vector<TPixelPoint>{{50, 50}, {650, 50}, {650, 450}, {50, 450}, {50, 50}}));
  EXPECT_EQ(canvas.order.back(), "polyline");
  EXPECT_EQ(canvas.penWidth, 1);  // (round(96 / 300) + 1) * 1
}

TEST_F(RenderFixture, TitleAndLegendBox) {
  graph.Title = "Pile 7";
  graph.TitleAtTop = false;
  graph.Lines(0).Name = "FHWA";
  graph.Lines(1).Name = "API";
  TRenderOptions options;
  options.LegendIntoOutput = true;
  options.LegendLeftFraction = 0.5;
  options.LegendTopFraction = 0.25;
  Draw(options);
  const std::vector<Text> bold = TextsAt(0, 700);
  ASSERT_EQ(bold.size(), 2u);
  // Title at the bottom: 42 wide -> x 329, y 500 - 14 = 486.
  EXPECT_EQ(bold[1].text, "Pile 7");
  EXPECT_EQ(bold[1].x, 329);
  EXPECT_EQ(bold[1].y, 486);
  // Legend box at (50 + 300, 50 + 100); names start 96/8 = 12 right, first entry 3 below the
  // top, the next 14 + 3 lower, in the colours of their legend positions.
  std::vector<Text> names;
  for (const Text& t : canvas.texts)
    if (t.text == "FHWA" || t.text == "API") names.push_back(t);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].x, 362);
  EXPECT_EQ(names[0].y, 153);
  EXPECT_EQ(names[1].y, 170);
  EXPECT_EQ(names[1].color, (TColor{0, 0, 255}));
}

TEST_F(RenderFixture, TooSmallTargetOnlyFillsWhite) {
  layout.Target = {0, 0, 700, 95};
  Draw();
  EXPECT_EQ(canvas.fills.size(), 1u);
  EXPECT_TRUE(canvas.order.empty());
}

}  // namespace
}  // namespace corvex
