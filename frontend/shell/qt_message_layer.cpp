#include "shell/qt_message_layer.h"

#include <QMessageBox>
#include <QString>

namespace corvex {

namespace {
const char* kTitle = "Corvex 2014";
}

QString MessageBoxText(const std::string& text) {
  QString result = QString::fromStdString(text);
  result.replace("\r\n", "\n");
  result.replace('\r', '\n');
  return result;
}

void TQtMessageLayer::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, MessageBoxText(text), QMessageBox::Ok, parent_);
  box.exec();
}

void TQtMessageLayer::Information(const std::string& text) {
  QMessageBox::information(parent_, "Information", MessageBoxText(text), QMessageBox::Ok);
}

void TQtMessageLayer::Warning(const std::string& text) {
  QMessageBox::warning(parent_, "Warning", MessageBoxText(text), QMessageBox::Ok);
}

TMessageAnswer TQtMessageLayer::Confirm(const std::string& text) {
  auto pressed = QMessageBox::question(parent_, "Confirm", MessageBoxText(text),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                       QMessageBox::Yes);
  if (pressed == QMessageBox::Yes) return TMessageAnswer::Yes;
  if (pressed == QMessageBox::No) return TMessageAnswer::No;
  return TMessageAnswer::Cancel;
}

}  // namespace corvex
