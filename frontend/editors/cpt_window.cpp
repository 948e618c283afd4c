#include "editors/cpt_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

#include "results/graph_plot.h"
#include "results/qt_plot_windows.h"
#include "project/program_data.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

TDlgInputMotion::TDlgInputMotion(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("DlgInputMotion");
  setWindowTitle("Data of Cone Penetration Test");
  setFixedSize(458, 422);
  for (auto& g : graphs_) {
    g = std::make_unique<TGraphPlot>();
    g->Caption = "CPT Data";
    g->XCaption = "Qu";
    g->YCaption = "Depth";
    g->XOnTop = true;
    if (Main().MdiArea()) OpenPlotWindowsIn(*Main().MdiArea(), *g);
  }
  auto* grid = new QGridLayout(this);
  int row = 0;
  grid->addWidget(new QLabel("Name of file for input cone data", this), row++, 0, 1, 2);
  EdtWord = new QLineEdit(this);
  EdtWord->setObjectName("EdtWord");
  BtnBrowse = new QPushButton("&Browse...", this);
  BtnBrowse->setObjectName("BtnBrowse");
  grid->addWidget(EdtWord, row, 0);
  grid->addWidget(BtnBrowse, row++, 1);
  auto field = [&](TDataEdit*& f, const char* name, const char* caption, double min, double max, double value,
                   bool integer) {
    f = NewField(caption);
    f->setObjectName(name);
    f->SetIntegerOnly(integer);
    f->SetMinVal(min);
    f->SetMaxVal(max);
    f->SetNumber(value);
    grid->addWidget(f->EditLabel(), row, 0);
    grid->addWidget(f, row++, 1);
  };
  field(DataEdit1, "DataEdit1", "Number of data lines to be read from the file", 2, 2147483647, 2, true);
  field(DataEdit4, "DataEdit4", "Number of header lines in file containing cone data", 0, 50, 0, true);
  field(DataEdit5, "DataEdit5", "Number of data columns per line to be read from the data file", 2, 20, 2, true);
  grid->addWidget(new QLabel("( The first two columns are reserved for Depth and  Qc )", this), row++, 0, 1, 2);
  field(DataEdit6, "DataEdit6", "Unit conversion factor for stress, Ua", -1e100, 1e100, 1, false);
  grid->addWidget(new QLabel("( ksf is required for English units and kPa is used for S.I. units)", this), row++, 0, 1, 2);
  grid->addWidget(new QLabel("(Ex. Ua=1000 if MPa instead of kPa is used in the field CPT data.)", this), row++, 0, 1, 2);
  Image1 = new QPushButton(" Graphics Button - Qc versus depth", this);
  Image1->setObjectName("Image1");
  SpeedButton1 = new QPushButton(" Graphics Button - Converted SPT versus depth", this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton2 = new QPushButton(" Graphics Button - Converted Su versus depth", this);
  SpeedButton2->setObjectName("SpeedButton2");
  for (QPushButton* b : {Image1, SpeedButton1, SpeedButton2}) grid->addWidget(b, row++, 0, 1, 2);
  Button1 = new QPushButton("Edit File", this);
  Button1->setObjectName("Button1");
  auto* close = new QPushButton("Close", this);
  close->setObjectName("Button2");
  grid->addWidget(Button1, row, 0, Qt::AlignLeft);
  grid->addWidget(close, row, 1);
  connect(close, &QPushButton::clicked, this, [this] { CloseWindow(); });
  connect(EdtWord, &QLineEdit::textChanged, this, [this](const QString& text) { Button1->setEnabled(!text.isEmpty()); });
  connect(Image1, &QPushButton::clicked, this, [this] { ShowProfile(TCptConversion::Qc); });
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { ShowProfile(TCptConversion::Spt); });
  connect(SpeedButton2, &QPushButton::clicked, this, [this] { ShowProfile(TCptConversion::Su); });
  connect(Button1, &QPushButton::clicked, this, [this] { Main().ShowTextFile(EdtWord->text()); });
  connect(BtnBrowse, &QPushButton::clicked, this, [this] {
    QFileDialog dialog(this, QString(), EdtWord->text(), "CPT recors(.txt) (*.txt *.acc);;All Files (*)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      EdtWord->setText(dialog.selectedFiles().front());
  });
  FormActivate();
}

TDlgInputMotion::~TDlgInputMotion() = default;

TGraphPlot& TDlgInputMotion::Graph(TCptConversion conversion) { return *graphs_[static_cast<int>(conversion)]; }

TCptImportSettings TDlgInputMotion::Settings() {
  TCptImportSettings s;
  s.FileName = EdtWord->text().toStdString();
  s.DataLines = DataEdit1->Number();
  s.HeaderLines = DataEdit4->Number();
  s.Columns = DataEdit5->Number();
  s.Ua = DataEdit6->Number();
  return s;
}

bool TDlgInputMotion::ShowProfile(TCptConversion conversion) {
  if (!FieldsValid()) return false;
  if (!QFileInfo(EdtWord->text()).isFile()) {
    Messages().ShowMessage("File " + EdtWord->text().toStdString() + " does not exists");
    return false;
  }
  const int units = Project().Units;
  std::vector<TCptPoint> points;
  const bool read = ImportCpt(Settings(), conversion, units, points, Messages());
  if (conversion == TCptConversion::Qc) {
    // The project keeps the qc points (also those read before a failure, as the graph does).
    Project().CptPoints = points;
    Project().CptCount = static_cast<int>(points.size());
    Session().SetModified(true);
  }
  TGraphPlot& graph = Graph(conversion);
  const TCptGraphTexts texts = CptGraphTexts(conversion, units);
  graph.Caption = texts.Caption;
  graph.XCaption = texts.XCaption;
  graph.YCaption = texts.YCaption;
  graph.SetUnits(units);
  graph.SetLineCount(1);
  graph.Lines(0).Points.clear();
  for (const TCptPoint& p : points) graph.Lines(0).Points.push_back({p.X, p.Y});
  graph.Lines(0).Name = texts.CurveName;
  if (read) graph.ShowPlot();
  return read;
}

void TDlgInputMotion::LoadControls() {
  const TProgramData& p = Project();
  EdtWord->setText(QString::fromStdString(p.CptImportFileName));
  Button1->setEnabled(!EdtWord->text().isEmpty());
  if (p.CptDataLines != 0) DataEdit1->SetNumber(p.CptDataLines);
  DataEdit4->SetNumber(p.CptHeaderLines);
  if (p.CptColumns != 0) DataEdit5->SetNumber(p.CptColumns);
}

void TDlgInputMotion::StoreControls() {
  TProgramData& p = Project();
  const TCptImportSettings s = Settings();
  const bool changed = s.FileName != p.CptImportFileName || std::lround(s.DataLines) != p.CptDataLines ||
                       std::lround(s.HeaderLines) != p.CptHeaderLines || std::lround(s.Columns) != p.CptColumns;
  p.CptImportFileName = s.FileName;
  p.CptDataLines = static_cast<std::int32_t>(std::lround(s.DataLines));
  p.CptHeaderLines = static_cast<std::int32_t>(std::lround(s.HeaderLines));
  p.CptColumns = static_cast<std::int32_t>(std::lround(s.Columns));
  if (changed) Session().SetModified(true);
}

}  // namespace corvex
