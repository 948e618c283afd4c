#include "editors/pile_windows.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "editors/editor_opener.h"
#include "editors/pile_picture.h"
#include "project/number_format.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

namespace {

QPushButton* CloseButton(TEditorWindow* owner) {
  auto* close = new QPushButton("Close", owner);
  close->setObjectName("BtnClose");
  QObject::connect(close, &QPushButton::clicked, owner, [owner] { owner->CloseWindow(); });
  return close;
}

void AddField(QGridLayout* grid, int row, TDataEdit* field) {
  grid->addWidget(field->EditLabel(), row, 0);
  grid->addWidget(field, row, 1);
}

}  // namespace

// ---- material ----

TfrmMaterial::TfrmMaterial(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("frmMaterial");
  setWindowTitle("Pile Material");
  auto* layout = new QVBoxLayout(this);
  auto* types = new QGroupBox("Select Pile Type", this);
  auto* t = new QGridLayout(types);
  const char* names[7] = {"OptSteel", "OptTimber", "OptConcrete", "OptRaymond", "OptUniform", "OptHpile", "OptMonotube"};
  const char* captions[7] = {"&Steel pipe piles and non-tapered portion of monotube piles",
                             "&Timber piles",
                             "&Precast concrete piles",
                             "&Raymond step-taper piles",
                             "&Raymond &Uniform taper piles",
                             "&H-Piles/Steel Piles",
                             "Tapered portion of &Monotube piles"};
  auto* typeGroup = new QButtonGroup(this);
  for (int i = 0; i < 7; ++i) {
    TypeOptions[i] = new QRadioButton(captions[i], types);
    TypeOptions[i]->setObjectName(names[i]);
    typeGroup->addButton(TypeOptions[i]);
    t->addWidget(TypeOptions[i], i, 0);
    connect(TypeOptions[i], &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  auto* shape = new QWidget(types);
  auto* s = new QVBoxLayout(shape);
  OptDrain = new QRadioButton("Circular/Tubular", shape);
  OptDrain->setObjectName("OptDrain");
  OptUndrain = new QRadioButton("Square/Rectangular/Orthogonal", shape);
  OptUndrain->setObjectName("OptUndrain");
  for (QRadioButton* b : {OptDrain, OptUndrain}) {
    s->addWidget(b);
    connect(b, &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  t->addWidget(shape, 2, 1, 2, 1);
  deAngle = NewField("&Angle of taper for a tapered pile ", "Deg");
  deAngle->setObjectName("deAngle");
  deAngle->SetUnitsString("");
  deAngle->SetCaption("&Angle of taper for a tapered pile  (degrees)");
  AngleNote = new QLabel("( Only used by the FHWA Method for Pile Capacity)", types);
  t->addWidget(deAngle->EditLabel(), 7, 0);
  t->addWidget(deAngle, 7, 1);
  t->addWidget(AngleNote, 8, 0);
  layout->addWidget(types);

  auto* stiffness = new QGroupBox("Data for Axial Stiffness", this);
  auto* g = new QGridLayout(stiffness);
  deModulus = NewField("Modulus of &Elasticity, E", "F/L^2");
  deModulus->setObjectName("deModulus");
  deModulus->SetNumber(3500000.0);
  AddField(g, 0, deModulus);
  g->addWidget(new QLabel("(These entries are only used for computations of elastic deformation)", stiffness), 1, 0, 1, 2);
  g->addWidget(new QLabel("Cross Section Area", stiffness), 2, 0);
  auto* areaGroup = new QButtonGroup(this);
  const char* areaNames[3] = {"RadioButton3", "RadioButton1", "RadioButton2"};
  const char* areaCaptions[3] = {"Calculate from Pile Section", "Constant Cross Section Area",
                                 "Non-constant Cross Section Area"};
  for (int i = 0; i < 3; ++i) {
    AreaOptions[i] = new QRadioButton(areaCaptions[i], stiffness);
    AreaOptions[i]->setObjectName(areaNames[i]);
    areaGroup->addButton(AreaOptions[i]);
    connect(AreaOptions[i], &QRadioButton::clicked, this, [this] { ShowWindows(); });
  }
  DeAutoSection = NewField("", "L^2");
  DeAutoSection->setObjectName("DeAutoSection");
  DeAutoSection->setReadOnly(true);
  DeSection = NewField("", "L^2");
  DeSection->setObjectName("DeSection");
  SectionButton1 = new QPushButton("Data Button", stiffness);
  SectionButton1->setObjectName("SectionButton1");
  g->addWidget(AreaOptions[0], 3, 0);
  g->addWidget(DeAutoSection, 3, 1);
  g->addWidget(DeAutoSection->EditLabel(), 3, 2);
  g->addWidget(AreaOptions[1], 4, 0);
  g->addWidget(DeSection, 4, 1);
  g->addWidget(DeSection->EditLabel(), 4, 2);
  g->addWidget(AreaOptions[2], 5, 0);
  g->addWidget(SectionButton1, 5, 1);
  g->addWidget(new QLabel("(enter the area as a function of depth.)", stiffness), 6, 0, 1, 2);
  layout->addWidget(stiffness);
  layout->addWidget(CloseButton(this), 0, Qt::AlignRight);
  connect(SectionButton1, &QPushButton::clicked, this, [this] {
    OpenTableWindow(Main(), Tables().Sectionaldata);
    Session().SetModified(true);
  });
  FormActivate();
}

TMaterialChoices TfrmMaterial::Choices() {
  TMaterialChoices c;
  for (int i = 0; i < 7; ++i)
    if (TypeOptions[i]->isChecked()) c.PileType = i + 1;
  c.CircularShape = !OptUndrain->isChecked();
  for (int i = 0; i < 3; ++i)
    if (AreaOptions[i]->isChecked()) c.AreaMode = i;
  return c;
}

void TfrmMaterial::ShowWindows() {
  const TMaterialChoices c = Choices();
  const TMaterialEnabling e = TMaterialLogic::Enabling(c, Project());
  deAngle->setEnabled(e.Taper);
  AngleNote->setEnabled(e.Taper);
  OptDrain->setEnabled(e.ShapeChoice);
  OptUndrain->setEnabled(e.ShapeChoice);
  DeSection->setEnabled(e.ConstantArea);
  SectionButton1->setEnabled(e.AreaTable);
  DeAutoSection->setText(QString::fromStdString(FormatGeneralExact(TMaterialLogic::CalculatedArea(c, Project()))));
  MarkModified();
}

void TfrmMaterial::LoadControls() {
  for (TDataEdit* f : {deModulus, DeSection, DeAutoSection}) f->SetUnits(Project().Units);
  const TMaterialChoices c = TMaterialLogic::Load(Project());
  deModulus->SetNumber(c.Modulus);
  deAngle->SetNumber(c.TaperAngle);
  DeSection->SetNumber(c.SectionArea);
  if (c.PileType >= 1 && c.PileType <= 7) TypeOptions[c.PileType - 1]->setChecked(true);
  (c.CircularShape ? OptDrain : OptUndrain)->setChecked(true);
  if (c.AreaMode >= 0 && c.AreaMode <= 2) AreaOptions[c.AreaMode]->setChecked(true);
  ShowWindows();
}

void TfrmMaterial::StoreControls() {
  TMaterialChoices c = Choices();
  c.TaperAngle = deAngle->Number();
  c.Modulus = deModulus->Number();
  c.SectionArea = DeSection->Number();
  TMaterialLogic::Store(c, Project());
}

// ---- section windows ----

TDataEdit* TSectionWindow::NewStickupField() {
  DataEdit1 = NewField("&Pile Stickup Length, PSL", "L2");
  DataEdit1->setObjectName("DataEdit1");
  connect(DataEdit1, &QLineEdit::editingFinished, this, [this] {
    double value = 0.0;
    try {
      value = DataEdit1->Number();
    } catch (const std::exception&) {
      return;  // the field's own check reports it
    }
    if (value < 0) {
      Messages().Information("Pile Stickup Length should be a positive number\rIt will be set as 0");
      DataEdit1->SetNumber(0);
      DataEdit1->setFocus();
    }
  });
  return DataEdit1;
}

TfrmShaftpeneta::TfrmShaftpeneta(TMainForm& main, QWidget* parent) : TSectionWindow(main, parent) {
  setObjectName("frmShaftpeneta");
  setWindowTitle("Circular Pile Properties");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* grid = new QGridLayout;
  DataEdit8 = NewField("&Outer Diameter, OD", "L1");
  DataEdit9 = NewField("&Inner Diameter, ID", "L1");
  DataEdit10 = NewField("&Total Length, TL", "L2");
  DataEdit11 = NewField("&Lower End Section Length, ESL", "L2");
  DataEdit12 = NewField("Inner &Diameter of Lower-End Section, EID", "L1");
  DataEdit13 = NewField("Zero-&Friction Length from Ground, ZFL", "L2");
  NewStickupField();
  int row = 0;
  for (auto [field, name] : {std::pair{DataEdit8, "DataEdit8"}, {DataEdit9, "DataEdit9"}, {DataEdit10, "DataEdit10"},
                             {DataEdit11, "DataEdit11"}, {DataEdit12, "DataEdit12"}, {DataEdit13, "DataEdit13"},
                             {DataEdit1, "DataEdit1"}}) {
    field->setObjectName(name);
    AddField(grid, row++, field);
  }
  left->addLayout(grid);
  note_ = new QLabel("(Note: leave values of end section as zero if none is present)", this);
  left->addWidget(note_);
  PlugGroup = new QGroupBox("Plugged / Unplugged Conditions ", this);
  auto* p = new QVBoxLayout(PlugGroup);
  const char* plugNames[3] = {"OptIntPlug", "OptPlug", "OptUnplug"};
  const char* plugCaptions[3] = {"Internal Pile Plug Calculated by Program", "Plugged for open-ended pile",
                                 "Unplugged for open-ended pile"};
  for (int i : {1, 2, 0}) {
    PlugOptions[i] = new QRadioButton(plugCaptions[i], PlugGroup);
    PlugOptions[i]->setObjectName(plugNames[i]);
    p->addWidget(PlugOptions[i]);
    connect(PlugOptions[i], &QRadioButton::clicked, this, [this] { MarkModified(); });
  }
  left->addWidget(PlugGroup);
  left->addWidget(CloseButton(this), 0, Qt::AlignRight);
  layout->addLayout(left);
  auto* picture = new TPilePicture(0, this);
  picture->AddMark("OD", {0.5, 0.03}, DataEdit8);
  steelOnlyMarks_.push_back(picture->AddMark("ID", {0.5, 0.12}, DataEdit9));
  picture->AddMark("TL", {0.83, 0.5}, DataEdit10);
  picture->AddMark("ZFL", {0.1, 0.27}, DataEdit13);
  steelOnlyMarks_.push_back(picture->AddMark("EID", {0.5, 0.97}, DataEdit12));
  steelOnlyMarks_.push_back(picture->AddMark("ESL", {0.68, 0.84}, DataEdit11));
  picture->AddMark("PSL", {0.32, 0.12}, DataEdit1);
  layout->addWidget(picture);
  FormActivate();
}

void TfrmShaftpeneta::LoadControls() {
  const TProgramData& p = Project();
  for (TDataEdit* f : {DataEdit1, DataEdit8, DataEdit9, DataEdit10, DataEdit11, DataEdit12, DataEdit13})
    f->SetUnits(p.Units);
  DataEdit1->SetNumber(p.StickupLength);
  DataEdit8->SetNumber(p.OuterDiameter);
  DataEdit9->SetNumber(p.InnerDiameter);
  DataEdit10->SetNumber(p.TotalLength);
  DataEdit11->SetNumber(p.EndSectionLength);
  DataEdit12->SetNumber(p.EndSectionDiameter);
  DataEdit13->SetNumber(p.ZeroFrictionLength);
  const bool steel = p.PileType == 1;
  for (TDataEdit* f : {DataEdit9, DataEdit11, DataEdit12}) {
    f->setEnabled(steel);
    if (!steel) f->SetNumber(0);
  }
  for (QWidget* mark : steelOnlyMarks_) mark->setEnabled(steel);
  note_->setEnabled(steel);
  PlugGroup->setVisible(steel);
  if (p.PlugMode >= 0 && p.PlugMode <= 2) PlugOptions[p.PlugMode]->setChecked(true);
}

void TfrmShaftpeneta::StoreControls() {
  TProgramData& p = Project();
  p.StickupLength = DataEdit1->Number();
  p.OuterDiameter = DataEdit8->Number();
  p.InnerDiameter = DataEdit9->Number();
  p.TotalLength = DataEdit10->Number();
  p.EndSectionLength = DataEdit11->Number();
  p.EndSectionDiameter = DataEdit12->Number();
  p.ZeroFrictionLength = DataEdit13->Number();
  for (int i = 0; i < 3; ++i)
    if (PlugOptions[i]->isChecked()) p.PlugMode = i;
}

TfrmNCsection::TfrmNCsection(TMainForm& main, QWidget* parent) : TSectionWindow(main, parent) {
  setObjectName("frmNCsection");
  setWindowTitle("Noncircular Pile Properties");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* grid = new QGridLayout;
  DataEdit3 = NewField("&Perimeter for Noncircular Section ", "L1");
  DataEdit4 = NewField("Tip &Area for Noncircular Section ", "L^2");
  DataEdit5 = NewField("&Total Length, TL", "L2");
  DataEdit6 = NewField("Zero-&Friction from Length Ground, ZFL", "L2");
  NewStickupField();
  int row = 0;
  for (auto [field, name] : {std::pair{DataEdit3, "DataEdit3"}, {DataEdit4, "DataEdit4"}, {DataEdit5, "DataEdit5"},
                             {DataEdit6, "DataEdit6"}, {DataEdit1, "DataEdit1"}}) {
    field->setObjectName(name);
    AddField(grid, row++, field);
  }
  left->addLayout(grid);
  for (const char* text : {"Examples:", "P = 2(L1+L2)", "A = L1x L2", "A = 2(L1xW1) + (L2 - 2xW1) x W2",
                           "For very soft clays, use:"})
    left->addWidget(new QLabel(text, this));
  left->addWidget(CloseButton(this), 0, Qt::AlignRight);
  layout->addLayout(left);
  auto* picture = new TPilePicture(1, this);
  picture->AddMark("ZFL", {0.1, 0.27}, DataEdit6);
  picture->AddMark("TL", {0.83, 0.5}, DataEdit5);
  picture->AddMark("PSL", {0.32, 0.12}, DataEdit1);
  layout->addWidget(picture);
  FormActivate();
}

void TfrmNCsection::LoadControls() {
  const TProgramData& p = Project();
  for (TDataEdit* f : {DataEdit1, DataEdit3, DataEdit4, DataEdit5, DataEdit6}) f->SetUnits(p.Units);
  DataEdit1->SetNumber(p.StickupLength);
  DataEdit3->SetNumber(p.Perimeter);
  DataEdit4->SetNumber(p.TipArea);
  DataEdit5->SetNumber(p.TotalLength);
  DataEdit6->SetNumber(p.ZeroFrictionLength);
}

void TfrmNCsection::StoreControls() {
  TProgramData& p = Project();
  p.StickupLength = DataEdit1->Number();
  p.Perimeter = DataEdit3->Number();
  p.TipArea = DataEdit4->Number();
  p.TotalLength = DataEdit5->Number();
  p.ZeroFrictionLength = DataEdit6->Number();
}

}  // namespace corvex
