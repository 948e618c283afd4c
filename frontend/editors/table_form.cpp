#include "editors/table_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editors/editor_opener.h"
#include "editors/table_form_logic.h"
#include "project/assign_error.h"
#include "project/grid_column_kinds.h"
#include "project/grid_table.h"
#include "shell/main_form.h"

namespace corvex {

namespace {
constexpr int kMaxShownRows = 10;
}

TTableForm::TTableForm(TMainForm& main, TGridTable& table, QWidget* parent)
    : TEditorWindow(main, parent), table_(table) {
  setObjectName("TableForm");
  auto* layout = new QVBoxLayout(this);
  Grid = new QTableWidget(this);
  Grid->setObjectName("Grid");
  layout->addWidget(Grid);
  // Editing is always on: the selected cell's editor is open and any typing goes into it.
  Grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->setCornerButtonEnabled(false);
  TopLeft = new QLabel(QString::fromStdString(table.TopLeft), Grid);
  TopLeft->setObjectName("TopLeft");
  TopLeft->setAlignment(Qt::AlignCenter);
  TopLeft->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* buttons = new QHBoxLayout;
  BtnAdd = new QPushButton("&Add Row", this);
  BtnIns = new QPushButton("&Insert Row", this);
  BtnDel = new QPushButton("&Delete Row", this);
  for (QPushButton* b : {BtnAdd, BtnIns, BtnDel}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);
  lblComments = new QLabel(QString::fromStdString(table.Comments), this);
  layout->addWidget(lblComments);
  connect(BtnAdd, &QPushButton::clicked, this, &TTableForm::BtnAddClick);
  connect(BtnIns, &QPushButton::clicked, this, &TTableForm::BtnInsClick);
  connect(BtnDel, &QPushButton::clicked, this, &TTableForm::BtnDelClick);
  connect(Grid, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (filling_) return;
    if (StoreCell(row, column)) {
      MarkModified();
      // Every cell shows the table's own text of its value.
      QMetaObject::invokeMethod(this, [this] { Refresh(); }, Qt::QueuedConnection);
    }
  });
  connect(Grid, &QTableWidget::currentCellChanged, this, [this](int, int, int previousRow, int previousColumn) {
    if (badRow_ >= 0 && (previousRow != badRow_ || previousColumn != badColumn_)) {
      // A refused entry keeps its cell selected until it is mended.
      const int row = badRow_, column = badColumn_;
      QMetaObject::invokeMethod(this, [this, row, column] { Grid->setCurrentCell(row, column); }, Qt::QueuedConnection);
      return;
    }
    QMetaObject::invokeMethod(this, [this] { EditCurrentCell(); }, Qt::QueuedConnection);
  });
  identifier_ = table_.Registry().IdentifierOf(&table_);
  Grid->installEventFilter(this);
  table_.FillToMinimum();
  table_.SetEditorOpen(true);
  table_.OnNumberChanged = [this] { Retitle(); };
  FormActivate();
}

TTableForm::~TTableForm() { Detach(); }

bool TTableForm::TableAlive() {
  return Main().Session().Tables().Registry.IdentifierOf(&table_) == identifier_;
}

void TTableForm::Detach() {
  if (detached_) return;
  detached_ = true;
  if (!TableAlive()) return;
  table_.SetEditorOpen(false);
  table_.OnNumberChanged = nullptr;
}

void TTableForm::closeEvent(QCloseEvent* event) {
  if (detached_ || !TableAlive()) {
    detached_ = true;
    event->accept();
    return;
  }
  TEditorWindow::closeEvent(event);
  if (event->isAccepted()) Detach();
}

void TTableForm::Retitle() {
  setWindowTitle(QString::fromStdString(TTableFormLogic::Caption(table_)));
  if (parentWidget()) parentWidget()->setWindowTitle(windowTitle());
}

