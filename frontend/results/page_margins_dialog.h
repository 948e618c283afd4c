#pragma once
// Page margins in thousandths of an inch, for printers that the platform's page-setup dialog
// cannot serve (printing to a PDF file).

#include <QDialog>

class QSpinBox;

namespace corvex {

class TPageMarginsDialog : public QDialog {
  Q_OBJECT

 public:
  TPageMarginsDialog(int left, int top, int right, int bottom, QWidget* parent = nullptr);

  QSpinBox* Left = nullptr;
  QSpinBox* Top = nullptr;
  QSpinBox* Right = nullptr;
  QSpinBox* Bottom = nullptr;
};

}  // namespace corvex
