#include "results/format_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvex {

namespace {

void SetUp(TDataEditLogic& logic, double minimum, double value, bool integerOnly) {
  logic.SetIntegerOnly(integerOnly);
  logic.SetMinVal(minimum);
  logic.SetNumber(value);
}

}  // namespace

TdlgFormat::TdlgFormat(QImage& bitmap, TMessageLayer& messages, QWidget* parent)
    : QDialog(parent), bitmap_(bitmap), messages_(messages) {
  setObjectName(QStringLiteral("dlgFormat"));
  setWindowTitle(QStringLiteral("Save Attributes"));
  SetUp(height_, 2, 4, false);
  SetUp(width_, 2, 6, false);
  SetUp(ppi_, 10, 72, true);

  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto field = [&](const char* caption, const char* name, TDataEditLogic& logic) {
    auto* edit = new QLineEdit(QString::fromStdString(logic.Text()), this);
    edit->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
  };
  deHeight = field("&Height (in)", "deHeight", height_);
  deWidth = field("&Width (in)", "deWidth", width_);
  dePPI = field("&Pixels Per Inch", "dePPI", ppi_);
  layout->addLayout(form);

  auto* group = new QGroupBox(QStringLiteral("Colors"), this);
  auto* groupLayout = new QVBoxLayout(group);
  const char* colorTexts[] = {"Black and White", "16 Colors", "256 Colors",
                              "High Color (16 bit)", "True Color (24 bit)"};
  for (std::size_t i = 0; i < colorButtons_.size(); ++i) {
    colorButtons_[i] = new QRadioButton(QString::fromLatin1(colorTexts[i]), group);
    groupLayout->addWidget(colorButtons_[i]);
  }
  SetColors(TBitmapColors::Colors16);
  layout->addWidget(group);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

TBitmapColors TdlgFormat::Colors() const {
  for (std::size_t i = 0; i < colorButtons_.size(); ++i)
    if (colorButtons_[i]->isChecked()) return static_cast<TBitmapColors>(i);
  return TBitmapColors::Colors16;
}

void TdlgFormat::SetColors(TBitmapColors colors) {
  colorButtons_[static_cast<std::size_t>(colors)]->setChecked(true);
}

bool TdlgFormat::CheckField(QLineEdit* edit, TDataEditLogic& logic, double& value) {
  logic.SetText(edit->text().toStdString());
  const bool ok = logic.ExitCheck(messages_);
  edit->setText(QString::fromStdString(logic.Text()));
  if (!ok) {
    edit->setFocus();
    return false;
  }
  value = logic.Number();
  return true;
}

bool TdlgFormat::OkClick() {
  double height = 0, width = 0, ppi = 0;
  if (!CheckField(deHeight, height_, height) || !CheckField(deWidth, width_, width) ||
      !CheckField(dePPI, ppi_, ppi))
    return false;
  const TBitmapSize size = BitmapSizeFor(ppi, width, height);
  // The graph is drawn in full colour and reduced to the chosen colours when it is written.
  QImage image;
  if (size.Width > 0 && size.Height > 0) image = QImage(size.Width, size.Height, QImage::Format_RGB32);
  if (image.isNull()) {
    done(kAbort);
    return true;
  }
  bitmap_ = image;
  accept();
  return true;
}

}  // namespace corvex
