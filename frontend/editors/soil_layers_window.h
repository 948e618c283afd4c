// The soil-layer window: one grid row per layer with its soil type, bottom depth, limits and
// reduction factors, the buttons that add, insert and delete layers, and per layer a button
// that opens the layer's data window.
#pragma once

#include <QList>

#include "editors/editor_window.h"
#include "editors/soil_layers_logic.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

namespace corvex {

class TDlgSoilLayers : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TDlgSoilLayers(TMainForm& main, QWidget* parent = nullptr);

  QTableWidget* LayerGrid = nullptr;
  QPushButton* ButtonAdd = nullptr;
  QPushButton* ButtonIns = nullptr;
  QPushButton* ButtonDel = nullptr;
  QCheckBox* ConfirmDeletion = nullptr;

  void ButtonAddClick();
  void ButtonInsClick();
  void ButtonDelClick();
  void ButtonClick(int layer);
  void ComboChange(int layer, int index);
  // The numeric field of a layer and value column (2 ... 6).
  TDataEdit* Field(int layer, int column) const;
  QComboBox* Combo(int layer) const;
  const TSoilLayersLogic& Logic() const { return logic_; }

 protected:
  void LoadControls() override;
  void StoreControls() override;

 private:
  // Writes the rows into the grid and lays the controls over the cells.
  void ShowRows();
  void EnableButtons();

  TSoilLayersLogic logic_;
  bool siltOffered_ = false;
};

}  // namespace corvex
