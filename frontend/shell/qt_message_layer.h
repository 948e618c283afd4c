// The message boxes of the front end shown with Qt's standard message boxes.
#pragma once

#include <QString>

#include "project/message_layer.h"

class QWidget;

namespace corvex {

class TQtMessageLayer : public TMessageLayer {
 public:
  explicit TQtMessageLayer(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const std::string& text) override;
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  TMessageAnswer Confirm(const std::string& text) override;

 private:
  QWidget* parent_;
};

// A message text with its "\r" line breaks turned into the toolkit's line breaks.
QString MessageBoxText(const std::string& text);

}  // namespace corvex
