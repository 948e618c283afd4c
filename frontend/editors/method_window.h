// The computation-methods window: the method that shapes the load-transfer curves, the
// capacity methods to compute, the critical-depth rule, the clay condition and the loading.
#pragma once

#include <array>

#include "editors/editor_window.h"
#include "editors/method_window_logic.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace corvex {

class TfrmWaterDepth : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TfrmWaterDepth(TMainForm& main, QWidget* parent = nullptr);

  std::array<QRadioButton*, 9> TransferOptions{};
  std::array<QCheckBox*, 9> MethodChecks{};
  std::array<QLabel*, 9> LsLabels{};
  QRadioButton* OptHigh = nullptr;
  QRadioButton* OptLow = nullptr;
  std::array<QRadioButton*, 3> CriticalOptions{};
  QLabel* CriticalNote = nullptr;
  TDataEdit* CriticalDepthField = nullptr;
  QRadioButton* OptDrain = nullptr;
  QRadioButton* OptUndrain = nullptr;
  QRadioButton* OptCompression = nullptr;
  QRadioButton* OptTension = nullptr;
  TDataEdit* deREDUCT = nullptr;
  QLabel* TensionNote = nullptr;
  QTabWidget* Pages = nullptr;

  void SelectAllClick();
  void ClearSelectionsClick();

 protected:
  void LoadControls() override;
  void StoreControls() override;

 private:
  TMethodChoices Choices() const;
  void ShowChoices(const TMethodChoices& choices);
  // Applies the enabling rules after every click and marks the project modified.
  void ShowWindows();
  QWidget* BuildSettlementPage();
  QWidget* BuildCapacityPage();
};

}  // namespace corvex
