// The About box: product name, version and what the program does.
#pragma once

#include <QDialog>

namespace corvex {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace corvex
