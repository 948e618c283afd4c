#include "shell/data_edit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace corvex {

TDataEdit::TDataEdit(TMessageLayer& messages, QWidget* parent) : QLineEdit(parent), messages_(messages) {
  ShowLogicText();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { logic_.SetText(text.toStdString()); });
}

void TDataEdit::ShowLogicText() { setText(QString::fromStdString(logic_.Text())); }

void TDataEdit::SetIntegerOnly(bool on) {
  logic_.SetIntegerOnly(on);
  ShowLogicText();
}

void TDataEdit::SetMinVal(double value) {
  logic_.SetMinVal(value);
  ShowLogicText();
}

void TDataEdit::SetMaxVal(double value) {
  logic_.SetMaxVal(value);
  ShowLogicText();
}

double TDataEdit::Number() {
  logic_.SetText(text().toStdString());
  return logic_.Number();
}

void TDataEdit::SetNumber(double value) {
  logic_.SetNumber(value);
  ShowLogicText();
}

void TDataEdit::SetCaption(const QString& caption) {
  logic_.SetCaption(caption.toStdString());
  RefreshLabel();
}

void TDataEdit::SetUnitsString(const QString& code) {
  logic_.SetUnitsString(code.toStdString());
  RefreshLabel();
}

void TDataEdit::SetUnits(int system) {
  logic_.SetUnits(system);
  RefreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
  label_ = label;
  if (label_) label_->setBuddy(this);
  RefreshLabel();
}

void TDataEdit::RefreshLabel() {
  logic_.SetEnabled(isEnabled());
  if (!label_) return;
  label_->setText(QString::fromStdString(logic_.LabelText()));
  label_->setEnabled(logic_.LabelEnabled());
}

void TDataEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) RefreshLabel();
}

bool TDataEdit::ExitCheck() {
  // The message box of a failed check takes the focus itself; that is not a second exit.
  checking_ = true;
  logic_.SetText(text().toStdString());
  const bool valid = logic_.ExitCheck(messages_);
  ShowLogicText();
  checking_ = false;
  if (!valid && isVisible() && window()) {
    // Take the focus back once the focus change that is under way has finished.
    QTimer::singleShot(0, this, [this] {
      setFocus(Qt::OtherFocusReason);
      selectAll();
    });
  }
  return valid;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another application or opening a menu is not leaving the field.
  const auto reason = event->reason();
  if (checking_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  ExitCheck();
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ExitCheck();
    selectAll();
    event->accept();  // not passed on (no default button fires)
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && QString("+-/*^=%!").contains(typed) && hasSelectedText() &&
      selectedText() == text()) {
    // The operator extends the expression instead of replacing the value.
    deselect();
    end(false);
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace corvex
