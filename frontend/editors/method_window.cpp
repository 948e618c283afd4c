#include "editors/method_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editors/editor_opener.h"
#include "project/program_data.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

namespace {
const char* const kTransferNames[9] = {"OptFHWA", "OptUSCOE", "OptLamda", "OptAPI", "OptUserSpecified",
                                       "OptNGI",  "OptMTD",   "OptFugro", "OptUWA"};
const char* const kTransferCaptions[9] = {
    "&FHWA (Federal Highway Administration) (*)",     "USACE (U.S. Army &Corps of Engineers) (*)",
    "Revised &Lambda (*)",                            "&API RP 2A (American Petroleum Institute) (**)",
    "Load-transfer Units specified by &User (*)",     "&NGI (Norwegian Geotechnical Institute) (**)",
    "&ICP/MTD (Imperial College of London) (**)",     "Fugro (Offshore Driven Piles in Sand) (**)",
    "UWA (University of Western Australia) (**)"};
const char* const kCapacityCaptions[9] = {
    "&FHWA (Federal Highway Administration) ",     "USACE (U.S. Army &Corps of Engineers) ",
    "Revised Lambda ",                             "&API RP 2A (American Petroleum Institute) ",
    "Load-transfer Units specified by &User",      "&NGI (Norwegian Geotechnical Institute) ",
    "&ICP/MTD (Imperial College of London) ",      "Fugro (Offshore Driven Piles in Sand) ",
    "UWA (University of Western Australia) "};
}  // namespace

TfrmWaterDepth::TfrmWaterDepth(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("frmWaterDepth");
  setWindowTitle("Computation Methods");
  auto* layout = new QVBoxLayout(this);
  Pages = new QTabWidget(this);
  Pages->addTab(BuildSettlementPage(), "Method for Load Settlement");
  Pages->addTab(BuildCapacityPage(), "Method for Pile Capacity");
  layout->addWidget(Pages);
  FormActivate();
}

