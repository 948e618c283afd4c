// The window in which one grid table is edited as a grid: a text cell is stored when the user
// leaves it, enumeration cells offer their value names, table cells open the nested table's
// window, and rows are added, inserted and deleted by row group.
#pragma once

#include "editors/editor_window.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TGridTable;

namespace corvex {

class TTableForm : public TEditorWindow {
  Q_OBJECT

 public:
  TTableForm(TMainForm& main, TGridTable& table, QWidget* parent = nullptr);
  ~TTableForm() override;

  TGridTable& Table() const { return table_; }
  QTableWidget* Grid = nullptr;
  QPushButton* BtnAdd = nullptr;
  QPushButton* BtnIns = nullptr;
  QPushButton* BtnDel = nullptr;
  QLabel* lblComments = nullptr;
  // The top-left header cell over the row numbers, showing the table's `TopLeft` text.
  QLabel* TopLeft = nullptr;

  void BtnAddClick();
  void BtnInsClick();
  void BtnDelClick();
  // Fills the grid from the table (headings, cells, controls, buttons).
  void Refresh();

 protected:
  void LoadControls() override { Refresh(); }
  void StoreControls() override {}
  bool EntriesValid() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Stores the text of a cell; a refused entry is shown and false returned.
  bool StoreCell(int row, int gridColumn);
  void Retitle();
  // Sizes the row-number column and lays the top-left text over the grid's corner cell.
  void PlaceTopLeft();
  // Opens the text editor of the current cell, so that typing always edits in place.
  void EditCurrentCell();
  // False once the table is gone (its layer deleted, a new project made): the window then
  // touches it no more and closes.
  bool TableAlive();
  void Detach();

  TGridTable& table_;
  std::vector<int> columns_;
  bool filling_ = false;
  int badRow_ = -1;
  int badColumn_ = -1;
  int identifier_ = -1;
  bool detached_ = false;
};

}  // namespace corvex
