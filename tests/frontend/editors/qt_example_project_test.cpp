// Builds the layered steel-pipe example from a new project through the editors alone (typing
// into their fields and cells), saves it, and compares the saved project and CPT files with the
// example's value for value (the title line aside).
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "editors/cpt_window.h"
#include "editors/editor_opener.h"
#include "editors/method_window.h"
#include "editors/option_windows.h"
#include "editors/pile_windows.h"
#include "editors/soil_layers_window.h"
#include "editors/table_form.h"
#include "editors/table_form_logic.h"
#include "project/message_layer.h"
#include "project/number_parse.h"
#include "project/project_tables.h"
#include "shell/data_edit.h"
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
  return qobject_cast<Window*>(form.MdiArea()->activeSubWindow()->widget());
}

void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  field->del();
  QTest::keyClicks(field, text);
}

// The lines of a text file after the first `skip`, each split into words.
QList<QStringList> Words(const QString& path, int skip) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<QStringList> lines;
  const QStringList all = QString::fromUtf8(file.readAll()).split('\n');
  for (int i = skip; i < all.size(); ++i) lines << all[i].split(' ', Qt::SkipEmptyParts);
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

// Equal value for value: numbers compare as numbers ("0.0" equals "0"), other words as text.
void CompareFiles(const QString& saved, const QString& example, int skip) {
  const auto a = Words(saved, skip);
  const auto b = Words(example, skip);
  QVERIFY2(!b.isEmpty(), qPrintable(example));
  QCOMPARE(a.size(), b.size());
  for (int i = 0; i < a.size(); ++i) {
    QCOMPARE(a[i].size(), b[i].size());
    for (int j = 0; j < a[i].size(); ++j) {
      double x = 0, y = 0;
      const bool numbers = ParseDecimalNumber(a[i][j].toStdString(), x) && ParseDecimalNumber(b[i][j].toStdString(), y);
      if (numbers)
        QVERIFY2(x == y, qPrintable(QString("line %1 word %2: %3 / %4").arg(i + skip + 1).arg(j + 1).arg(a[i][j], b[i][j])));
      else
        QCOMPARE(a[i][j], b[i][j]);
    }
  }
}

// Types the values of a layer's data table (top row, bottom row) into its table window.
void TypeLayerData(TMainForm& form, int layer, const std::vector<double>& top, const std::vector<double>& bottom) {
  TGridTable& data = form.Session().Tables().LayerData(layer);
  OpenTableWindow(form, data);
  auto* w = qobject_cast<TTableForm*>(form.MdiArea()->activeSubWindow()->widget());
  QVERIFY(w);
  const std::vector<int> visible = TTableFormLogic::VisibleColumns(data);
  for (int g = 0; g < static_cast<int>(visible.size()); ++g) {
    const auto column = static_cast<std::size_t>(visible[static_cast<std::size_t>(g)]);
    if (column >= top.size()) continue;
    w->Grid->item(0, g)->setText(QString::number(top[column]));
    w->Grid->item(1, g)->setText(QString::number(bottom[column]));
    QCoreApplication::processEvents();
  }
  w->CloseWindow();
}

}  // namespace

class ExampleProjectTest : public QObject {
  Q_OBJECT

 private slots:
  void steelPipeExampleThroughTheEditors() {
    TMessageRecorder messages;
    TNoDialogs dialogs;
    TMainForm form(messages, dialogs);
    form.resize(1200, 900);
    form.show();
    QApplication::setActiveWindow(&form);
    QTemporaryDir dir;

    auto* title = Open<TdlgTitle>(form, TEditorKind::Title);
    Type(title->TitleMemo, "Steel pipe pile 18 in OD in layered sand and clay");
    Type(title->DataEdit1, "Foundation group");
    Type(title->DataEdit2, "CX-2026-014");
    title->CloseWindow();

    auto* methods = Open<TfrmWaterDepth>(form, TEditorKind::ComputationMethods);
    for (int i : {0, 1, 2}) methods->MethodChecks[i]->click();
    methods->CloseWindow();

    auto* options = Open<TDlgOptions>(form, TEditorKind::ControlOptions);
    Type(options->DataEdit3, "0.5");
    Type(options->DataEdit2, "5");
    options->CloseWindow();

    auto* material = Open<TfrmMaterial>(form, TEditorKind::PileMaterial);
    material->TypeOptions[0]->click();
    Type(material->deModulus, "29000000");
    material->CloseWindow();

    auto* pile = Open<TfrmShaftpeneta>(form, TEditorKind::CircularPile);
    Type(pile->DataEdit8, "18");
    Type(pile->DataEdit9, "17");
    Type(pile->DataEdit10, "72");
    Type(pile->DataEdit1, "2");
    pile->CloseWindow();

    auto* layers = Open<TDlgSoilLayers>(form, TEditorKind::SoilLayers);
    for (int i = 0; i < 3; ++i) layers->ButtonAddClick();
    const int types[4] = {1, 2, 1, 2};
    const char* depths[4] = {"12", "35", "60", "90"};
    const char* side[4] = {"1700", "0", "2000", "0"};
    const char* end[4] = {"100000", "0", "200000", "0"};
    for (int l = 0; l < 4; ++l) {
      layers->Combo(l)->setCurrentIndex(types[l] - 1);
      layers->ComboChange(l, types[l] - 1);
      Type(layers->Field(l, 2), depths[l]);
      Type(layers->Field(l, 3), side[l]);
      Type(layers->Field(l, 4), end[l]);
    }
    layers->CloseWindow();

    TypeLayerData(form, 0, {62, 30, 9, 1, 20}, {62, 30, 12, 1, 20});
    TypeLayerData(form, 1, {52, 800, 400, 25, 2}, {52, 1200, 600, 25, 1.8});
    TypeLayerData(form, 2, {65, 34, 25, 1, 40}, {65, 34, 35, 1, 40});
    TypeLayerData(form, 3, {56, 1800, 900, 20, 1.5}, {56, 2500, 1250, 20, 1.5});

    const QString cone = dir.filePath("cone.txt");
    QFile coneFile(cone);
    QVERIFY(coneFile.open(QIODevice::WriteOnly));
    coneFile.write("depth_ft qc_ksf\n2 60\n6 85\n10 110\n14 22\n20 26\n30 31\n38 190\n48 240\n58 280\n65 42\n75 48\n88 55\n");
    coneFile.close();
    auto* cpt = Open<TDlgInputMotion>(form, TEditorKind::CptData);
    Type(cpt->EdtWord, cone);
    Type(cpt->DataEdit1, "12");
    Type(cpt->DataEdit4, "1");
    QVERIFY(cpt->ShowProfile(TCptConversion::Qc));
    cpt->CloseWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QString saved = dir.filePath("steel_pipe_layered.cx6d");
    form.Session().SetFileName(saved.toStdString());
    form.Session().Save();
    const QString example = QString(CORVEX_SOURCE_DIR) + "/examples/steel_pipe_layered";
    CompareFiles(saved, example + ".cx6d", 1);
    CompareFiles(dir.filePath("steel_pipe_layered.cpt"), example + ".cpt", 0);
  }
};

QTEST_MAIN(ExampleProjectTest)
#include "qt_example_project_test.moc"
