#pragma once
// The Graph Caption dialog: the graph title and whether it sits at the top or the bottom.

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace corvex {

class TfrmGraphCaption : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmGraphCaption(QWidget* parent = nullptr);

  QLineEdit* edtCaption = nullptr;
  QRadioButton* rbTop = nullptr;
  QRadioButton* rbBottom = nullptr;
};

}  // namespace corvex
