#include "editors/layer_data_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "editors/layer_data_logic.h"
#include "project/grid_column_kinds.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

TDlgSoils::TDlgSoils(TMainForm& main, int layer, int soilType, QWidget* parent)
    : QDialog(parent), main_(main), layer_(layer), soilType_(soilType), fields_(8, {nullptr, nullptr}) {
  setObjectName("DlgSoils");
  setWindowTitle(QString("Data for Layer %1").arg(layer));
  const TProgramData& p = main_.Session().Project();
  auto* layout = new QVBoxLayout(this);
  auto* pages = new QTabWidget(this);
  auto* page = new QWidget;
  grid_ = new QGridLayout(page);
  grid_->addWidget(new QLabel("Values at\nTop of Layer", page), 0, 1);
  grid_->addWidget(new QLabel("Values at\nBottom of Layer", page), 0, 2);
  const char* names[3] = {"Sand", "Clay", "Silt"};
  int r = 1;
  auto heading = [&](const QString& text, bool enabled = true) {
    auto* label = new QLabel(text, page);
    label->setEnabled(enabled);
    grid_->addWidget(label, r++, 0, 1, 3);
  };
  auto choice = [&] {
    OptAngle = new QRadioButton("Enter Friction Angle (Preferred)", page);
    OptBlowCounts = new QRadioButton("Enter Blow Counts from SPT", page);
    grid_->addWidget(OptAngle, r++, 0, 1, 3);
    grid_->addWidget(OptBlowCounts, r++, 0, 1, 3);
    connect(OptAngle, &QRadioButton::clicked, this, [this] { ApplyChoice(); });
    connect(OptBlowCounts, &QRadioButton::clicked, this, [this] { ApplyChoice(); });
  };
  if (soilType_ == kSand) {
    AddItem("1. Effective Unit Weight", sand_column::kUnitWeight, r++);
    heading("2. Friction Angle (Degrees)");
    choice();
    AddItem("    Friction Angle", sand_column::kFrictionAngle, r++);
    AddItem("    Blow Counts", sand_column::kBlowCount, r++);
    const TSandKoItem ko = TLayerDataLogic::SandKo(p);
    for (const std::string& line : ko.Texts) heading(QString::fromStdString(line), ko.HeadingEnabled);
    AddItem("3a. Coefficient of Lateral Earth Pressure, Ko", sand_column::kKo, r++);
    AddItem("3b. Bearing Capacity Factor, Nq", sand_column::kNq, r++);
    heading("4. Data for User-Specified Load Transfers", p.Method(5) == 1);
    AddItem("4a. Unit Skin Friction", sand_column::kUserSkinFriction, r++);
    AddItem("4b. Unit End Bearing", sand_column::kUserEndBearing, r++);
    AddItem("5. Qc from Cone Penetration Data", sand_column::kQc, r++);
  } else if (soilType_ == kClay) {
    AddItem("1. Effective Unit Weight", clay_column::kUnitWeight, r++);
    AddItem("2. Undrained Shear Strength", clay_column::kUndrainedShear, r++);
    AddItem("3. Remolded Shear Strength", clay_column::kRemoldedShear, r++);
    heading("(Remolded shear strength is used for open-ended pipe piles)", p.PileType == 1);
    heading("4. Data for User-Specified Load Transfers", p.Method(5) == 1);
    AddItem("4a. Unit Skin Friction", clay_column::kUserSkinFriction, r++);
    AddItem("4b. Unit End Bearing", clay_column::kUserEndBearing, r++);
    AddItem("5. Qc from Cone Penetration Data", clay_column::kQc, r++);
    if (p.OffshoreEdition == 1) heading("6. Data for ICP/MTD Computation Method", p.Method(7) == 1);
    AddItem("6a. Plasticity Index, PI(%)", clay_column::kPlasticIndex, r++);
    AddItem("6b. Yield STress Ratio, YSR", clay_column::kYieldStressRatio, r++);
  } else {
    heading("Used only for USACE Method");
    AddItem("1. Effective Unit Weight", silt_column::kUnitWeight, r++);
    heading("2. Friction Angle (Degrees)");
    choice();
    AddItem("    Friction Angle", silt_column::kFrictionAngle, r++);
    AddItem("    Blow Counts", silt_column::kBlowCount, r++);
    AddItem("3. Coefficient of Lateral Earth Pressure, Ko", silt_column::kKo, r++);
    heading("(USACE recommends Ko=1.25 for compression");
    heading("and Ko=0.5 to 0.7 for tension)");
    AddItem("4. Undrained Shear Strength", silt_column::kUndrainedShear, r++);
  }
  pages->addTab(page, names[std::clamp(soilType_, 1, 3) - 1]);
  layout->addWidget(pages);
  auto* closeButton = new QPushButton("Close", this);
  connect(closeButton, &QPushButton::clicked, this, [this] { close(); });
  layout->addWidget(closeButton, 0, Qt::AlignRight);
  if (OptAngle) {
    (TLayerDataLogic::BlowCountChosen(Data()) ? OptBlowCounts : OptAngle)->setChecked(true);
    ApplyChoice();
  }
}

