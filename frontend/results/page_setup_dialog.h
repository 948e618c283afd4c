#pragma once
// The page-setup dialog of a plot window: page margins (thousandths of an inch here) kept as
// long as the window, edited on the platform's page-setup dialog.

#include <functional>

#include "results/page_setup_options.h"

class QDialog;
class QPrinter;
class QWidget;
class TMessageLayer;

namespace corvex {

class TPageSetupDialog {
 public:
  TPageSetupOptions Options() const { return options_; }
  void SetOptions(TPageSetupOptions options) { options_ = MergePageSetupOptions(options_, options); }

  int MarginLeft() const { return marginLeft_; }
  int MarginTop() const { return marginTop_; }
  int MarginRight() const { return marginRight_; }
  int MarginBottom() const { return marginBottom_; }
  // Each margin is raised to at least its minimum.
  void SetMarginLeft(int v);
  void SetMarginTop(int v);
  void SetMarginRight(int v);
  void SetMarginBottom(int v);

  int MinMarginLeft = 0;
  int MinMarginTop = 0;
  int MinMarginRight = 0;
  int MinMarginBottom = 0;

  // Read back from the dialog, in the margins' unit.
  int PaperWidth = 0;
  int PaperLength = 0;

  // Shows the dialog for `printer`; on OK reads back the paper size and margins and returns
  // true. Failures are shown in a plain message box; the margins then keep their values.
  bool Execute(QPrinter* printer, QWidget* parent, TMessageLayer& messages);

  // How the platform dialog is run (tests answer it themselves): returns the dialog's result.
  std::function<int(QDialog&)> RunDialog;

 private:
  TPageSetupOptions options_ = poDefaultMinMargins | poThousandthsOfInches;
  int marginLeft_ = 1000;
  int marginTop_ = 1000;
  int marginRight_ = 1000;
  int marginBottom_ = 1000;
};

}  // namespace corvex
