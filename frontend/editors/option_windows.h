// The control-options window, the project-title window and the extra t-z depths window.
#pragma once

#include "editors/editor_window.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace corvex {

class TDlgOptions : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TDlgOptions(TMainForm& main, QWidget* parent = nullptr);
  TDataEdit* DataEdit3 = nullptr;  // increment length
  TDataEdit* DataEdit2 = nullptr;  // print interval
  QLineEdit* EdtWord = nullptr;
  QPushButton* BtnBrowse = nullptr;

 protected:
  void LoadControls() override;
  void StoreControls() override;
};

class TdlgTitle : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TdlgTitle(TMainForm& main, QWidget* parent = nullptr);
  QLineEdit* TitleMemo = nullptr;
  QLineEdit* DataEdit1 = nullptr;  // designer
  QLineEdit* DataEdit2 = nullptr;  // job number

 protected:
  void LoadControls() override;
  void StoreControls() override;
};

class TDlgTZPrint : public TEditorWindow {
  Q_OBJECT
 public:
  explicit TDlgTZPrint(TMainForm& main, QWidget* parent = nullptr);
  QCheckBox* ChkPrint = nullptr;
  QPushButton* EditDepths = nullptr;

 protected:
  void LoadControls() override;
  void StoreControls() override;
};

}  // namespace corvex
