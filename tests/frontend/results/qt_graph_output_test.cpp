// Printing a graph to a PDF file and saving it as a BMP file through the plot window's
// commands; the window looks as before afterwards.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/format_dialog.h"
#include "results/page_margins_dialog.h"
#include "results/graph_plot.h"
#include "results/plot_form.h"
#include "results/plot_reader.h"
#include "results/result_graphs.h"
#include "results/qt_graph_output.h"
#include "results/qt_plot_commands.h"
#include "engine_run.h"

using namespace corvex;

namespace {

// Four curves from (0, 0) to (10 * (i + 1), 40): curve 2 (blue) hidden, curve 4 inactive.
struct Graph {
  TGraphPlot plot;
  Graph() {
    plot.Caption = "Total Capacity vs Depth";
    plot.SetWindowFactory([](TGraphPlot& g) -> TPlotWindow* { return new TPlotForm(g); });
    plot.SetLineCount(4);
    plot.SetPointCount(2);
    for (int i = 0; i < 4; ++i) plot.Points(i, 1) = {10.0 * (i + 1), 40};
    plot.ShowPlot();
    plot.Lines(1).Shown = false;
    plot.Lines(3).Active = false;
    commands = PlotCommandsOf(*Form());
    commands->SetMessages(messages);
  }
  TPlotForm* Form() { return static_cast<TPlotForm*>(plot.Window()); }
  TMessageRecorder messages;
  TPlotCommands* commands = nullptr;
};

int CountColor(const QImage& image, const QRect& r, QColor color) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (image.pixelColor(x, y) == color) ++n;
  return n;
}

}  // namespace

class GraphOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void savedBitmapHoldsTheLegendOfActiveShownCurves() {
    Graph g;
    // The on-screen legend at the top-left corner: the box goes to the plot's top-left corner.
    g.Form()->Legend()->move(0, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("graph.bmp");
    g.commands->ChooseBitmapFile = [&] { return path; };
    g.commands->RunDialog = [](QDialog& d) {
      auto* format = qobject_cast<TdlgFormat*>(&d);
      if (format == nullptr) return int(QDialog::Rejected);
      format->OkClick();  // 6 in x 4 in at 72 pixels per inch, 16 colours
      return format->result();
    };
    g.Form()->OnSaveToDisk(*g.Form());
    QVERIFY(g.messages.Entries.empty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(int(quint8(header[28])), 4);  // 16 colours: 4 bits per pixel
    const QImage image(path);
    QCOMPARE(image.size(), QSize(432, 288));

    // Window layout on a 96 pixels-per-inch screen with h = 14: plot left = 28 + 12 + 1 = 41,
    // plot top = 7 + 24 = 31. The box's black outline starts there.
    const int dpi = g.Form()->PlotArea()->logicalDpiX();
    QCOMPARE(dpi, 96);
    QCOMPARE(image.pixelColor(41, 31), QColor(Qt::black));
    QCOMPARE(image.pixelColor(43, 33), QColor(Qt::white));
    // Two entries ("Curve #1" in black, "Curve #3" in red at legend position 2); the hidden
    // blue curve is not listed.
    const QRect box(42, 32, 80, 40);
    QVERIFY(CountColor(image, box, QColor(255, 0, 0)) > 10);
    QCOMPARE(CountColor(image, box, QColor(0, 0, 255)), 0);
    // The window is as before.
    QVERIFY(!g.Form()->LegendIntoOutput);
    QVERIFY(!g.Form()->ScreenPatterns);
  }

  void trueColorAndTooLargeBitmaps() {
    Graph g;
    QTemporaryDir dir;
    const QString path = dir.filePath("big.bmp");
    g.commands->ChooseBitmapFile = [&] { return path; };
    g.commands->RunDialog = [](QDialog& d) {
      auto* format = qobject_cast<TdlgFormat*>(&d);
      if (format == nullptr) return int(QDialog::Rejected);
      format->dePPI->setText("1000000");
      format->OkClick();
      return format->result();
    };
    g.Form()->OnSaveToDisk(*g.Form());
    QCOMPARE(int(g.messages.Entries.size()), 1);
    QCOMPARE(g.messages.Entries[0].Kind, TMessageKind::Information);
    QCOMPARE(g.messages.Entries[0].Text,
             std::string("There is not enough memory to complete this task."));
    QVERIFY(!QFile::exists(path));

    // Each Colors choice gives its bits per pixel; the frame stays black and the red curve red.
    QImage bitmap(200, 150, QImage::Format_RGB32);
    DrawGraphIntoBitmap(*g.Form(), bitmap);
    QVERIFY(CountColor(bitmap, bitmap.rect(), QColor(255, 0, 0)) > 0);
    const std::pair<TBitmapColors, int> choices[] = {{TBitmapColors::BlackAndWhite, 1},
                                                     {TBitmapColors::Colors16, 4},
                                                     {TBitmapColors::Colors256, 8},
                                                     {TBitmapColors::HighColor, 16},
                                                     {TBitmapColors::TrueColor, 24}};
    for (const auto& [colors, bits] : choices) {
      const QString file = dir.filePath(QString("colors%1.bmp").arg(bits));
      QVERIFY(WriteBitmapFile(bitmap, colors, file));
      QFile raw(file);
      QVERIFY(raw.open(QIODevice::ReadOnly));
      QCOMPARE(int(quint8(raw.read(30)[28])), bits);
      const QImage back(file);
      QCOMPARE(back.size(), QSize(200, 150));
      QCOMPARE(back.pixelColor(41, 31), QColor(Qt::black));  // plot frame corner
      // Five bits per colour read back as 248 at most.
      if (bits > 1) QVERIFY2(CountColor(back, back.rect(), bits == 16 ? QColor(248, 0, 0) : QColor(255, 0, 0)) > 0,
                             qPrintable(QString::number(bits)));
    }
  }

  void printingToPdfReservesAnInchForTheSoilColumn() {
    Graph g;
    g.plot.SetLayerCount(2);
    g.plot.SetLayerPointCount(1);
    g.plot.Layers(0).Points[0] = {7, 20};
    g.plot.Layers(1).Points[0] = {1, 40};
    g.plot.ShowLayers = true;
    QTemporaryDir dir;
    const QString path = dir.filePath("graph.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(300);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    // Margins chosen in the print dialog do not add to the window's margins.
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    TPlotLayout layout;
    QVERIFY(PrintGraph(*g.Form(), printer, &layout));
    QVERIFY(QFileInfo(path).size() > 0);
    // Letter at 300 pixels per inch: 2550 x 3300 with no unprintable edge; one-inch margins
    // give the target (300, 300) - (2250, 3000).
    QCOMPARE(layout.Target.Left, 300);
    QCOMPARE(layout.Target.Right, 2250);
    QCOMPARE(layout.Target.Bottom, 3000);
    // Font 14 px at 96 ppi -> 44 px at 300 ppi: left = 300 + 88 + 37 + 5 = 430; bottom =
    // 3000 - 130. The column takes the last inch: plot right 2250 - 300, column from + 60.
    QCOMPARE(layout.Plot.Left, 430);
    QCOMPARE(layout.Plot.Top, 300);
    QCOMPARE(layout.Plot.Bottom, 2870);
    QCOMPARE(layout.Plot.Right, 1950);
    QCOMPARE(layout.Column.Left, 2010);
    QCOMPARE(layout.Column.Right, 2250);
    QVERIFY(!g.Form()->LegendIntoOutput);
  }

  void printCommandThroughTheChosenPrinterAndPageSetupMargins() {
    Graph g;
    QTemporaryDir dir;
    const QString path = dir.filePath("command.pdf");
    g.commands->ChoosePrinter = [&](QPrinter& p) {
      p.setOutputFormat(QPrinter::PdfFormat);
      p.setOutputFileName(path);
      return true;
    };
    const TPlotForm::TMargins before = g.Form()->Margins;
    QCOMPARE(before.Left, 1000);
    g.Form()->OnPrint(*g.Form());
    QVERIFY(QFileInfo(path).size() > 0);
    QVERIFY(g.messages.Entries.empty());

    // The printer now writes a PDF file: page setup asks for the margins alone. Answered
    // with half-inch margins; Cancel keeps the margins.
    auto& setup = g.commands->PageSetupDialog();
    setup.RunDialog = [&](QDialog& d) {
      auto* margins = qobject_cast<TPageMarginsDialog*>(&d);
      if (margins == nullptr) return int(QDialog::Rejected);
      if (margins->Left->value() != 1000) return int(QDialog::Rejected);  // shows the margins kept
      margins->Left->setValue(500);
      margins->Bottom->setValue(750);
      return int(QDialog::Accepted);
    };
    g.Form()->OnPageSetup(*g.Form());
    QCOMPARE(g.Form()->Margins.Left, 500);
    QCOMPARE(g.Form()->Margins.Bottom, 750);
    QCOMPARE(g.Form()->Margins.Top, 1000);
    QVERIFY(setup.PaperWidth > 0);
    setup.RunDialog = [](QDialog&) { return int(QDialog::Rejected); };
    g.Form()->OnPageSetup(*g.Form());
    QCOMPARE(g.Form()->Margins.Left, 500);
  }

  void printsTheSteelPipeCombinedGraphWithItsSoilColumn() {
    // The plot-data file comes from a run of the engine on the example, in a folder of its own.
    testing_support::EngineRun run("steel_pipe_layered");
    QVERIFY(run.Ran());
    QCOMPARE(run.Status(), 0);
    TProjectTables tables;
    TMessageRecorder messages;
    TProgramData project = TProgramData::CreateFromFile(run.Project(), false, tables, messages);
    TResultGraphs graphs;
    QVERIFY(ReadPlotFile(run.Plot(), false, graphs, project, tables, messages));
    TGraphPlot& combined = graphs.pltCombine;
    QVERIFY(combined.LayerCount() > 0);
    combined.SetWindowFactory([](TGraphPlot& g) -> TPlotWindow* { return new TPlotForm(g); });
    combined.ShowPlot();
    auto* form = static_cast<TPlotForm*>(combined.Window());
    combined.ShowLayers = true;
    form->resize(1000, 700);
    const TPixelRect plot = form->Layout().Plot;
    form->Legend()->move(plot.Right - form->Legend()->width() - 4,
                         plot.Bottom - form->Legend()->height() - 4);
    QTemporaryDir dir;
    const QString path = dir.filePath("combined.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(300);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    TPlotLayout layout;
    QVERIFY(PrintGraph(*form, printer, &layout));
    // Landscape Letter: 3300 pixels wide; the target ends an inch from the right edge (3000)
    // and the column takes the inch before it.
    QCOMPARE(layout.Target.Right, 3000);
    QCOMPARE(layout.Plot.Right, 2700);
    QCOMPARE(layout.Column, (TPixelRect{2760, layout.Plot.Top, 3000, layout.Plot.Bottom}));
    if (qEnvironmentVariableIsSet("CORVEX_SCREENSHOT_DIR"))
      QFile::copy(path, qEnvironmentVariable("CORVEX_SCREENSHOT_DIR") + "/printed_graph_steel_pipe.pdf");
    form->close();
  }
};

QTEST_MAIN(GraphOutputTest)
#include "qt_graph_output_test.moc"
