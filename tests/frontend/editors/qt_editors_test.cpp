// The input editors inside the main window, driven through their controls: the method window's
// rules and what it stores, the soil-layer window's buttons, type changes and stored values,
// and the refusal to close while a numeric field holds an invalid entry.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "editors/cpt_window.h"
#include "editors/editor_opener.h"
#include "editors/layer_data_window.h"
#include "editors/method_window.h"
#include "editors/option_windows.h"
#include "editors/pile_windows.h"
#include "editors/soil_layers_window.h"
#include "editors/table_form.h"
#include "project/message_layer.h"
#include "project/project_tables.h"
#include "shell/data_edit.h"
#include "results/graph_plot.h"
#include "shell/main_form.h"
#include "shell/qt_file_dialogs.h"

using namespace corvex;

namespace {

class TNoDialogs : public TFileDialogs {
 public:
  TFileChoice Open(QWidget*) override { return {}; }
  TFileChoice SaveAs(QWidget*, const QString&, const QString&) override { return {}; }
};

template <class Window>
Window* Open(TMainForm& form, TEditorKind kind) {
  OpenInputEditor(form, kind);
  QMdiSubWindow* sub = form.MdiArea()->activeSubWindow();
  return sub ? qobject_cast<Window*>(sub->widget()) : nullptr;
}

void Type(TDataEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
}

// Saves a picture of the window when a folder is named in CORVEX_SCREENSHOT_DIR.
void Screenshot(QWidget* window, const char* name) {
  const QByteArray dir = qgetenv("CORVEX_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  window->grab().save(QString::fromUtf8(dir) + "/" + name);
}

}  // namespace

class EditorsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = new TMainForm(messages_, dialogs_);
    form_->resize(1100, 800);
    form_->show();
    QApplication::setActiveWindow(form_);
    messages_.Entries.clear();
  }
  void cleanup() {
    form_->CloseAllChildren();
    delete form_;
  }

  void methodWindowRulesAndStore() {
    auto* w = Open<TfrmWaterDepth>(*form_, TEditorKind::ComputationMethods);
    QVERIFY(w);
    QCOMPARE(OpenCount(), 1);
    OpenInputEditor(*form_, TEditorKind::ComputationMethods);
    QCOMPARE(OpenCount(), 1);  // one instance
    form_->Session().Project().TaperAngle = 0.3;
    form_->Session().SetModified(false);
    w->Pages->setCurrentIndex(1);
    w->MethodChecks[3]->click();  // API: the transfer method's box stays checked
    QVERIFY(w->MethodChecks[3]->isChecked());
    w->Pages->setCurrentIndex(0);
    w->TransferOptions[2]->click();  // Revised Lambda
    w->Pages->setCurrentIndex(1);
    QVERIFY(w->MethodChecks[2]->isChecked());
    for (int i = 0; i < 9; ++i) QCOMPARE(w->LsLabels[i]->isVisible(), i == 2);
    QVERIFY(!w->MethodChecks[6]->isEnabled());  // offshore methods off in this edition
    w->ClearSelectionsClick();
    for (int i = 0; i < 9; ++i) QCOMPARE(w->MethodChecks[i]->isChecked(), i == 2);
    w->OptTension->click();
    QVERIFY(!w->deREDUCT->isEnabled());  // API not checked
    w->MethodChecks[3]->click();
    QVERIFY(w->deREDUCT->isEnabled());
    Type(w->deREDUCT, "0.5");
    w->OptCompression->click();
    Screenshot(w->parentWidget(), "method_window.png");
    QVERIFY(form_->Session().Modified());
    w->CloseWindow();
    QCOMPARE(OpenCount(), 0);
    const TProgramData& p = form_->Session().Project();
    QCOMPARE(p.TransferMethod, 3);
    QCOMPARE(p.TaperAngle, 0.0);
    QCOMPARE(p.LoadingType, 0);
    QCOMPARE(p.TensionFactor, 1.0);
    QCOMPARE(p.Method(3), 1);
    QCOMPARE(p.Method(4), 1);
    QCOMPARE(p.Method(1), 0);
  }

  void invalidEntryKeepsTheWindow() {
    auto* w = Open<TDlgOptions>(*form_, TEditorKind::ControlOptions);
    QVERIFY(w);
    QCOMPARE(w->DataEdit2->text(), QString("1"));
    Type(w->DataEdit3, "2*(");
    w->CloseWindow();
    QCOMPARE(OpenCount(), 1);
    QCOMPARE(messages_.Entries.size(), std::size_t{1});
    Type(w->DataEdit3, "2*0.25");
    w->CloseWindow();
    QCOMPARE(OpenCount(), 0);
    QCOMPARE(form_->Session().Project().Increment, 0.5);
  }

  void soilLayersAddTypeDeleteAndStore() {
    auto* w = Open<TDlgSoilLayers>(*form_, TEditorKind::SoilLayers);
    QVERIFY(w);
    QCOMPARE(w->LayerGrid->rowCount(), 1);
    w->ButtonAdd->click();
    w->ButtonAdd->click();
    QCOMPARE(w->LayerGrid->rowCount(), 3);
    Type(w->Field(1, 2), "20+5");
    QVERIFY(w->Field(1, 2)->ExitCheck());
    QCOMPARE(w->Combo(1)->count(), 2);  // silt is not offered with API alone
    w->Combo(1)->setCurrentIndex(1);
    w->ComboChange(1, 1);
    Type(w->Field(2, 3), "1500");
    Screenshot(w->parentWidget(), "soil_layers_window.png");
    // Deleting layer 2 asks first; No keeps it.
    messages_.Answers = {TMessageAnswer::No};
    w->ComboChange(1, 1);  // layer 2 becomes the current row
    w->ButtonDelClick();
    QCOMPARE(QString::fromStdString(messages_.Entries.back().Text), QString("Do you want to delete soil layer in row 2"));
    QCOMPARE(w->LayerGrid->rowCount(), 3);
    w->CloseWindow();
    TGridTable& d = form_->Session().Tables().D;
    QCOMPARE(d.RowCount(), 3);
    QCOMPARE(d.Cell(soil_column::kSoilType, 1).AsInteger(), kClay);
    QCOMPARE(d.Cell(soil_column::kBottomDepth, 1).AsFloat(), 25.0);
    QCOMPARE(d.Cell(soil_column::kMaxSideFriction, 2).AsFloat(), 1500.0);
    QCOMPARE(d.Cell(soil_column::kEndFactor, 2).AsFloat(), 1.0);
  }

  void tableWindowRefusesAnInvalidCell() {
    TGridTable& areas = form_->Session().Tables().Sectionaldata;
    OpenInputEditor(*form_, TEditorKind::ExtraTzDepths);
    OpenTableWindow(*form_, areas);
    auto* w = qobject_cast<TTableForm*>(form_->MdiArea()->activeSubWindow()->widget());
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Cross Section Area "));
    QVERIFY(w->BtnAdd->isVisible());
    QVERIFY(!w->BtnDel->isEnabled());
    w->Grid->item(1, 1)->setText("3+");
    QCOMPARE(messages_.Entries.size(), std::size_t{1});
    w->CloseWindow();
    QCOMPARE(OpenCount(), 2);
    w->Grid->item(1, 1)->setText("3+4");
    QCOMPARE(areas.Cell(1, 1).AsFloat(), 7.0);
    w->Grid->setCurrentCell(2, 1);
    w->BtnAddClick();
    QVERIFY(w->BtnDel->isEnabled());
    // Enter in the last row of the last column moves to the first row of the first column.
    w->Grid->setCurrentCell(2, 1);
    QTest::keyClick(w->Grid, Qt::Key_Return);
    QCOMPARE(w->Grid->currentRow(), 0);
    QCOMPARE(w->Grid->currentColumn(), 0);
    QCOMPARE(areas.RowCount(), 3);
    w->CloseWindow();
    QCOMPARE(OpenCount(), 1);
  }

  void tableWindowCornerTextAndEditingAlwaysOn() {
    OpenTableWindow(*form_, form_->Session().Tables().LayerData(0));
    auto* layer = qobject_cast<TTableForm*>(form_->MdiArea()->activeSubWindow()->widget());
    QVERIFY(layer);
    QCOMPARE(layer->TopLeft->text(), QString("Location, 1=Top, 2=Bottom"));
    // Row numbers as wide as the corner text and two blanks.
    const QFontMetrics metrics = layer->Grid->verticalHeader()->fontMetrics();
    QCOMPARE(layer->Grid->verticalHeader()->width(), metrics.horizontalAdvance("Location, 1=Top, 2=Bottom  "));
    layer->CloseWindow();

    TGridTable& areas = form_->Session().Tables().Sectionaldata;
    OpenTableWindow(*form_, areas);
    auto* w = qobject_cast<TTableForm*>(form_->MdiArea()->activeSubWindow()->widget());
    QVERIFY(w);
    QCOMPARE(w->TopLeft->text(), QString());
    // No corner text: a third of an inch (32 pixels at 96 dots per inch).
    QCOMPARE(w->Grid->verticalHeader()->width(), w->logicalDpiX() / 3);
    QCOMPARE(w->Grid->verticalHeader()->model()->headerData(1, Qt::Vertical).toString(), QString("2"));

    // Selecting a cell opens its editor; typed text and Enter store the value and move down.
    w->Grid->setFocus();
    w->Grid->setCurrentCell(0, 1);
    QTRY_VERIFY(w->Grid->indexWidget(w->Grid->currentIndex()) != nullptr);
    QWidget* editor = w->Grid->indexWidget(w->Grid->currentIndex());
    QTest::keyClicks(editor, "2*3.5");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(areas.Cell(1, 0).AsFloat(), 7.0);
    QCOMPARE(w->Grid->currentRow(), 1);
    QCOMPARE(w->Grid->currentColumn(), 1);
    QTRY_VERIFY(w->Grid->indexWidget(w->Grid->currentIndex()) != nullptr);
    // A refused entry typed into the open editor keeps its cell when another is selected.
    messages_.Entries.clear();
    QTest::keyClicks(w->Grid->indexWidget(w->Grid->currentIndex()), "3+");
    w->Grid->setCurrentCell(0, 0);
    QTRY_COMPARE(w->Grid->currentRow(), 1);
    QCOMPARE(w->Grid->currentColumn(), 1);
    QCOMPARE(messages_.Entries.size(), std::size_t{1});
    w->Grid->item(1, 1)->setText("4");

    // Insert and Delete with no current row change nothing and report the fault.
    w->Grid->setCurrentCell(-1, -1);
    messages_.Entries.clear();
    w->BtnAdd->click();  // three rows: Delete enabled
    w->Grid->setCurrentCell(-1, -1);
    w->BtnInsClick();
    w->BtnDelClick();
    QCOMPARE(areas.RowCount(), 3);
    QCOMPARE(messages_.Entries.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(messages_.Entries.back().Text), QString("Grid.Row not in valid range"));
    w->CloseWindow();
    QCOMPARE(OpenCount(), 0);
  }

  void areaTableDataButtonOpensTheTableWindow() {
    auto* m = Open<TfrmMaterial>(*form_, TEditorKind::PileMaterial);
    QVERIFY(m);
    QVERIFY(!m->SectionButton1->isEnabled());
    m->AreaOptions[2]->click();  // area from the table
    QVERIFY(m->SectionButton1->isEnabled());
    m->SectionButton1->click();
    auto* w = qobject_cast<TTableForm*>(form_->MdiArea()->activeSubWindow()->widget());
    QVERIFY(w);
    QCOMPARE(&w->Table(), &form_->Session().Tables().Sectionaldata);
    QCOMPARE(w->windowTitle(), QString("Cross Section Area "));
    QCOMPARE(w->Grid->rowCount(), 2);  // given its two least rows
    QCOMPARE(OpenCount(), 2);
  }

  void pileWindows() {
    TProgramData& p = form_->Session().Project();
    p.OuterDiameter = 24;
    p.InnerDiameter = 23;
    auto* m = Open<TfrmMaterial>(*form_, TEditorKind::PileMaterial);
    QVERIFY(m);
    QVERIFY(m->TypeOptions[0]->isChecked());
    QCOMPARE(m->DeAutoSection->text().left(7), QString("36.9138"));
    QVERIFY(!m->deAngle->isEnabled());  // FHWA not selected
    m->TypeOptions[5]->click();          // H-pile
    m->CloseWindow();
    QCOMPARE(OpenCount(), 0);
    QCOMPARE(p.PileType, 6);
    QVERIFY(!p.Circular);

    p.PileType = 2;
    auto* c = Open<TfrmShaftpeneta>(*form_, TEditorKind::CircularPile);
    QVERIFY(c);
    QVERIFY(!c->DataEdit9->isEnabled());
    QCOMPARE(c->DataEdit9->text(), QString("0"));
    QVERIFY(c->PlugGroup->isHidden());
    c->DataEdit1->setFocus();
    Type(c->DataEdit1, "-3");
    QTest::keyClick(c->DataEdit1, Qt::Key_Tab);
    QVERIFY(!messages_.Entries.empty());
    QCOMPARE(QString::fromStdString(messages_.Entries.back().Text),
             QString("Pile Stickup Length should be a positive number\rIt will be set as 0"));
    QCOMPARE(c->DataEdit1->text(), QString("0"));
    Type(c->DataEdit10, "10");
    c->FormDeactivate();
    QAction* si = form_->findChild<QAction*>("OptSI");
    QVERIFY(si);
    si->trigger();
    QCOMPARE(p.Units, 2);
    QCOMPARE(c->DataEdit10->text(), QString("3.048"));  // 10 ft shown in m
    c->CloseWindow();
    QCOMPARE(p.StickupLength, 0.0);
    QCOMPARE(p.InnerDiameter, 0.0);
  }

  void cptWindowKeepsQcPoints() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cone.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("depth qc\n1 200\n2 300\n");
    file.close();
    auto* w = Open<TDlgInputMotion>(*form_, TEditorKind::CptData);
    QVERIFY(w);
    QVERIFY(!w->Button1->isEnabled());
    w->EdtWord->setText(dir.filePath("missing.txt"));
    QVERIFY(w->Button1->isEnabled());
    QVERIFY(!w->ShowProfile(TCptConversion::Qc));
    QCOMPARE(QString::fromStdString(messages_.Entries.back().Text), "File " + dir.filePath("missing.txt") + " does not exists");
    w->EdtWord->setText(path);
    Type(w->DataEdit4, "1");
    QVERIFY(w->ShowProfile(TCptConversion::Qc));
    QVERIFY(w->ShowProfile(TCptConversion::Su));
    const TProgramData& p = form_->Session().Project();
    QCOMPARE(p.CptCount, 2);
    QCOMPARE(p.CptPoints[1].X, 300.0);  // still qc after the Su profile
    QCOMPARE(w->Graph(TCptConversion::Su).Lines(0).Points[1].X, 20.0);  // 300 / 15
    w->CloseWindow();
    QCOMPARE(p.CptImportFileName, path.toStdString());
    QCOMPARE(p.CptHeaderLines, 1);
  }

  void tableWindowOfADeletedLayerClosesItself() {
    auto* layers = Open<TDlgSoilLayers>(*form_, TEditorKind::SoilLayers);
    layers->ButtonAddClick();
    OpenTableWindow(*form_, form_->Session().Tables().LayerData(1));
    QCOMPARE(OpenCount(), 2);
    layers->ComboChange(1, 1);  // clay: the layer's table is rebuilt, the open window's table is gone
    QMdiSubWindow* tableSub = form_->MdiArea()->activeSubWindow();
    form_->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(layers->parentWidget()));
    form_->MdiArea()->setActiveSubWindow(tableSub);
    QTest::qWait(20);
    QCOMPARE(OpenCount(), 1);
    messages_.Answers = {TMessageAnswer::No};  // do not save the changes
    form_->FileNewClick();                     // no crash when the remaining windows close
    QCOMPARE(OpenCount(), 0);
  }

  void layerDataWindowKeepsTheChosenInput() {
    TProjectTables& tables = form_->Session().Tables();
    tables.LayerData(0).Cell(sand_column::kBlowCount, 0).SetInteger(9);
    TDlgSoils dialog(*form_, 1, kSand);
    QCOMPARE(dialog.windowTitle(), QString("Data for Layer 1"));
    QVERIFY(dialog.OptBlowCounts->isChecked());
    QVERIFY(!dialog.Field(sand_column::kFrictionAngle, 0)->isEnabled());
    dialog.OptAngle->click();
    Type(dialog.Field(sand_column::kFrictionAngle, 1), "31");
    QVERIFY(dialog.FormDeactivate());
    QCOMPARE(tables.LayerData(0).Cell(sand_column::kBlowCount, 0).AsInteger(), 0);
    QCOMPARE(tables.LayerData(0).Cell(sand_column::kFrictionAngle, 1).AsFloat(), 31.0);
    QVERIFY(!dialog.Field(sand_column::kQc, 0));  // cone data only in the offshore edition
  }

  void editsAfterTheMainWindowCommittedAreStoredWhenLeaving() {
    auto* options = Open<TDlgOptions>(*form_, TEditorKind::ControlOptions);
    Type(options->DataEdit2, "3");
    form_->DeactivateActiveChild();  // a menu was opened
    QCOMPARE(form_->Session().Project().PrintEvery, 3);
    Type(options->DataEdit2, "4");  // still the active child
    OpenInputEditor(*form_, TEditorKind::Title);
    QCOMPARE(form_->Session().Project().PrintEvery, 4);
  }

 private:
  int OpenCount() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(form_->MdiArea()->subWindowList().size());
  }

  TMessageRecorder messages_;
  TNoDialogs dialogs_;
  TMainForm* form_ = nullptr;
};

QTEST_MAIN(EditorsTest)
#include "qt_editors_test.moc"
