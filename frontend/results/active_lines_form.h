#pragma once
// The Active Curves dialog: chooses which curves of a graph are active. It edits the flags
// list that the plot window hands over (" yes : " or " no  : " per curve).

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace corvex {

class TfrmActiveLines : public QDialog {
  Q_OBJECT

 public:
  TfrmActiveLines(const std::vector<std::string>& names, std::vector<std::string>& flags,
                  QWidget* parent = nullptr);

  void ToggleItem(int row);
  void ToggleSelectedClick();
  void ActivateAllClick();
  void DeactivateAllClick();

  QListWidget* lbLines = nullptr;
  QPushButton* btnSelected = nullptr;
  QPushButton* btnActivateAll = nullptr;
  QPushButton* btnDeactivateAll = nullptr;
  QPushButton* btnOk = nullptr;
  QPushButton* btnCancel = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void RewriteItems();
  void ArrangeControls();

  const std::vector<std::string>& names_;
  std::vector<std::string>& flags_;
  QLabel* title_ = nullptr;
  QLabel* curveLabel_ = nullptr;
  QLabel* activeLabel_ = nullptr;
};

}  // namespace corvex
