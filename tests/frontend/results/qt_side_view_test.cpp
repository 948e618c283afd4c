// The elevation view drawn offscreen for each example project and for a project without
// layers; the depth under the mouse; the stop on an invalid number; the printed profile.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "project/message_layer.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "results/side_view_form.h"
#include "results/side_view_input.h"

using namespace corvex;

namespace {

TSideViewInput LoadExample(const QString& name) {
  TProjectTables tables;
  TMessageRecorder messages;
  const std::string path = std::string(CORVEX_SOURCE_DIR) + "/examples/" + name.toStdString();
  const TProgramData project = TProgramData::CreateFromFile(path, false, tables, messages);
  return SideViewInputOf(project, tables.D);
}

}  // namespace

class SideViewTest : public QObject {
  Q_OBJECT

 private slots:
  void everyExampleIsDrawn() {
    const QStringList examples =
        QDir(QStringLiteral(CORVEX_SOURCE_DIR "/examples")).entryList({"*.cx6d"}, QDir::Files);
    QVERIFY(examples.size() >= 5);
    for (const QString& name : examples) {
      const TSideViewInput input = LoadExample(name);
      QVERIFY2(!input.Layers.empty(), qPrintable(name));
      TDlgSideView view([input] { return input; });
      view.resize(648, 460);
      QVERIFY2(!view.Stopped(), qPrintable(name));
      QCOMPARE(int(view.Outline().size()), 1);
      const QImage image = view.grab().toImage();
      // The pile is filled in the text colour on the axis, a little below the ground.
      const TSideRange& v = view.ViewRange();
      const int x = SideMapX(v, view.width(), 0);
      const int y = SideMapY(v, view.height(), 0.5 * view.Outline()[0].Y[2]);
      QCOMPARE(image.pixelColor(x, y), view.palette().color(QPalette::WindowText));
    }
  }

  void steelPipeBoundsByHand() {
    // 18 in pipe (1.5 ft), 72 ft long with 2 ft stickup, layers down to 90 ft:
    // X -0.75 ... 0.75, depth -2 ... 90, each times 1.05.
    const TSideViewInput input = LoadExample("steel_pipe_layered.cx6d");
    TDlgSideView view([input] { return input; });
    view.resize(648, 460);
    QCOMPARE(view.PileWidth(), 1.5);
    QVERIFY(std::fabs(view.Bounds().XMin + 0.7875) < 1e-12);
    QVERIFY(std::fabs(view.Bounds().YMin + 2.1) < 1e-12);
    QVERIFY(std::fabs(view.Bounds().YMax - 94.5) < 1e-12);
    if (qEnvironmentVariableIsSet("CORVEX_SCREENSHOT_DIR"))
      view.grab().save(qEnvironmentVariable("CORVEX_SCREENSHOT_DIR") +
                       "/elevation_view_steel_pipe.png");
    // The caption shows the depth under the mouse with one decimal.
    const int y = SideMapY(view.ViewRange(), view.height(), 30);
    QMouseEvent move(QEvent::MouseMove, QPointF(300, y), QPointF(300, y), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QCOMPARE(view.windowTitle(), QString("  Depth: 30.0"));
  }

  void projectWithoutLayersKeepsTheStartBounds() {
    TDlgSideView view([] { return TSideViewInput{}; });
    view.resize(648, 460);
    QVERIFY(view.Outline().empty());
    QCOMPARE(view.Bounds(), (TSideRange{-5, 5, 0, 5}));
    QVERIFY(!view.Stopped());
    const QImage image = view.grab().toImage();
    const QColor back = view.palette().color(QPalette::Window);
    // Nothing but the window colour away from the label and the button.
    for (int y = 80; y < image.height(); y += 7)
      for (int x = 0; x < image.width(); x += 7) QCOMPARE(image.pixelColor(x, y), back);
  }

  void invalidNumberStopsDrawingAndTheDepth() {
    TSideViewInput input;
    input.Layers.push_back({1, 0, 20});
    input.TotalLength = 30;
    input.OuterDiameter = 12;
    input.TaperAngle = NAN;
    TDlgSideView view([input] { return input; });
    view.resize(648, 460);
    QVERIFY(view.Stopped());
    const QString caption = view.windowTitle();
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QCOMPARE(view.windowTitle(), caption);
  }

  void printsTheProfileToAPdfFile() {
    const TSideViewInput input = LoadExample("steel_pipe_layered.cx6d");
    TDlgSideView view([input] { return input; });
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("profile.pdf"));
    QVERIFY(view.PrintProfile(printer));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.docName(), QString("Soil-Pile Profile"));
    QVERIFY(QFileInfo(dir.filePath("profile.pdf")).size() > 0);
  }

  void oneViewInTheAreaReadingTheProjectWhenActivated() {
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    TSideViewInput input;
    input.Layers.push_back({1, 0, 20});
    input.TotalLength = 30;
    input.StickupLength = 2;
    input.OuterDiameter = 12;  // 1 ft
    TDlgSideView* view = OpenSideView(area, [&input] { return input; });
    QCOMPARE(view->windowTitle(), QString("Elevation View"));
    // The pile tip at 30 - 2 = 28 ft lies below the layer bottom (20 ft).
    QCOMPARE(view->Bounds().YMax, 28 * 1.05);
    // The project changes; another child window becomes active, then the view again.
    input.Layers.push_back({2, 20, 50});
    QWidget* other = area.addSubWindow(new QWidget);
    other->show();
    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(other));
    QCOMPARE(view->Bounds().YMax, 28 * 1.05);
    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    QCOMPARE(view->Bounds().YMax, 50 * 1.05);
    QCOMPARE(OpenSideView(area, [&input] { return input; }), view);
    int views = 0;
    for (QMdiSubWindow* sub : area.subWindowList())
      if (qobject_cast<TDlgSideView*>(sub->widget()) != nullptr) ++views;
    QCOMPARE(views, 1);
  }
};

QTEST_MAIN(SideViewTest)
#include "qt_side_view_test.moc"
