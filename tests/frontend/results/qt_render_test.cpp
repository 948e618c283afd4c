// Drawing graphs into an offscreen QImage through the QPainter canvas.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "results/graph_plot.h"
#include "results/graph_render.h"
#include "results/qt_canvas.h"

using namespace corvex;

namespace {

// Four horizontal curves at Y = 2, 4, 6, 8 over X 0 ... 10, range 0 ... 10 both ways.
void FillFourCurves(TGraphPlot& g) {
  g.Markers = 0;
  g.SetLineCount(4);
  g.SetPointCount(2);
  for (int i = 0; i < 4; ++i) {
    g.Points(i, 0) = {0, 2.0 * (i + 1)};
    g.Points(i, 1) = {10, 2.0 * (i + 1)};
  }
}

QImage Render(const TGraphPlot& g, int width, int height, TRenderOptions options = {}) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::magenta);  // anything not drawn would show
  QPainter painter(&image);
  TQtCanvas canvas(painter, 96, 96, 14);
  const TPlotLayout layout = LayoutForWindow(g, {0, 0, width, height}, 96, 96, 14, 96);
  DrawGraph(canvas, g, layout, {0, 10, 0, 10}, options);
  painter.end();
  return image;
}

int CountColor(const QImage& image, int row, QColor color, int fromX = 0, int toX = -1) {
  if (toX < 0) toX = image.width() - 1;
  int n = 0;
  for (int x = fromX; x <= toX; ++x) n += image.pixelColor(x, row) == color;
  return n;
}

int CountColorEverywhere(const QImage& image, QColor color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) n += CountColor(image, y, color);
  return n;
}

// Hand layout of an 800 x 600 target at 96 dpi with h = 14 and the X axis at the bottom:
// left 28 + 12 + 1 = 41, right 800 - 24 - 7 = 769, top 7 + 24 = 31, bottom 600 - 41 = 559.
// Plot height 528: Y 2 -> row 559 - round(105.6) = 453, Y 4 -> 559 - 211 = 348,
// Y 6 -> 559 - 317 = 242, Y 8 -> 559 - 422 = 137.
constexpr int kLeft = 41, kRight = 769, kTop = 31, kBottom = 559;
constexpr int kRows[4] = {453, 348, 242, 137};

}  // namespace

class RenderTest : public QObject {
  Q_OBJECT

 private slots:
  void frameCoversThePlotEdges() {
    TGraphPlot g;
    FillFourCurves(g);
    const QImage image = Render(g, 800, 600);
    const QColor black(Qt::black);
    for (int y = kTop; y <= kBottom; ++y) {
      QCOMPARE(image.pixelColor(kLeft, y), black);
      QCOMPARE(image.pixelColor(kRight, y), black);
    }
    for (int x = kLeft; x <= kRight; ++x) {
      QCOMPARE(image.pixelColor(x, kTop), black);
      QCOMPARE(image.pixelColor(x, kBottom), black);
    }
    // Just outside the frame, away from labels and ticks, the target is white.
    QCOMPARE(image.pixelColor(kRight + 3, 300), QColor(Qt::white));
    QCOMPARE(CountColorEverywhere(image, QColor(Qt::magenta)), 0);
  }

