// The combined plot of the steel-pipe example, read from the plot file that the engine writes,
// in its plot window. With CORVEX_SCREENSHOT set to a file name (and a real display, such as a
// virtual X server), the screen is saved there after the checks.
#include <QAction>
#include <QListWidget>
#include <QScreen>
#include <QtTest>

#include "engine_run.h"
#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/plot_form.h"
#include "results/plot_reader.h"

using namespace corvex;

class CombinedPlotTest : public QObject {
  Q_OBJECT

 private slots:
  void steelPipeCombinedPlot() {
    testing_support::EngineRun run("steel_pipe_layered");
    if (run.Plot().empty()) QSKIP("engine library not built");
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData project = TProgramData::CreateFromFile(run.Project(), false, tables, messages);
    TResultGraphs graphs;
    QVERIFY(ReadPlotFile(run.Plot(), true, graphs, project, tables, messages));

    TGraphPlot& combined = graphs.pltCombine;
    combined.SetWindowFactory([](TGraphPlot& g) -> TPlotWindow* { return new TPlotForm(g); });
    combined.ShowPlot();
    auto* form = static_cast<TPlotForm*>(combined.Window());
    QVERIFY(form != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(form));

    QCOMPARE(form->Legend()->count(), 3);
    QCOMPARE(form->Legend()->item(0)->text(), QString("Skin Friction *"));
    QCOMPARE(form->Legend()->item(1)->text(), QString("Tip Resistance *"));
    QCOMPARE(form->Legend()->item(2)->text(), QString("Total Capacity *"));
    // Depth on Y from 0 down to at least the deepest row.
    const int last = combined.PointCount() - 1;
    QVERIFY(form->FullRange().YMin == 0);
    QVERIFY(form->FullRange().YMax >= combined.Points(0, last).Y);

    if (qEnvironmentVariableIsSet("CORVEX_SCREENSHOT")) {
      // A bare X server has no window manager to maximise the window: size it by hand.
      form->setGeometry(0, 0, 1100, 720);
      form->ShowLayersAction()->trigger();
      QTest::qWait(300);
      // The legend keeps its place when the window changes size; put it back in the corner of
      // the plot, as the user would drag it.
      const TPixelRect plot = form->Layout().Plot;
      QListWidget* legend = form->Legend();
      legend->move(plot.Right - legend->width() - 4, plot.Bottom - legend->height() - 4);
      QTest::qWait(100);
    }
    const QImage area = form->PlotArea()->grab().toImage();
    const TPixelRect p = form->Layout().Plot;
    QCOMPARE(area.pixelColor(p.Left, (p.Top + p.Bottom) / 2), QColor(Qt::black));
    QCOMPARE(area.pixelColor((p.Left + p.Right) / 2, p.Bottom), QColor(Qt::black));
    auto count = [&](QColor color) {
      int n = 0;
      for (int y = p.Top + 1; y < p.Bottom; ++y)
        for (int x = p.Left + 1; x < p.Right; ++x) n += area.pixelColor(x, y) == color;
      return n;
    };
    QVERIFY(count(QColor(0, 0, 255)) > 50);  // tip resistance, legend position 1
    QVERIFY(count(QColor(255, 0, 0)) > 50);  // total capacity, legend position 2

    const QString shot = qEnvironmentVariable("CORVEX_SCREENSHOT");
    if (!shot.isEmpty()) {
      QScreen* screen = form->screen();
      QVERIFY(screen->grabWindow(form->winId()).save(shot));
    }
    form->close();
  }
};

QTEST_MAIN(CombinedPlotTest)
#include "qt_combined_plot_test.moc"
