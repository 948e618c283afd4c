#pragma once
// The Legend dialog: renames the curves of a graph. It edits the names list that the plot
// window hands over (one display name per curve, all curves) and copies the list's items back
// into it when it closes.

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TMessageLayer;

namespace corvex {

class TfrmLineNames : public QDialog {
  Q_OBJECT

 public:
  TfrmLineNames(std::vector<std::string>& names, TMessageLayer& messages,
                QWidget* parent = nullptr);

  // Enter in the edit, or leaving it: the selected item takes the edit's text; an empty text
  // is refused and the edit gets the item back.
  void StoreEdit();
  // The edit shows the selected item in its legend colour.
  void ShowSelected();
  // Either button: the list's items go back into the names list.
  void done(int result) override;

  QListWidget* lbLines = nullptr;
  QLineEdit* edLine = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ArrangeControls();

  std::vector<std::string>& names_;
  TMessageLayer& messages_;
  QLabel* selectLabel_ = nullptr;
  QLabel* typeLabel_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace corvex
