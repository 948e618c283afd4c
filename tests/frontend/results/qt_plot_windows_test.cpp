// Plot windows inside the main window's MDI area: opening maximised, closing, reopening and
// the graph being destroyed with its window open.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "results/plot_form.h"
#include "results/qt_plot_windows.h"
#include "results/result_graphs.h"

using namespace corvex;

class PlotWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void childWindowsOpenCloseAndReopen() {
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    TResultGraphs graphs;
    OpenPlotWindowsIn(area, graphs.All());
    TGraphPlot& g = graphs.pltTotal;
    g.SetLineCount(1);
    g.SetPointCount(2);
    g.Points(0, 1) = {100, 30};

    g.ShowPlot();
    QCOMPARE(area.subWindowList().size(), 1);
    QMdiSubWindow* sub = area.subWindowList().first();
    QVERIFY(sub->isMaximized());
    QCOMPARE(area.activeSubWindow(), sub);
    g.ShowPlot();  // the same window again
    QCOMPARE(area.subWindowList().size(), 1);

    // Minimised, ShowPlot restores it.
    sub->showMinimized();
    g.ShowPlot();
    QVERIFY(!sub->isMinimized());

    sub->close();
    QVERIFY(!g.HasWindow());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(area.subWindowList().size(), 0);
    g.ShowPlot();
    QCOMPARE(area.subWindowList().size(), 1);
  }

  void graphsDestroyedWithWindowsOpen() {
    QMdiArea area;
    area.show();
    {
      TResultGraphs graphs;
      OpenPlotWindowsIn(area, graphs.All());
      graphs.pltSkin.SetLineCount(1);
      graphs.pltSkin.SetPointCount(2);
      graphs.pltSkin.ShowPlot();
      QCOMPARE(area.subWindowList().size(), 1);
    }
    QCOMPARE(area.subWindowList().size(), 0);
  }
};

QTEST_MAIN(PlotWindowsTest)
#include "qt_plot_windows_test.moc"
