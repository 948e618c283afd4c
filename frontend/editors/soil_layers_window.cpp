#include "editors/soil_layers_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "editors/layer_data_window.h"
#include "project/program_data.h"
#include "project/project_tables.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

namespace {
constexpr int kColumnWidths[7] = {131, 72, 94, 106, 106, 135, 135};
}

TDlgSoilLayers::TDlgSoilLayers(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("DlgSoilLayers");
  setWindowTitle("Soill Layers");
  auto* layout = new QVBoxLayout(this);
  LayerGrid = new QTableWidget(0, 7, this);
  LayerGrid->setObjectName("LayerGrid");
  LayerGrid->verticalHeader()->hide();
  LayerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int c = 0; c < 7; ++c) LayerGrid->setColumnWidth(c, kColumnWidths[c]);
  LayerGrid->setMinimumSize(817 + 4, 186 + 40);
  layout->addWidget(LayerGrid);

  auto* group = new QGroupBox("Layers Definition", this);
  auto* g = new QVBoxLayout(group);
  auto* row = new QHBoxLayout;
  ButtonAdd = new QPushButton("Add Layer", group);
  ButtonAdd->setObjectName("ButtonAdd");
  ButtonIns = new QPushButton("Insert Layer", group);
  ButtonIns->setObjectName("ButtonIns");
  ButtonDel = new QPushButton("Delete Layer", group);
  ButtonDel->setObjectName("ButtonDel");
  ConfirmDeletion = new QCheckBox("Confirm Deletion", group);
  ConfirmDeletion->setObjectName("ConfirmDeletion");
  ConfirmDeletion->setChecked(true);
  for (QWidget* w : {static_cast<QWidget*>(ButtonAdd), static_cast<QWidget*>(ButtonIns),
                     static_cast<QWidget*>(ButtonDel), static_cast<QWidget*>(ConfirmDeletion)})
    row->addWidget(w);
  row->addStretch();
  g->addLayout(row);
  for (const char* note :
       {"Notes:", "* Bottom of last layer must be deeper than the pile tip plus two pile diameters.",
        "** If entries are left as zero, the program assumes no limits in Side/End Transfers.",
        "** Use a very small number (e.g. 0.001) for layers where load transfer should be ignored.",
        "*** Reduction factors can be specified for LRFD requirement or for other design considerations such as "
        "driving strength loss."})
    g->addWidget(new QLabel(note, group));
  layout->addWidget(group);
  auto* close = new QPushButton("Close", this);
  close->setObjectName("Button1");
  connect(close, &QPushButton::clicked, this, [this] { CloseWindow(); });
  layout->addWidget(close, 0, Qt::AlignRight);
  connect(ButtonAdd, &QPushButton::clicked, this, &TDlgSoilLayers::ButtonAddClick);
  connect(ButtonIns, &QPushButton::clicked, this, &TDlgSoilLayers::ButtonInsClick);
  connect(ButtonDel, &QPushButton::clicked, this, &TDlgSoilLayers::ButtonDelClick);
  FormActivate();
}

void TDlgSoilLayers::LoadControls() {
  siltOffered_ = TSoilLayersLogic::SiltOffered(Project().Methods);
  logic_.Load(Tables());
  ShowRows();
}

void TDlgSoilLayers::StoreControls() {
  logic_.Store(Tables());
  logic_.CurrentRow = 0;
  Session().SetModified(true);
}

