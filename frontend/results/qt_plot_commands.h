#pragma once
// The Plot-menu commands of a plot window served by the graph dialogs, printing, page setup
// and saving: Graph Title, Edit Legend, Active Curves, Print, Page Setup and Save To Disk.
// One object per window, a child of it, installed when the window is built.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "results/page_setup_dialog.h"

class QDialog;
class QPrinter;
class TMessageLayer;

namespace corvex {

class TPlotForm;

class TPlotCommands : public QObject {
  Q_OBJECT

 public:
  explicit TPlotCommands(TPlotForm& form);
  ~TPlotCommands() override;

  void PlotCaptionClick();
  void mLineNameClick();
  void ActiveGraphsClick();
  void PlotPrintClick();
  void PlotPageClick();
  void PlotSaveClick();

  TPageSetupDialog& PageSetupDialog() { return pageSetup_; }
  QPrinter& Printer();

  // Where messages go (message boxes unless a test puts a recorder here).
  void SetMessages(TMessageLayer& messages) { messages_ = &messages; }
  // How modal dialogs are run: returns the dialog's result (tests answer them themselves).
  std::function<int(QDialog&)> RunDialog;
  // Chooses the printer (the print dialog); false on Cancel.
  std::function<bool(QPrinter&)> ChoosePrinter;
  // Chooses the BMP file to write (the save dialog); empty on Cancel.
  std::function<QString()> ChooseBitmapFile;

 private:
  int Run(QDialog& dialog);

  TPlotForm& form_;
  std::unique_ptr<TMessageLayer> boxes_;
  TMessageLayer* messages_;
  TPageSetupDialog pageSetup_;
  std::unique_ptr<QPrinter> printer_;
};

// Installs the commands in a plot window's hooks.
TPlotCommands* InstallPlotCommands(TPlotForm& form);
// The commands of a window, or null.
TPlotCommands* PlotCommandsOf(TPlotForm& form);

}  // namespace corvex
