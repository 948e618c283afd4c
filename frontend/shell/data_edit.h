// The single-line numeric field of every editor window: the user types a number or an
// arithmetic expression; leaving the field (or Enter) evaluates it, checks it against the
// field's limits and shows the value. A field holding an invalid entry keeps the focus.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "project/data_edit_logic.h"

class TMessageLayer;

namespace corvex {

class TDataEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TDataEdit(TMessageLayer& messages, QWidget* parent = nullptr);

  bool IntegerOnly() const { return logic_.IntegerOnly(); }
  void SetIntegerOnly(bool on);
  bool Hex() const { return logic_.Hex(); }
  void SetHex(bool on) { logic_.SetHex(on); }
  double MinVal() const { return logic_.MinVal(); }
  void SetMinVal(double value);
  double MaxVal() const { return logic_.MaxVal(); }
  void SetMaxVal(double value);
  // Reading evaluates the text (EAssignError when it is not a valid expression).
  double Number();
  void SetNumber(double value);

  QString Caption() const { return QString::fromStdString(logic_.Caption()); }
  void SetCaption(const QString& caption);
  QString UnitsString() const { return QString::fromStdString(logic_.UnitsString()); }
  void SetUnitsString(const QString& code);
  int Units() const { return logic_.Units(); }
  void SetUnits(int system);
  // The label that shows the caption and the unit; the label's focus goes to this field.
  QLabel* EditLabel() const { return label_; }
  void SetEditLabel(QLabel* label);

  // The exit check: true when the entry is valid (and then shown as its value); otherwise
  // the reason is shown and the field takes the focus back.
  bool ExitCheck();
  bool Valid() const { return logic_.Valid(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ShowLogicText();
  void RefreshLabel();

  TMessageLayer& messages_;
  TDataEditLogic logic_;
  QPointer<QLabel> label_;
  bool checking_ = false;
};

}  // namespace corvex
