// The CPT data window: the file of cone data and its layout, and the three profile plots.
// The project's CPT points always hold qc values; the converted SPT and Su profiles are drawn
// in graphs of their own.
#pragma once

#include <memory>

#include "editors/cpt_import.h"
#include "editors/editor_window.h"

class QLineEdit;
class QPushButton;

namespace corvex {

class TGraphPlot;

class TDlgInputMotion : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TDlgInputMotion(TMainForm& main, QWidget* parent = nullptr);
  ~TDlgInputMotion() override;

  QLineEdit* EdtWord = nullptr;
  QPushButton* BtnBrowse = nullptr;
  TDataEdit* DataEdit1 = nullptr;  // data lines
  TDataEdit* DataEdit4 = nullptr;  // header lines
  TDataEdit* DataEdit5 = nullptr;  // columns
  TDataEdit* DataEdit6 = nullptr;  // Ua
  QPushButton* Image1 = nullptr;
  QPushButton* SpeedButton1 = nullptr;
  QPushButton* SpeedButton2 = nullptr;
  QPushButton* Button1 = nullptr;  // Edit File

  // Imports with a conversion and shows its graph; false when nothing was shown.
  bool ShowProfile(TCptConversion conversion);
  TGraphPlot& Graph(TCptConversion conversion);

 protected:
  void LoadControls() override;
  void StoreControls() override;

 private:
  TCptImportSettings Settings();
  std::unique_ptr<TGraphPlot> graphs_[3];
};

}  // namespace corvex
