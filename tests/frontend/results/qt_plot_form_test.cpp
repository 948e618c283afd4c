// The plot window: opening, legend, Plot menu, caption, zooming, closing and reopening.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QtTest>

#include "results/graph_plot.h"
#include "results/plot_form.h"

using namespace corvex;

namespace {

// n straight curves; curve i runs from (0, 0) to (10 * (i + 1), 40).
void Fill(TGraphPlot& g, int n) {
  g.Caption = "Total Capacity vs Depth";
  g.XOnTop = true;
  g.SetLineCount(n);
  g.SetPointCount(2);
  for (int i = 0; i < n; ++i) g.Points(i, 1) = {10.0 * (i + 1), 40};
}

// A graph whose windows are created as top-level plot forms.
struct Graph {
  TGraphPlot plot;
  Graph() {
    plot.SetWindowFactory([](TGraphPlot& g) -> TPlotWindow* { return new TPlotForm(g); });
  }
  TPlotForm* Form() { return static_cast<TPlotForm*>(plot.Window()); }
};

QStringList ActionTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) texts << a->text();
  return texts;
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

}  // namespace

class PlotFormTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithAtMostTwentyListedCurves() {
    Graph g;
    Fill(g.plot, 25);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    QVERIFY(form != nullptr);
    QCOMPARE(form->Legend()->count(), 20);
    QCOMPARE(int(form->CurveActions().size()), 20);
    QVERIFY(g.plot.Lines(19).Active);
    QVERIFY(!g.plot.Lines(20).Active && !g.plot.Lines(24).Active);
    QCOMPARE(form->Legend()->item(3)->text(), QString("Curve #4 *"));
    QCOMPARE(form->windowTitle(), QString("PlotForm"));
    // Legend height: 20 items of 16 pixels + 3 (inside the box's frame).
    QCOMPARE(form->Legend()->height() - 2 * form->Legend()->frameWidth(), 20 * 16 + 3);
    // The autoscaled full range: X 0 ... 250 (a = 2.398 -> s = 10), Y 0 ... 40 (s = 1).
    QCOMPARE(form->FullRange().XMax, 250.0);
    QCOMPARE(form->FullRange().YMax, 40.0);
  }

  void plotMenuItemsInOrder() {
    Graph g;
    Fill(g.plot, 2);
    g.plot.SetLayerCount(1);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    const QStringList texts = ActionTexts(form->PlotMenu());
    const QStringList expected{"Show &Legend",   "Show &Soil Layer", "Show &Markers",
                               "&Font Size",     "&Line Width",      "&Graph Title",
                               "&Edit Legend",   "&Active Curves",   "&Print...",
                               "P&age Setup",    "&Save To Disk...", "Curve #1",
                               "Curve #2"};
    QCOMPARE(texts, expected);
    QMenu* markers = form->PlotMenu()->actions().at(2)->menu();
    QCOMPARE(ActionTexts(markers),
             (QStringList{"&Never", "Every &Increment", "Every &2 Increments",
                          "Every &3 Incrments", "Every &5 Increments", "Every &10 Incements"}));
    QVERIFY(markers->actions().at(1)->isChecked());  // Markers = 1 at design time
    markers->actions().at(3)->trigger();
    QCOMPARE(g.plot.Markers, 3);
  }

  void fontAndWidthMenusFollowShowFontWidth() {
    Graph g;
    Fill(g.plot, 1);
    g.plot.ShowFontWidth = false;
    g.plot.ShowPlot();
    const QList<QAction*> actions = g.Form()->PlotMenu()->actions();
    QVERIFY(!actions.at(3)->isVisible());
    QVERIFY(!actions.at(4)->isVisible());
    QVERIFY(!actions.at(1)->isVisible());  // no soil layers: no Show Soil Layer
    actions.at(3)->menu()->actions().at(2)->trigger();  // 2 * Default
    QCOMPARE(g.plot.SizeFont, 20);
  }

  void hidingACurveThroughItsMenuItem() {
    Graph g;
    Fill(g.plot, 4);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    const QColor third = form->Legend()->item(2)->foreground().color();
    form->CurveActions().at(1)->trigger();
    QVERIFY(!g.plot.Lines(1).Shown);
    QCOMPARE(form->Legend()->item(1)->text(), QString("Curve #2"));
    QCOMPARE(form->Legend()->item(2)->text(), QString("Curve #3 *"));
    QCOMPARE(form->Legend()->item(2)->foreground().color(), third);
    QCOMPARE(third, QColor(255, 0, 0));  // legend position 2: red
  }

  void legendDoubleClickTogglesAndDragStaysInside() {
    Graph g;
    Fill(g.plot, 3);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    QListWidget* legend = form->Legend();
    const QPoint onFirst = legend->visualItemRect(legend->item(0)).center();
    SendMouse(legend->viewport(), QEvent::MouseButtonDblClick, onFirst, Qt::LeftButton,
              Qt::LeftButton);
    QVERIFY(!g.plot.Lines(0).Shown);
    QCOMPARE(legend->item(0)->text(), QString("Curve #1"));
    // Drag far beyond the top-left corner: the box stops at the client area's edge.
    SendMouse(legend->viewport(), QEvent::MouseButtonPress, onFirst, Qt::LeftButton,
              Qt::LeftButton);
    SendMouse(legend->viewport(), QEvent::MouseMove, onFirst - QPoint(5000, 5000),
              Qt::NoButton, Qt::LeftButton);
    SendMouse(legend->viewport(), QEvent::MouseButtonRelease, onFirst - QPoint(5000, 5000),
              Qt::LeftButton, Qt::NoButton);
    QCOMPARE(legend->pos(), QPoint(0, 0));
  }

  void captionShowsTheDataUnderTheMouse() {
    Graph g;
    Fill(g.plot, 1);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    const TPixelRect p = form->Layout().Plot;
    // Far outside the plot: clamped to the bottom-right corner = (XMax, YMax) with X on top.
    form->MoveTo({p.Right + 500, p.Bottom + 500});
    QCOMPARE(form->windowTitle(), QString("Total Capacity vs Depth X: 10 Y: 40"));
  }

  void rubberBandZoomsAndRightClickZoomsOut() {
    Graph g;
    Fill(g.plot, 1);  // full range X 0 ... 10, Y 0 ... 40
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    const TPixelRect p = form->Layout().Plot;
    const TDataRange full = form->FullRange();
    // A band one pixel high does nothing.
    form->PressAt({p.Left + 10, p.Top + 10}, Qt::LeftButton);
    QVERIFY(form->RubberBandActive());
    form->MoveTo({p.Left + 200, p.Top + 10});
    form->ReleaseAt({p.Left + 200, p.Top + 10}, Qt::LeftButton);
    QVERIFY(!form->RubberBandActive());
    QCOMPARE(form->CurrentRange(), full);
    // The left half of the plot, full height: X 0 ... about 5.
    form->PressAt({p.Left, p.Top}, Qt::LeftButton);
    form->ReleaseAt({(p.Left + p.Right) / 2, p.Bottom + 50}, Qt::LeftButton);  // clamped
    QVERIFY(std::abs(form->CurrentRange().XMax - 5) < 10.0 / p.Width());
    QCOMPARE(form->CurrentRange().YMax, 40.0);
    // Right click anywhere: back to the full width (half-width 5 around the clamped centre).
    form->PressAt({p.Right - 1, p.Top + 1}, Qt::RightButton);
    QCOMPARE(form->CurrentRange().XMin, 0.0);
    QCOMPARE(form->CurrentRange().XMax, 10.0);
    // Outside the plot the buttons do nothing.
    form->PressAt({p.Left - 5, p.Top}, Qt::LeftButton);
    QVERIFY(!form->RubberBandActive());
  }

  void closingAndReopeningShowsTheFullRangeAgain() {
    Graph g;
    Fill(g.plot, 3);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    const TPixelRect p = form->Layout().Plot;
    form->PressAt({p.Left + 20, p.Top + 20}, Qt::LeftButton);
    form->ReleaseAt({p.Left + 120, p.Top + 120}, Qt::LeftButton);
    QVERIFY(!(form->CurrentRange() == form->FullRange()));
    g.plot.Lines(2).Active = false;
    g.plot.Lines(1).Shown = false;
    form->close();  // frees the window
    QVERIFY(!g.plot.HasWindow());
    g.plot.Points(0, 1) = {30, 40};  // data read while closed
    g.plot.ShowPlot();
    form = g.Form();
    QVERIFY(form != nullptr);
    QCOMPARE(form->CurrentRange(), form->FullRange());
    QVERIFY(g.plot.Lines(2).Active);   // freshly activated
    QVERIFY(!g.plot.Lines(1).Shown);   // the shown flags survive
    QCOMPARE(form->Legend()->count(), 3);
  }

  void activeCurveSyncAppendsAndRemovesItems() {
    Graph g;
    Fill(g.plot, 22);
    g.plot.ShowPlot();
    TPlotForm* form = g.Form();
    g.plot.Lines(20).Active = true;  // the 21st curve
    form->SyncLegendWithActiveCurves();
    QCOMPARE(form->Legend()->count(), 21);
    QCOMPARE(form->Legend()->item(20)->text(), QString("Curve #21 *"));
    for (int i = 0; i < g.plot.LineCount(); ++i) g.plot.Lines(i).Active = false;
    form->SyncLegendWithActiveCurves();
    QCOMPARE(form->Legend()->count(), 0);
    QVERIFY(form->CurveActions().empty());
  }

  void unusableDataClosesTheWindow() {
    Graph g;
    Fill(g.plot, 1);
    g.plot.Points(0, 1) = {std::numeric_limits<double>::quiet_NaN(), 1};
    g.plot.Points(0, 0) = {1, std::numeric_limits<double>::infinity()};
    g.plot.ShowPlot();
    QVERIFY(!g.plot.HasWindow());
  }

  void graphDestroyedWithItsWindowOpen() {
    auto g = std::make_unique<Graph>();
    Fill(g->plot, 2);
    g->plot.ShowPlot();
    QPointer<TPlotForm> form = g->Form();
    g.reset();
    QVERIFY(form.isNull());
  }
};

QTEST_MAIN(PlotFormTest)
#include "qt_plot_form_test.moc"
