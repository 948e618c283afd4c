#pragma once
// Message boxes for the graph windows' dialogs and commands, on Qt's standard message boxes.

#include "project/message_layer.h"

class QWidget;

namespace corvex {

class TBoxMessages : public TMessageLayer {
 public:
  explicit TBoxMessages(QWidget* parent) : parent_(parent) {}
  void ShowMessage(const std::string& text) override;
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  TMessageAnswer Confirm(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace corvex
