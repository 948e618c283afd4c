#include "results/line_names_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "project/message_layer.h"
#include "results/graph_palette.h"
#include "results/qt_canvas.h"

namespace corvex {

TfrmLineNames::TfrmLineNames(std::vector<std::string>& names, TMessageLayer& messages,
                             QWidget* parent)
    : QDialog(parent), names_(names), messages_(messages) {
  setObjectName(QStringLiteral("frmLineNames"));
  setWindowTitle(QStringLiteral("Legend"));
  setMinimumSize(195, 167);
  selectLabel_ = new QLabel(QStringLiteral("Select line to modify:"), this);
  lbLines = new QListWidget(this);
  lbLines->setObjectName(QStringLiteral("lbLines"));
  typeLabel_ = new QLabel(QStringLiteral("Type new legend below:"), this);
  edLine = new QLineEdit(this);
  edLine->setObjectName(QStringLiteral("edLine"));
  ok_ = new QPushButton(QStringLiteral("&OK"), this);
  cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
  ok_->setAutoDefault(false);
  cancel_->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  for (const std::string& name : names_) lbLines->addItem(QString::fromStdString(name));
  if (lbLines->count() > 0) lbLines->setCurrentRow(0);
  ShowSelected();
  connect(lbLines, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });
  connect(lbLines, &QListWidget::itemClicked, this, [this] { ShowSelected(); });
  connect(lbLines, &QListWidget::itemDoubleClicked, this, [this] { ShowSelected(); });
  // editingFinished comes both with Enter and when the edit loses the focus.
  connect(edLine, &QLineEdit::editingFinished, this, [this] { StoreEdit(); });

  resize(260, 300);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  ArrangeControls();
}

void TfrmLineNames::ShowSelected() {
  const int row = lbLines->currentRow();
  if (row < 0) return;
  edLine->setText(lbLines->item(row)->text());
  QPalette palette = edLine->palette();
  palette.setColor(QPalette::Text, ToQColor(CurveColor(row)));
  edLine->setPalette(palette);
}

void TfrmLineNames::StoreEdit() {
  const int row = lbLines->currentRow();
  if (row < 0) return;
  if (edLine->text().isEmpty()) {
    messages_.ShowMessage("The line must have a name!");
    edLine->setText(lbLines->item(row)->text());
    return;
  }
  lbLines->item(row)->setText(edLine->text());
}

void TfrmLineNames::done(int result) {
  // Either button: the list's items go back into the names list.
  for (int i = 0; i < lbLines->count() && i < static_cast<int>(names_.size()); ++i)
    names_[static_cast<std::size_t>(i)] = lbLines->item(i)->text().toStdString();
  QDialog::done(result);
}

void TfrmLineNames::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ArrangeControls();
}

// 10 pixels at the left and right, controls 5 pixels apart top to bottom, the list taking the
// height that is left.
void TfrmLineNames::ArrangeControls() {
  const int w = width() - 20;
  const int labelH = selectLabel_->sizeHint().height();
  const int editH = edLine->sizeHint().height();
  const int buttonH = ok_->sizeHint().height();
  const int listH = std::max(0, height() - 2 * labelH - editH - buttonH - 40);
  int y = 5;
  selectLabel_->setGeometry(10, y, w, labelH);
  y += labelH + 5;
  lbLines->setGeometry(10, y, w, listH);
  y += listH + 5;
  typeLabel_->setGeometry(10, y, w, labelH);
  y += labelH + 5;
  edLine->setGeometry(10, y, w, editH);
  y += editH + 5;
  const int buttonW = ok_->sizeHint().width();
  ok_->setGeometry(20, y, buttonW, buttonH);
  cancel_->setGeometry(width() - 20 - buttonW, y, buttonW, buttonH);
}

}  // namespace corvex
