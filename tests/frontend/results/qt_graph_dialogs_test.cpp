// The graph dialogs and the plot-window commands that apply them: graph title, curve names,
// active curves and the size of a saved bitmap.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

#include "project/message_layer.h"
#include "results/active_lines_form.h"
#include "results/format_dialog.h"
#include "results/graph_caption_form.h"
#include "results/graph_plot.h"
#include "results/line_names_form.h"
#include "results/plot_form.h"
#include "results/qt_plot_commands.h"

using namespace corvex;

namespace {

// n straight curves; curve i runs from (0, 0) to (10 * (i + 1), 40).
struct Graph {
  TGraphPlot plot;
  explicit Graph(int n) {
    plot.SetWindowFactory([](TGraphPlot& g) -> TPlotWindow* { return new TPlotForm(g); });
    plot.SetLineCount(n);
    plot.SetPointCount(2);
    for (int i = 0; i < n; ++i) plot.Points(i, 1) = {10.0 * (i + 1), 40};
    plot.ShowPlot();
    commands = PlotCommandsOf(*Form());
    commands->SetMessages(messages);
  }
  TPlotForm* Form() { return static_cast<TPlotForm*>(plot.Window()); }
  QStringList LegendTexts() {
    QStringList texts;
    for (int i = 0; i < Form()->Legend()->count(); ++i) texts << Form()->Legend()->item(i)->text();
    return texts;
  }
  // Answers the Active Curves dialog: `act` works on it, then OK.
  void ActiveCurves(const std::function<void(TfrmActiveLines&)>& act, bool ok = true) {
    commands->RunDialog = [&](QDialog& d) {
      auto* dialog = qobject_cast<TfrmActiveLines*>(&d);
      if (dialog == nullptr) return int(QDialog::Rejected);
      act(*dialog);
      return int(ok ? QDialog::Accepted : QDialog::Rejected);
    };
    Form()->OnActiveCurves(*Form());
  }
  TMessageRecorder messages;
  TPlotCommands* commands = nullptr;
};

bool HasColor(const QImage& image, QColor color) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == color) return true;
  return false;
}

}  // namespace

class GraphDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void captionAppliesHoweverTheDialogCloses() {
    Graph g(2);
    const int plotTop = g.Form()->Layout().Plot.Top;
    g.commands->RunDialog = [](QDialog& d) {
      auto* dialog = qobject_cast<TfrmGraphCaption*>(&d);
      if (dialog == nullptr) return int(QDialog::Accepted);
      dialog->edtCaption->setText("Pile P-3");
      dialog->rbTop->setChecked(true);
      return int(QDialog::Rejected);  // closed with the window's close box
    };
    g.Form()->OnGraphTitle(*g.Form());
    QCOMPARE(g.plot.Title, std::string("Pile P-3"));
    QVERIFY(g.plot.TitleAtTop);
    // A title at the top lowers the plot by h / 8 + h = 1 + 14.
    QCOMPARE(g.Form()->Layout().Plot.Top, plotTop + 15);
  }

  void renameWithInactiveCurvesBeforeIt() {
    Graph g(5);
    g.ActiveCurves([](TfrmActiveLines& d) {
      d.ToggleItem(0);
      d.ToggleItem(1);
    });
    QCOMPARE(g.LegendTexts(), QStringList({"Curve #3 *", "Curve #4 *", "Curve #5 *"}));

    g.commands->RunDialog = [](QDialog& d) {
      auto* dialog = qobject_cast<TfrmLineNames*>(&d);
      if (dialog == nullptr) return int(QDialog::Rejected);
      dialog->lbLines->setCurrentRow(3);  // the fourth curve, second in the legend
      dialog->edLine->setText("API RP 2A");
      dialog->StoreEdit();
      dialog->done(QDialog::Accepted);
      return dialog->result();
    };
    g.Form()->OnEditLegend(*g.Form());
    QCOMPARE(g.plot.Lines(3).Name, std::string("API RP 2A"));
    QCOMPARE(g.LegendTexts(), QStringList({"Curve #3 *", "API RP 2A *", "Curve #5 *"}));
    QCOMPARE(g.Form()->CurveActions()[1]->text(), QString("API RP 2A"));
    QCOMPARE(g.Form()->CurveActions()[0]->text(), QString("Curve #3"));
  }

  void emptyNameIsRefusedAndCancelKeepsNames() {
    Graph g(2);
    g.commands->RunDialog = [](QDialog& d) {
      auto* dialog = qobject_cast<TfrmLineNames*>(&d);
      if (dialog == nullptr) return int(QDialog::Rejected);
      dialog->lbLines->setCurrentRow(1);
      dialog->edLine->setText("");
      dialog->StoreEdit();
      // The edit gets the item back.
      if (dialog->edLine->text() != "Curve #2") return int(QDialog::Accepted);
      dialog->edLine->setText("Renamed");
      dialog->StoreEdit();
      dialog->done(QDialog::Rejected);
      return dialog->result();
    };
    g.Form()->OnEditLegend(*g.Form());
    QCOMPARE(int(g.messages.Entries.size()), 1);
    QCOMPARE(g.messages.Entries[0].Text, std::string("The line must have a name!"));
    QCOMPARE(g.messages.Entries[0].Kind, TMessageKind::Plain);
    QCOMPARE(g.plot.Lines(1).Name, std::string());
    QCOMPARE(g.LegendTexts(), QStringList({"Curve #1 *", "Curve #2 *"}));
  }

  void deactivateAllLeavesNothingToListOrDraw() {
    Graph g(3);
    QWidget* area = g.Form()->PlotArea();
    area->resize(640, 480);
    QVERIFY(HasColor(area->grab().toImage(), QColor(0, 0, 255)));  // curve 2 is blue
    g.ActiveCurves([](TfrmActiveLines& d) { d.DeactivateAllClick(); });
    QCOMPARE(g.Form()->Legend()->count(), 0);
    QVERIFY(g.Form()->CurveActions().empty());
    for (int i = 0; i < 3; ++i) QVERIFY(!g.plot.Lines(i).Active);
    const QImage image = area->grab().toImage();
    QVERIFY(!HasColor(image, QColor(0, 0, 255)));
    QVERIFY(!HasColor(image, QColor(255, 0, 0)));
  }

  void cancelChangesNothingAndSelectedTogglesEverySelectedItem() {
    Graph g(3);
    g.ActiveCurves([](TfrmActiveLines& d) { d.DeactivateAllClick(); }, false);
    QCOMPARE(g.Form()->Legend()->count(), 3);
    g.ActiveCurves([](TfrmActiveLines& d) {
      d.lbLines->item(0)->setSelected(true);
      d.lbLines->item(2)->setSelected(true);
      d.ToggleSelectedClick();
      QCOMPARE(d.lbLines->item(0)->text(), QString(" no  :    Curve #1"));
      QCOMPARE(d.lbLines->item(1)->text(), QString(" yes :    Curve #2"));
    });
    QCOMPARE(g.LegendTexts(), QStringList({"Curve #2 *"}));
    QCOMPARE(g.Form()->CurveActions()[0]->data().toInt(), 1);
  }

  void activatingTheTwentyFirstCurveAppendsItsItems() {
    Graph g(21);
    QCOMPARE(g.Form()->Legend()->count(), 20);
    g.ActiveCurves([](TfrmActiveLines& d) { d.ActivateAllClick(); });
    QCOMPARE(g.Form()->Legend()->count(), 21);
    QCOMPARE(int(g.Form()->CurveActions().size()), 21);
    QCOMPARE(g.Form()->CurveActions()[20]->text(), QString("Curve #21"));
    QVERIFY(g.Form()->CurveActions()[20]->isChecked());
    // Height of the box: 21 items of 16 pixels + 3.
    QCOMPARE(g.Form()->Legend()->height() - 2 * g.Form()->Legend()->frameWidth(), 21 * 16 + 3);
  }

  void saveAttributesSizeTheBitmap() {
    TMessageRecorder messages;
    QImage bitmap;
    TdlgFormat dialog(bitmap, messages);
    QCOMPARE(dialog.Colors(), TBitmapColors::Colors16);
    QVERIFY(dialog.OkClick());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(bitmap.size(), QSize(432, 288));  // 6 in x 72, 4 in x 72

    // Too large for memory: Abort instead of OK, the bitmap untouched.
    QImage big;
    TdlgFormat huge(big, messages);
    huge.deWidth->setText("100000");
    huge.deHeight->setText("100000");
    huge.dePPI->setText("100000");
    QVERIFY(huge.OkClick());
    QCOMPARE(huge.result(), TdlgFormat::kAbort);
    QVERIFY(big.isNull());

    // Below the smallest width (2 in) the dialog stays open.
    QImage small;
    TdlgFormat narrow(small, messages);
    narrow.deWidth->setText("1");
    QVERIFY(!narrow.OkClick());
    QVERIFY(small.isNull());
    QVERIFY(!messages.Entries.empty());
  }
};

QTEST_MAIN(GraphDialogsTest)
#include "qt_graph_dialogs_test.moc"
