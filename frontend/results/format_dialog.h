#pragma once
// The Save Attributes dialog: size (inches), resolution and colours of a graph saved as a
// bitmap. On OK the bitmap supplied by the caller is made that large; when memory does not
// allow it, the dialog ends with kAbort instead of OK.

#include <QDialog>
#include <QImage>
#include <array>

#include "project/data_edit_logic.h"
#include "results/bitmap_format.h"

class QLineEdit;
class QRadioButton;
class TMessageLayer;

namespace corvex {

class TdlgFormat : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kAbort = 3;

  TdlgFormat(QImage& bitmap, TMessageLayer& messages, QWidget* parent = nullptr);

  TBitmapColors Colors() const;
  void SetColors(TBitmapColors colors);
  // Reads and checks the three fields; sizes the bitmap and ends the dialog (OK or kAbort).
  // Returns false (dialog open) when a field holds an unacceptable entry.
  bool OkClick();

  QLineEdit* deHeight = nullptr;
  QLineEdit* deWidth = nullptr;
  QLineEdit* dePPI = nullptr;

 private:
  bool CheckField(QLineEdit* edit, TDataEditLogic& logic, double& value);

  QImage& bitmap_;
  TMessageLayer& messages_;
  TDataEditLogic height_;
  TDataEditLogic width_;
  TDataEditLogic ppi_;
  std::array<QRadioButton*, 5> colorButtons_{};
};

}  // namespace corvex