QWidget* TfrmWaterDepth::BuildSettlementPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox("Method for Unit Load Transfers", page);
  auto* g = new QVBoxLayout(group);
  g->addWidget(new QLabel("(and shape of Load-Transfer Curves)", group));
  auto* buttons = new QButtonGroup(this);
  for (int i = 0; i < 9; ++i) {
    TransferOptions[i] = new QRadioButton(kTransferCaptions[i], group);
    TransferOptions[i]->setObjectName(kTransferNames[i]);
    buttons->addButton(TransferOptions[i], i + 1);
    g->addWidget(TransferOptions[i]);
    connect(TransferOptions[i], &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  layout->addWidget(group);
  layout->addWidget(new QLabel("Notes on shape of load-transfer curves:", page));
  layout->addWidget(new QLabel("(*) Uses Reese/Skepmton/Mosher curves", page));
  layout->addWidget(new QLabel("(**) Uses API RP 2A Curves", page));
  auto* factors = new QGroupBox("Factors for t-z and Q-w Curves", page);
  auto* f = new QVBoxLayout(factors);
  OptHigh = new QRadioButton("Use Unfactored Unit Side Friction and Unit Tip Resistance", factors);
  OptHigh->setObjectName("OptHigh");
  OptLow = new QRadioButton("Use Reduced Unit Side Friction and Unit Tip Resistance", factors);
  OptLow->setObjectName("OptLow");
  for (QRadioButton* b : {OptHigh, OptLow}) {
    f->addWidget(b);
    connect(b, &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  layout->addWidget(factors);
  auto* close = new QPushButton("Close", page);
  connect(close, &QPushButton::clicked, this, [this] { CloseWindow(); });
  layout->addWidget(close, 0, Qt::AlignRight);
  return page;
}

QWidget* TfrmWaterDepth::BuildCapacityPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox("Computation Methods for Pile Capacity", page);
  auto* g = new QGridLayout(group);
  g->addWidget(new QLabel("Select one or more method(s)", group), 0, 0, 1, 2);
  for (int i = 0; i < 9; ++i) {
    MethodChecks[i] = new QCheckBox(kCapacityCaptions[i], group);
    MethodChecks[i]->setObjectName(QString("CheckBox%1").arg(i + 1));
    LsLabels[i] = new QLabel("LS", group);
    LsLabels[i]->setObjectName(QString("LS%1").arg(i + 1));
    g->addWidget(MethodChecks[i], i + 1, 0);
    g->addWidget(LsLabels[i], i + 1, 1);
    connect(MethodChecks[i], &QCheckBox::clicked, this, [this] { ShowWindows(); });
  }
  auto* selectAll = new QPushButton("Select All", group);
  selectAll->setObjectName("BtnSelectAll");
  auto* clear = new QPushButton("Clear Selections", group);
  clear->setObjectName("BtnClear");
  connect(selectAll, &QPushButton::clicked, this, &TfrmWaterDepth::SelectAllClick);
  connect(clear, &QPushButton::clicked, this, &TfrmWaterDepth::ClearSelectionsClick);
  g->addWidget(selectAll, 10, 0);
  g->addWidget(clear, 11, 0);
  layout->addWidget(group);

  auto* critical = new QGroupBox("Critical Depth Method for Sand", page);
  auto* c = new QGridLayout(critical);
  auto* criticalGroup = new QButtonGroup(this);
  const char* captions[3] = {"Original Recommendations ", "At Effective Stress Reaching 3,500 psf (185 kPa)",
                             "At User-Specified Critical Depth"};
  for (int i = 0; i < 3; ++i) {
    CriticalOptions[i] = new QRadioButton(captions[i], critical);
    CriticalOptions[i]->setObjectName(QString("RadioButton%1").arg(i + 1));
    criticalGroup->addButton(CriticalOptions[i], i);
    connect(CriticalOptions[i], &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  CriticalNote = new QLabel("(10 to 20 Pile Diameter based on the Density)", critical);
  CriticalDepthField = NewField("", "L2");
  CriticalDepthField->setObjectName("CriticalDepthField");
  c->addWidget(CriticalOptions[0], 0, 0);
  c->addWidget(CriticalNote, 1, 0);
  c->addWidget(CriticalOptions[1], 2, 0);
  c->addWidget(CriticalOptions[2], 3, 0);
  c->addWidget(CriticalDepthField, 3, 1);
  c->addWidget(CriticalDepthField->EditLabel(), 3, 2);
  layout->addWidget(critical);

  auto* clay = new QGroupBox(page);
  auto* cl = new QVBoxLayout(clay);
  OptDrain = new QRadioButton("Use Drained Condition for Clay", clay);
  OptDrain->setObjectName("OptDrain");
  OptUndrain = new QRadioButton("Use Undrained Condition for Clay", clay);
  OptUndrain->setObjectName("OptUndrain");
  for (QRadioButton* b : {OptDrain, OptUndrain}) {
    cl->addWidget(b);
    connect(b, &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  layout->addWidget(clay);

  auto* loading = new QGroupBox("Type of Loading", page);
  auto* l = new QGridLayout(loading);
  OptCompression = new QRadioButton("&Compression", loading);
  OptCompression->setObjectName("OptCompression");
  OptTension = new QRadioButton("&Tension", loading);
  OptTension->setObjectName("OptTension");
  for (QRadioButton* b : {OptCompression, OptTension})
    connect(b, &QRadioButton::clicked, this, [this] { ShowWindows(); });
  deREDUCT = NewField("&Reduction factor for tension loading");
  deREDUCT->setObjectName("deREDUCT");
  deREDUCT->SetMinVal(0.001);
  deREDUCT->SetMaxVal(10);
  deREDUCT->SetNumber(1.0);
  TensionNote = new QLabel("(only applied to API RP 2A method)", loading);
  l->addWidget(OptCompression, 0, 0);
  l->addWidget(OptTension, 1, 0);
  l->addWidget(deREDUCT->EditLabel(), 0, 1);
  l->addWidget(deREDUCT, 0, 2);
  l->addWidget(TensionNote, 1, 1, 1, 2);
  layout->addWidget(loading);
  auto* close = new QPushButton("Close", page);
  connect(close, &QPushButton::clicked, this, [this] { CloseWindow(); });
  layout->addWidget(close, 0, Qt::AlignRight);
  return page;
}

TMethodChoices TfrmWaterDepth::Choices() const {
  TMethodChoices c;
  for (int i = 0; i < 9; ++i) {
    if (TransferOptions[i]->isChecked()) c.TransferMethod = i + 1;
    c.Checked[i] = MethodChecks[i]->isChecked();
  }
  c.Tension = OptTension->isChecked();
  c.Drained = !OptUndrain->isChecked();
  c.Reduced = !OptHigh->isChecked();
  for (int i = 0; i < 3; ++i)
    if (CriticalOptions[i]->isChecked()) c.CriticalDepthMode = i;
  return c;
}

void TfrmWaterDepth::ShowChoices(const TMethodChoices& c) {
  for (int i = 0; i < 9; ++i) {
    TransferOptions[i]->setChecked(c.TransferMethod == i + 1);
    MethodChecks[i]->setChecked(c.Checked[i]);
  }
  (c.Tension ? OptTension : OptCompression)->setChecked(true);
  (c.Drained ? OptDrain : OptUndrain)->setChecked(true);
  (c.Reduced ? OptLow : OptHigh)->setChecked(true);
  if (c.CriticalDepthMode >= 0 && c.CriticalDepthMode <= 2) CriticalOptions[c.CriticalDepthMode]->setChecked(true);
}

void TfrmWaterDepth::ShowWindows() {
  TMethodChoices c = Choices();
  TMethodWindowLogic::ApplyRules(c);
  for (int i = 0; i < 9; ++i) MethodChecks[i]->setChecked(c.Checked[i]);
  const TMethodEnabling e = TMethodWindowLogic::Enabling(c, Project().OffshoreEdition);
  for (int i = 0; i < 9; ++i) {
    LsLabels[i]->setVisible(e.LsVisible[i]);
    TransferOptions[i]->setEnabled(e.MethodEnabled[i]);
    MethodChecks[i]->setEnabled(e.MethodEnabled[i]);
  }
  for (QRadioButton* b : CriticalOptions) b->setEnabled(e.CriticalChoices);
  CriticalNote->setEnabled(e.CriticalChoices);
  CriticalDepthField->setEnabled(e.CriticalField);
  OptDrain->setEnabled(e.DrainChoice);
  OptUndrain->setEnabled(e.DrainChoice);
  deREDUCT->setEnabled(e.TensionField);
  TensionNote->setEnabled(e.TensionField);
  MarkModified();
}

void TfrmWaterDepth::SelectAllClick() {
  TMethodChoices c = Choices();
  TMethodWindowLogic::SelectAll(c, Project().OffshoreEdition);
  for (int i = 0; i < 9; ++i) MethodChecks[i]->setChecked(c.Checked[i]);
  ShowWindows();
}

void TfrmWaterDepth::ClearSelectionsClick() {
  TMethodChoices c = Choices();
  TMethodWindowLogic::ClearSelections(c);
  for (int i = 0; i < 9; ++i) MethodChecks[i]->setChecked(c.Checked[i]);
  ShowWindows();
}

void TfrmWaterDepth::LoadControls() {
  const TMethodChoices c = TMethodWindowLogic::Load(Project());
  ShowChoices(c);
  CriticalDepthField->SetUnits(Project().Units);
  deREDUCT->SetNumber(c.TensionFactor);
  CriticalDepthField->SetNumber(c.CriticalDepth);
  ShowWindows();
}

void TfrmWaterDepth::StoreControls() {
  TMethodChoices c = Choices();
  TMethodWindowLogic::ApplyRules(c);
  c.TensionFactor = deREDUCT->Number();
  c.CriticalDepth = CriticalDepthField->Number();
  TMethodWindowLogic::Store(c, Project(), Tables());
  ReloadMaterialWindow(Main());
  RefreshTableWindows(Main());
  Session().SetModified(true);
}

}  // namespace corvex
