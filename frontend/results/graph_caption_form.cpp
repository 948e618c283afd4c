#include "results/graph_caption_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvex {

TfrmGraphCaption::TfrmGraphCaption(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGraphCaption"));
  setWindowTitle(QStringLiteral("Graph Caption"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter Graph Caption"), this));
  edtCaption = new QLineEdit(this);
  edtCaption->setObjectName(QStringLiteral("edtCaption"));
  layout->addWidget(edtCaption);

  auto* group = new QGroupBox(QStringLiteral("Caption Location"), this);
  auto* groupLayout = new QHBoxLayout(group);
  rbTop = new QRadioButton(QStringLiteral("Top"), group);
  rbTop->setObjectName(QStringLiteral("rbTop"));
  rbBottom = new QRadioButton(QStringLiteral("Bottom"), group);
  rbBottom->setObjectName(QStringLiteral("rbBottom"));
  rbBottom->setChecked(true);
  groupLayout->addWidget(rbTop);
  groupLayout->addWidget(rbBottom);
  layout->addWidget(group);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace corvex