void TTableForm::Refresh() {
  if (detached_ || !TableAlive()) {
    detached_ = true;
    QMetaObject::invokeMethod(this, [this] { CloseWindow(); }, Qt::QueuedConnection);
    return;
  }
  filling_ = true;
  Retitle();
  columns_ = TTableFormLogic::VisibleColumns(table_);
  Grid->clear();
  Grid->setColumnCount(static_cast<int>(columns_.size()));
  Grid->setRowCount(table_.RowCount());
  QStringList headings;
  for (int c : columns_) headings << QString::fromStdString(TTableFormLogic::Heading(table_, c));
  Grid->setHorizontalHeaderLabels(headings);
  QStringList rowNames;
  for (int row = 0; row < table_.RowCount(); ++row) rowNames << QString::number(row / table_.RowGroup + 1);
  Grid->setVerticalHeaderLabels(rowNames);
  for (int g = 0; g < static_cast<int>(columns_.size()); ++g) {
    TColumn& column = table_.Column(columns_[static_cast<std::size_t>(g)]);
    for (int row = 0; row < table_.RowCount(); ++row) {
      const QString text = QString::fromStdString(table_.Cell(columns_[static_cast<std::size_t>(g)], row).AsString());
      if (auto* e = dynamic_cast<TEnumColumn*>(&column)) {
        auto* combo = new QComboBox;
        for (const std::string& name : e->Names) combo->addItem(QString::fromStdString(name));
        combo->setCurrentIndex(e->AsInteger(row) - 1);
        const int tableColumn = columns_[static_cast<std::size_t>(g)];
        connect(combo, &QComboBox::activated, this, [this, tableColumn, row](int index) {
          if (!TableAlive()) return;
          table_.Cell(tableColumn, row).SetInteger(index + 1);
          MarkModified();
          QMetaObject::invokeMethod(this, [this] { Refresh(); }, Qt::QueuedConnection);
        });
        Grid->setCellWidget(row, g, combo);
      } else if (auto* t = dynamic_cast<TTableColumn*>(&column)) {
        if (!t->HasTable(row)) continue;
        auto* button = new QPushButton(text);
        TGridTable* nested = &t->AsTable(row);
        connect(button, &QPushButton::clicked, this, [this, nested] {
          if (TableAlive()) OpenTableWindow(Main(), *nested);
        });
        Grid->setCellWidget(row, g, button);
      } else {
        Grid->setItem(row, g, new QTableWidgetItem(text));
      }
    }
  }
  Grid->resizeColumnsToContents();
  PlaceTopLeft();
  // Least widths: half an inch for numbers, an inch and a half for value names, two inches
  // for nested-table buttons.
  const int inch = logicalDpiX();
  for (int g = 0; g < static_cast<int>(columns_.size()); ++g) {
    const int type = table_.Column(columns_[static_cast<std::size_t>(g)]).TypeCode();
    const int least = type == 0 ? inch * 3 / 2 : type == 3 ? inch * 2 : type == 2 ? inch / 2 : 0;
    Grid->setColumnWidth(g, std::max(Grid->columnWidth(g), least));
  }
  const bool shown = TTableFormLogic::ButtonsShown(table_);
  for (QPushButton* b : {BtnAdd, BtnIns, BtnDel}) b->setVisible(shown);
  BtnAdd->setEnabled(TTableFormLogic::AddEnabled(table_));
  BtnIns->setEnabled(TTableFormLogic::AddEnabled(table_));
  BtnDel->setEnabled(TTableFormLogic::DeleteEnabled(table_));
  // Sized for at most ten rows; a scroll bar beyond.
  const int rows = std::min(table_.RowCount(), kMaxShownRows);
  int height = Grid->horizontalHeader()->sizeHint().height() + 2 * Grid->frameWidth();
  for (int r = 0; r < rows; ++r) height += Grid->rowHeight(r);
  Grid->setMinimumHeight(height);
  Grid->setVerticalScrollBarPolicy(table_.RowCount() > kMaxShownRows ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  filling_ = false;
  QMetaObject::invokeMethod(this, [this] { EditCurrentCell(); }, Qt::QueuedConnection);
}

void TTableForm::PlaceTopLeft() {
  TopLeft->setText(QString::fromStdString(table_.TopLeft));
  // The row-number column is as wide as the top-left text plus two blanks, at least a third
  // of an inch.
  const QString sizing = QString::fromStdString(TTableFormLogic::RowHeaderSizingText(table_));
  const int width = std::max(Grid->verticalHeader()->fontMetrics().horizontalAdvance(sizing), logicalDpiX() / 3);
  Grid->verticalHeader()->setFixedWidth(width);
  const int frame = Grid->frameWidth();
  TopLeft->setGeometry(frame, frame, width, Grid->horizontalHeader()->sizeHint().height());
  TopLeft->raise();
}

void TTableForm::EditCurrentCell() {
  if (detached_ || filling_ || !isVisible()) return;
  QTableWidgetItem* item = Grid->currentItem();
  if (!item || Grid->indexWidget(Grid->currentIndex())) return;
  Grid->editItem(item);
  // Enter in the open editor moves on like Enter in the grid.
  if (QWidget* editor = Grid->indexWidget(Grid->currentIndex())) editor->installEventFilter(this);
}

bool TTableForm::eventFilter(QObject* watched, QEvent* event) {
  const bool inGrid = watched == Grid || watched->parent() == Grid->viewport();
  if (inGrid && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Grid->rowCount() > 0 && Grid->columnCount() > 0) {
      // Down the column; from the last row to the top of the next column, from the last
      // column back to the first.
      int row = Grid->currentRow() + 1;
      int column = std::max(Grid->currentColumn(), 0);
      if (row >= Grid->rowCount()) {
        row = 0;
        column = (column + 1) % Grid->columnCount();
      }
      Grid->setCurrentCell(row, column);
      return true;
    }
  }
  return TEditorWindow::eventFilter(watched, event);
}

