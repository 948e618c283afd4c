#include "results/page_margins_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace corvex {

TPageMarginsDialog::TPageMarginsDialog(int left, int top, int right, int bottom, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Page Setup"));
  auto* form = new QFormLayout(this);
  auto field = [&](const char* caption, int value) {
    auto* box = new QSpinBox(this);
    box->setRange(0, 20000);
    box->setSingleStep(250);
    box->setValue(value);
    form->addRow(QString::fromLatin1(caption), box);
    return box;
  };
  Left = field("&Left (1/1000 in)", left);
  Top = field("&Top (1/1000 in)", top);
  Right = field("&Right (1/1000 in)", right);
  Bottom = field("&Bottom (1/1000 in)", bottom);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

}  // namespace corvex