void TDlgSoilLayers::ShowRows() {
  const auto top = TSoilLayersLogic::HeaderRow0();
  const auto bottom = TSoilLayersLogic::HeaderRow1(Project().Units);
  QStringList headers;
  for (int c = 0; c < 7; ++c) headers << QString::fromStdString(top[c] + "\n" + bottom[c]);
  LayerGrid->setHorizontalHeaderLabels(headers);
  // The layout widths, widened where the font needs more room for a heading.
  const QFontMetrics metrics(LayerGrid->horizontalHeader()->font());
  for (int c = 0; c < 7; ++c) {
    const int needed = std::max(metrics.horizontalAdvance(QString::fromStdString(top[c])),
                                metrics.horizontalAdvance(QString::fromStdString(bottom[c]))) + 12;
    LayerGrid->setColumnWidth(c, std::max(kColumnWidths[c], needed));
  }
  int total = 2 * LayerGrid->frameWidth() + LayerGrid->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < 7; ++c) total += LayerGrid->columnWidth(c);
  LayerGrid->setMinimumWidth(total);
  LayerGrid->setRowCount(logic_.LayerCount());
  for (int layer = 0; layer < logic_.LayerCount(); ++layer) {
    const TLayerRow& r = logic_.Rows[static_cast<std::size_t>(layer)];
    auto* button = new QPushButton(QString("Edit Layer %1").arg(layer + 1));
    connect(button, &QPushButton::clicked, this, [this, layer] { ButtonClick(layer); });
    LayerGrid->setCellWidget(layer, 0, button);
    auto* combo = new QComboBox;
    if (r.SoilType != kSilt || siltOffered_) {
      combo->addItems({"Sand", "Clay"});
      if (siltOffered_) combo->addItem("Silt");
      combo->setCurrentIndex(r.SoilType - 1);
    }
    connect(combo, &QComboBox::activated, this, [this, layer](int index) { ComboChange(layer, index); });
    LayerGrid->setCellWidget(layer, 1, combo);
    for (int v = 0; v < 5; ++v) {
      auto* field = new TDataEdit(Messages());
      field->setText(QString::fromStdString(r.Values[static_cast<std::size_t>(v)]));
      field->ExitCheck();
      auto store = [this, field, layer, v] {
        try {
          logic_.SetValue(layer, v, field->Number());
        } catch (const std::exception&) {
          // Left for the field's own exit check, which keeps the focus.
        }
      };
      connect(field, &QLineEdit::textEdited, this, [this, store] {
        store();
        MarkModified();
      });
      connect(field, &QLineEdit::editingFinished, this, store);
      LayerGrid->setCellWidget(layer, v + 2, field);
    }
  }
  EnableButtons();
}

void TDlgSoilLayers::EnableButtons() {
  ButtonAdd->setEnabled(logic_.AddEnabled());
  ButtonIns->setEnabled(logic_.InsertEnabled());
  ButtonDel->setEnabled(logic_.DeleteEnabled());
}

TDataEdit* TDlgSoilLayers::Field(int layer, int column) const {
  return qobject_cast<TDataEdit*>(LayerGrid->cellWidget(layer, column));
}

QComboBox* TDlgSoilLayers::Combo(int layer) const { return qobject_cast<QComboBox*>(LayerGrid->cellWidget(layer, 1)); }

void TDlgSoilLayers::ButtonAddClick() {
  if (!FieldsValid()) return;
  logic_.Add(Tables());
  ShowRows();
  LayerGrid->scrollToBottom();
  MarkModified();
}

void TDlgSoilLayers::ButtonInsClick() {
  if (!FieldsValid()) return;
  logic_.Insert(Tables());
  ShowRows();
  MarkModified();
}

void TDlgSoilLayers::ButtonDelClick() {
  if (!FieldsValid() || !logic_.DeleteEnabled()) return;
  if (ConfirmDeletion->isChecked()) {
    const std::string text = "Do you want to delete soil layer in row " + std::to_string(logic_.CurrentRow + 1);
    if (Messages().Confirm(text) != TMessageAnswer::Yes) return;
  }
  logic_.Delete(Tables());
  ShowRows();
  MarkModified();
}

void TDlgSoilLayers::ButtonClick(int layer) {
  if (!FieldsValid()) return;
  logic_.CurrentRow = layer;
  // The layer data window edits the layer's table in D; the grid's own values go first.
  logic_.Store(Tables());
  TDlgSoils dialog(Main(), layer + 1, logic_.Rows[static_cast<std::size_t>(layer)].SoilType, this);
  dialog.exec();
  ShowRows();
}

void TDlgSoilLayers::ComboChange(int layer, int index) {
  logic_.ChangeType(Tables(), layer, index + 1);
  MarkModified();
}

}  // namespace corvex
