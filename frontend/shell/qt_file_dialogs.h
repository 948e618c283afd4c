// The open and save dialogs of the main window behind a small interface, so that the file
// commands can be driven without a user (tests, scripts).
#pragma once

#include <QString>

class QWidget;

namespace corvex {

struct TFileChoice {
  bool accepted = false;
  QString path;
  int filterIndex = 0;  // 0 current format, 1 legacy format, 2 all files
};

class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  virtual TFileChoice Open(QWidget* parent) = 0;
  virtual TFileChoice SaveAs(QWidget* parent, const QString& title, const QString& startPath) = 0;
};

// The platform's dialogs: title "Open", the project filters, the opened file must exist; the
// save dialog appends ".cx6d" to a name without extension and asks before overwriting.
class TQtFileDialogs : public TFileDialogs {
 public:
  TFileChoice Open(QWidget* parent) override;
  TFileChoice SaveAs(QWidget* parent, const QString& title, const QString& startPath) override;
};

}  // namespace corvex