  void curvesTakeThePaletteColourOfTheirLegendPosition() {
    TGraphPlot g;
    FillFourCurves(g);
    const QImage image = Render(g, 800, 600);
    // Entries 1, 2, 3 of the palette: blue, red, green (0, 128, 0).
    const QColor expected[] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0)};
    for (int i = 1; i < 4; ++i) {
      const int onRow = CountColor(image, kRows[i], expected[i - 1], kLeft + 1, kRight - 1);
      QVERIFY2(onRow > (kRight - kLeft) * 9 / 10, qPrintable(QString::number(onRow)));
    }
  }

  void hiddenCurveKeepsTheOthersColours() {
    TGraphPlot g;
    FillFourCurves(g);
    g.Lines(1).Shown = false;
    const QImage image = Render(g, 800, 600);
    QCOMPARE(CountColorEverywhere(image, QColor(0, 0, 255)), 0);  // curve 1 not drawn
    QVERIFY(CountColor(image, kRows[2], QColor(255, 0, 0)) > 600);  // curve 2 still red
    QVERIFY(CountColor(image, kRows[3], QColor(0, 128, 0)) > 600);  // curve 3 still green
  }

  void inactiveCurveGivesUpItsColour() {
    TGraphPlot g;
    FillFourCurves(g);
    g.Lines(1).Active = false;
    const QImage image = Render(g, 800, 600);
    QVERIFY(CountColor(image, kRows[2], QColor(0, 0, 255)) > 600);  // curve 2 moves up to blue
    QCOMPARE(CountColorEverywhere(image, QColor(0, 128, 0)), 0);
  }

  void targetUnderAnInchIsWhite() {
    TGraphPlot g;
    FillFourCurves(g);
    g.Caption = "Short";
    g.XCaption = "Load";
    const QImage low = Render(g, 800, 95);
    QCOMPARE(CountColorEverywhere(low, QColor(Qt::white)), 800 * 95);
    const QImage narrow = Render(g, 95, 600);
    QCOMPARE(CountColorEverywhere(narrow, QColor(Qt::white)), 95 * 600);
  }

  void markersAtEveryThirdPoint() {
    // One vertical curve of 10 points at X = 5 (column 41 + 364 = 405), Y = 0 ... 9, with a
    // marker at points 0, 3, 6 and 9 (square markers of curve index 1, 2 px from the point).
    TGraphPlot g;
    g.SetLineCount(2);
    g.SetPointCount(10);
    for (int j = 0; j < 10; ++j) g.Points(1, j) = {5, double(j)};
    g.Lines(0).Shown = false;
    g.Markers = 3;
    const QImage image = Render(g, 800, 600);
    const QColor blue(0, 0, 255);
    // Y j lies at row 559 - round(52.8 j); the square's right side is 2 columns right of 405.
    auto markerAt = [&](int j) {
      const int row = kBottom - qRound(52.8 * j);
      return image.pixelColor(407, row) == blue;
    };
    QVERIFY(markerAt(3));
    QVERIFY(markerAt(6));
    QVERIFY(markerAt(9));
    QVERIFY(!markerAt(4));
    QVERIFY(!markerAt(5));
  }

  void soilColumnFillsSandAndClayLayers() {
    TGraphPlot g;
    FillFourCurves(g);
    g.XOnTop = true;
    g.ShowLayers = true;
    g.SetLayerCount(2);
    g.SetLayerPointCount(1);
    g.Layers(0).Points[0] = {7, 5};   // sand down to 5
    g.Layers(1).Points[0] = {1, 10};  // clay down to 10
    g.Layers(0).Name = " SAND ";
    g.Layers(1).Name = " CLAY ";
    const QImage image = Render(g, 800, 600);
    // X on top: top 41, bottom 569, plot right 769 - 96 = 673, column 692 ... 769.
    // Sand ends at row 41 + 264 = 305; the rectangle outline runs down the column's left edge.
    QCOMPARE(image.pixelColor(692, 100), QColor(Qt::black));
    QCOMPARE(image.pixelColor(692, 500), QColor(Qt::black));
    // Inside each layer, between the outline and the centred name: a mix of black and white.
    auto mixed = [&](int fromRow, int toRow) {
      int black = 0, white = 0;
      for (int y = fromRow; y < toRow; ++y)
        for (int x = 695; x < 705; ++x) {
          const QColor c = image.pixelColor(x, y);
          black += c == QColor(Qt::black);
          white += c == QColor(Qt::white);
        }
      return black > 0 && white > black;
    };
    QVERIFY(mixed(50, 100));   // sand dots
    QVERIFY(mixed(320, 400));  // clay lines
    // Sand dots: 2 x 2 pixels, so a dotted row has black pixels in pairs; clay lines are one
    // pixel wide along a row.
    int pairs = 0;
    for (int y = 50; y < 100; ++y)
      for (int x = 695; x < 720; ++x)
        pairs += image.pixelColor(x, y) == QColor(Qt::black) &&
                 image.pixelColor(x + 1, y) == QColor(Qt::black);
    QVERIFY(pairs > 0);
  }

  void legendBoxOnlyInOutputs() {
    TGraphPlot g;
    FillFourCurves(g);
    TRenderOptions options;
    options.LegendIntoOutput = true;
    options.LegendLeftFraction = 0.5;
    options.LegendTopFraction = 0.5;
    const QImage image = Render(g, 800, 600, options);
    // Box at left 41 + 364 = 405, top 31 + 264 = 295, black outline.
    QCOMPARE(image.pixelColor(405, 296), QColor(Qt::black));
    QCOMPARE(image.pixelColor(406, 295), QColor(Qt::black));
    // The screen drawing has no box there.
    const QImage screen = Render(g, 800, 600);
    QVERIFY(screen.pixelColor(406, 295) != QColor(Qt::black));
  }
};

QTEST_MAIN(RenderTest)
#include "qt_render_test.moc"
