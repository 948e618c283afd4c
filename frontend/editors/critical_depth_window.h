// The critical-depth window of the USACE method: the same choice and depth as the method
// window's critical-depth group. The program does not offer a command for it (the method
// window edits the same fields); it is kept for completeness and opened only by code.
#pragma once

#include <array>

#include "editors/editor_window.h"

class QLabel;
class QRadioButton;

namespace corvex {

class TDlgBlock : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TDlgBlock(TMainForm& main, QWidget* parent = nullptr);
  std::array<QRadioButton*, 3> Options{};  // by CriticalDepthMode 0, 1, 2
  TDataEdit* DepthField = nullptr;

 protected:
  void LoadControls() override;
  void StoreControls() override;

 private:
  void ShowField();
};

}  // namespace corvex
