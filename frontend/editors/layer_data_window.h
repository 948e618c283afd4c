// The data window of one soil layer: the strength and density values at the top and at the
// bottom of the layer, on the page of the layer's soil type.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

class QGridLayout;
class QRadioButton;
class TGridTable;

namespace corvex {

class TMainForm;
class TDataEdit;

class TDlgSoils : public QDialog {
  Q_OBJECT

 public:
  // `layer` counts from 1.
  TDlgSoils(TMainForm& main, int layer, int soilType, QWidget* parent = nullptr);

  // The top (row 0) or bottom (row 1) field of a data-table column, or null when the page has
  // no field for it.
  TDataEdit* Field(int column, int row) const;
  QRadioButton* OptAngle = nullptr;
  QRadioButton* OptBlowCounts = nullptr;

  // Writes every field back into the layer's table; false while a field holds an invalid entry.
  bool FormDeactivate();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void AddItem(const QString& caption, int column, int rowIndex);
  void ApplyChoice();
  TGridTable& Data();

  TMainForm& main_;
  int layer_;
  int soilType_;
  std::vector<std::array<TDataEdit*, 2>> fields_;  // by data-table column
  QGridLayout* grid_ = nullptr;
};

}  // namespace corvex
