#include "results/active_lines_form.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "results/curve_flags.h"

namespace corvex {

TfrmActiveLines::TfrmActiveLines(const std::vector<std::string>& names,
                                 std::vector<std::string>& flags, QWidget* parent)
    : QDialog(parent), names_(names), flags_(flags) {
  setObjectName(QStringLiteral("frmActiveLines"));
  setWindowTitle(QStringLiteral("Active Curves"));
  setMinimumSize(190, 234);
  title_ = new QLabel(QStringLiteral("Select Curve to Active/Desactive"), this);
  activeLabel_ = new QLabel(QStringLiteral("Active :"), this);
  curveLabel_ = new QLabel(QStringLiteral("Curve"), this);
  lbLines = new QListWidget(this);
  lbLines->setObjectName(QStringLiteral("lbLines"));
  lbLines->setSelectionMode(QAbstractItemView::ExtendedSelection);
  btnSelected = new QPushButton(QStringLiteral("Activate/Deactivate Selected"), this);
  btnActivateAll = new QPushButton(QStringLiteral("Activate All"), this);
  btnDeactivateAll = new QPushButton(QStringLiteral("Deactivate All"), this);
  btnOk = new QPushButton(QStringLiteral("&OK"), this);
  btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  for (QPushButton* b : {btnSelected, btnActivateAll, btnDeactivateAll, btnOk, btnCancel})
    b->setAutoDefault(false);

  connect(lbLines, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { ToggleItem(lbLines->row(item)); });
  connect(btnSelected, &QPushButton::clicked, this, [this] { ToggleSelectedClick(); });
  connect(btnActivateAll, &QPushButton::clicked, this, [this] { ActivateAllClick(); });
  connect(btnDeactivateAll, &QPushButton::clicked, this, [this] { DeactivateAllClick(); });
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  for (std::size_t i = 0; i < flags_.size(); ++i) lbLines->addItem(QString());
  RewriteItems();
  resize(300, 360);
  ArrangeControls();
}

void TfrmActiveLines::RewriteItems() {
  for (int i = 0; i < lbLines->count() && i < static_cast<int>(flags_.size()); ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::string name = k < names_.size() ? names_[k] : std::string();
    lbLines->item(i)->setText(QString::fromStdString(ActiveLineItem(flags_[k], name)));
  }
}

void TfrmActiveLines::ToggleItem(int row) {
  ToggleSelected(flags_, {row});
  RewriteItems();
}

void TfrmActiveLines::ToggleSelectedClick() {
  std::vector<int> rows;
  for (int i = 0; i < lbLines->count(); ++i)
    if (lbLines->item(i)->isSelected()) rows.push_back(i);
  ToggleSelected(flags_, rows);
  RewriteItems();
}

void TfrmActiveLines::ActivateAllClick() {
  SetAllFlags(flags_, true);
  RewriteItems();
}

void TfrmActiveLines::DeactivateAllClick() {
  SetAllFlags(flags_, false);
  RewriteItems();
}

void TfrmActiveLines::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ArrangeControls();
}

// Labels at the top, the list below them, the three buttons below the list (the single one
// first, then Activate All at the left and Deactivate All at the right, 10 pixels from the
// edges), OK and Cancel at the bottom 20 pixels from the edges.
void TfrmActiveLines::ArrangeControls() {
  const int w = width();
  const int labelH = title_->sizeHint().height();
  const int buttonH = btnOk->sizeHint().height();
  title_->setGeometry(10, 5, w - 20, labelH);
  activeLabel_->setGeometry(10, 10 + labelH, 60, labelH);
  curveLabel_->setGeometry(80, 10 + labelH, w - 90, labelH);
  const int listTop = 15 + 2 * labelH;
  const int listH = std::max(0, height() - listTop - 3 * (buttonH + 5) - 10);
  lbLines->setGeometry(10, listTop, w - 20, listH);
  int y = listTop + listH + 5;
  btnSelected->setGeometry(10, y, w - 20, buttonH);
  y += buttonH + 5;
  const int half = (w - 30) / 2;
  btnActivateAll->setGeometry(10, y, half, buttonH);
  btnDeactivateAll->setGeometry(w - 10 - half, y, half, buttonH);
  y += buttonH + 5;
  const int buttonW = btnOk->sizeHint().width();
  btnOk->setGeometry(20, y, buttonW, buttonH);
  btnCancel->setGeometry(w - 20 - buttonW, y, buttonW, buttonH);
}

}  // namespace corvex
