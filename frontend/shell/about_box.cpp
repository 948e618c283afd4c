#include "shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace corvex {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About Corvex 2014");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel("<b>Corvex 2014</b>", this);
  product->setObjectName("ProductName");
  auto* version = new QLabel("Version 2014.6.7", this);
  version->setObjectName("Version");
  auto* comments = new QLabel(
      "Axial capacity and short-term settlement of a driven pile\n"
      "under axial compression or tension.",
      this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(product);
  layout->addWidget(version);
  layout->addWidget(comments);
  layout->addWidget(buttons);
}

}  // namespace corvex