TGridTable& TDlgSoils::Data() { return main_.Session().Tables().LayerData(layer_ - 1); }

void TDlgSoils::AddItem(const QString& caption, int column, int rowIndex) {
  const TProgramData& p = main_.Session().Project();
  TGridTable& data = Data();
  const TLayerItemState state = TLayerDataLogic::Item(soilType_, column, p);
  if (!state.Visible) return;
  std::string unit;
  if (auto* f = dynamic_cast<TFloatColumn*>(&data.Column(column))) unit = f->UnitCode;
  auto* label = new QLabel(this);
  for (int row = 0; row < 2; ++row) {
    auto* field = new TDataEdit(main_.Messages(), this);
    if (row == 0) field->SetEditLabel(label);
    field->SetUnitsString(QString::fromStdString(unit));
    field->SetCaption(caption);
    field->SetUnits(p.Units);
    field->SetIntegerOnly(column == sand_column::kBlowCount && soilType_ != kClay);
    field->SetNumber(data.Cell(column, row).AsFloat());
    field->setEnabled(state.Enabled);
    grid_->addWidget(field, rowIndex, row + 1);
    fields_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = field;
  }
  label->setEnabled(state.Enabled);
  grid_->addWidget(label, rowIndex, 0);
}

TDataEdit* TDlgSoils::Field(int column, int row) const {
  if (column < 0 || column >= static_cast<int>(fields_.size()) || row < 0 || row > 1) return nullptr;
  return fields_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

void TDlgSoils::ApplyChoice() {
  const bool blow = OptBlowCounts->isChecked();
  for (int row = 0; row < 2; ++row) {
    if (TDataEdit* f = Field(sand_column::kFrictionAngle, row)) f->setEnabled(!blow);
    if (TDataEdit* f = Field(sand_column::kBlowCount, row)) f->setEnabled(blow);
  }
}

bool TDlgSoils::FormDeactivate() {
  for (const auto& pair : fields_)
    for (TDataEdit* f : pair)
      if (f && f->isEnabled() && !f->ExitCheck()) return false;
  TGridTable& data = Data();
  for (int column = 0; column < static_cast<int>(fields_.size()); ++column)
    for (int row = 0; row < 2; ++row)
      if (TDataEdit* f = Field(column, row)) {
        double value = 0.0;
        try {
          value = f->Number();
        } catch (const std::exception&) {
          continue;  // a disabled field with a stale entry keeps the stored value
        }
        if (column == sand_column::kBlowCount && soilType_ != kClay)
          data.Cell(column, row).SetInteger(static_cast<std::int32_t>(std::lround(value)));
        else
          data.Cell(column, row).SetFloat(value);
      }
  if (OptAngle) TLayerDataLogic::KeepChosenInput(data, soilType_, OptBlowCounts->isChecked());
  main_.Session().SetModified(true);
  return true;
}

void TDlgSoils::closeEvent(QCloseEvent* event) {
  if (!FormDeactivate()) {
    event->ignore();
    return;
  }
  event->accept();
  QDialog::done(Accepted);
}

void TDlgSoils::done(int result) {
  // Escape and the window's own close both store first.
  if (!FormDeactivate()) return;
  QDialog::done(result);
}

}  // namespace corvex
