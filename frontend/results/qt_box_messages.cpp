#include "results/qt_box_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace corvex {

namespace {

QString BoxText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace

void TBoxMessages::ShowMessage(const std::string& text) {
  QMessageBox::about(parent_, QApplication::applicationName(), BoxText(text));
}

void TBoxMessages::Information(const std::string& text) {
  QMessageBox::information(parent_, QStringLiteral("Information"), BoxText(text));
}

void TBoxMessages::Warning(const std::string& text) {
  QMessageBox::warning(parent_, QStringLiteral("Warning"), BoxText(text));
}

TMessageAnswer TBoxMessages::Confirm(const std::string& text) {
  switch (QMessageBox::question(parent_, QStringLiteral("Confirm"), BoxText(text),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return TMessageAnswer::Yes;
    case QMessageBox::No: return TMessageAnswer::No;
    default: return TMessageAnswer::Cancel;
  }
}

}  // namespace corvex