bool TTableForm::StoreCell(int row, int gridColumn) {
  if (detached_ || !TableAlive()) return true;
  QTableWidgetItem* item = Grid->item(row, gridColumn);
  if (!item || gridColumn < 0 || gridColumn >= static_cast<int>(columns_.size())) return true;
  try {
    table_.Cell(columns_[static_cast<std::size_t>(gridColumn)], row).SetString(item->text().toStdString());
  } catch (const EAssignError& error) {
    badRow_ = row;
    badColumn_ = gridColumn;
    Messages().Information(error.what());
    return false;
  }
  badRow_ = badColumn_ = -1;
  return true;
}

bool TTableForm::EntriesValid() {
  if (detached_ || !TableAlive()) return true;
  if (badRow_ < 0) return true;
  const int row = badRow_, column = badColumn_;
  if (!StoreCell(row, column)) {
    Grid->setCurrentCell(row, column);
    return false;
  }
  return true;
}

void TTableForm::BtnAddClick() {
  if (!TableAlive() || !EntriesValid() || !TTableFormLogic::AddEnabled(table_)) return;
  table_.AddRows();
  Refresh();
  Grid->scrollToBottom();
  MarkModified();
}

void TTableForm::BtnInsClick() {
  if (!TableAlive() || !EntriesValid() || !TTableFormLogic::AddEnabled(table_)) return;
  const int row = Grid->currentRow();
  if (!TTableFormLogic::RowInRange(table_, row)) {
    // A fault of the caller rather than of an entry: reported as an error, nothing changed.
    Messages().Warning("Grid.Row not in valid range");
    return;
  }
  table_.InsertRows(row);
  Refresh();
  MarkModified();
}

void TTableForm::BtnDelClick() {
  if (!TableAlive() || !EntriesValid() || !TTableFormLogic::DeleteEnabled(table_)) return;
  const int row = Grid->currentRow();
  if (!TTableFormLogic::RowInRange(table_, row)) {
    // A fault of the caller rather than of an entry: reported as an error, nothing changed.
    Messages().Warning("Grid.Row not in valid range");
    return;
  }
  table_.DeleteRows(row);
  Refresh();
  MarkModified();
}

}  // namespace corvex
