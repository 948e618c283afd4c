// The pile editors: the material window (pile type, section shape, taper, modulus and the
// cross-section area) and the circular and noncircular section windows.
#pragma once

#include <array>

#include "editors/editor_window.h"
#include "editors/material_logic.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace corvex {

class TfrmMaterial : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TfrmMaterial(TMainForm& main, QWidget* parent = nullptr);
  std::array<QRadioButton*, 7> TypeOptions{};  // OptSteel ... OptMonotube, types 1 ... 7
  QRadioButton* OptDrain = nullptr;            // circular/tubular
  QRadioButton* OptUndrain = nullptr;          // square/rectangular/orthogonal
  TDataEdit* deAngle = nullptr;
  QLabel* AngleNote = nullptr;
  TDataEdit* deModulus = nullptr;
  std::array<QRadioButton*, 3> AreaOptions{};  // by AreaMode 0, 1, 2
  TDataEdit* DeSection = nullptr;
  TDataEdit* DeAutoSection = nullptr;
  QPushButton* SectionButton1 = nullptr;

 protected:
  void LoadControls() override;
  void StoreControls() override;

 private:
  TMaterialChoices Choices();
  void ShowWindows();
};

// Shared by both section windows: the stick-up field refuses a negative length.
class TSectionWindow : public TEditorWindow {
  Q_OBJECT
 public:
  using TEditorWindow::TEditorWindow;
  TDataEdit* DataEdit1 = nullptr;  // pile stick-up length

 protected:
  TDataEdit* NewStickupField();
};

class TfrmShaftpeneta : public TSectionWindow {
  Q_OBJECT
 public:
  explicit TfrmShaftpeneta(TMainForm& main, QWidget* parent = nullptr);
  TDataEdit* DataEdit8 = nullptr;   // OD
  TDataEdit* DataEdit9 = nullptr;   // ID
  TDataEdit* DataEdit10 = nullptr;  // TL
  TDataEdit* DataEdit11 = nullptr;  // ESL
  TDataEdit* DataEdit12 = nullptr;  // EID
  TDataEdit* DataEdit13 = nullptr;  // ZFL
  QGroupBox* PlugGroup = nullptr;
  std::array<QRadioButton*, 3> PlugOptions{};  // by PlugMode 0, 1, 2

 protected:
  void LoadControls() override;
  void StoreControls() override;

 private:
  QLabel* note_ = nullptr;
  std::vector<QWidget*> steelOnlyMarks_;
};

class TfrmNCsection : public TSectionWindow {
  Q_OBJECT
 public:
  explicit TfrmNCsection(TMainForm& main, QWidget* parent = nullptr);
  TDataEdit* DataEdit3 = nullptr;  // perimeter
  TDataEdit* DataEdit4 = nullptr;  // tip area
  TDataEdit* DataEdit5 = nullptr;  // TL
  TDataEdit* DataEdit6 = nullptr;  // ZFL

 protected:
  void LoadControls() override;
  void StoreControls() override;
};

}  // namespace corvex
