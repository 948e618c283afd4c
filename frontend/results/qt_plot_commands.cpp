#include "results/qt_plot_commands.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <string>
#include <vector>

#include "results/active_lines_form.h"
#include "results/curve_flags.h"
#include "results/format_dialog.h"
#include "results/graph_caption_form.h"
#include "results/line_names_form.h"
#include "results/plot_form.h"
#include "results/qt_box_messages.h"
#include "results/qt_graph_output.h"

namespace corvex {

TPlotCommands::TPlotCommands(TPlotForm& form)
    : QObject(&form),
      form_(form),
      boxes_(std::make_unique<TBoxMessages>(&form)),
      messages_(boxes_.get()) {
  setObjectName(QStringLiteral("PlotCommands"));
  pageSetup_.SetOptions(poDefaultMinMargins | poThousandthsOfInches);
  pageSetup_.SetMarginLeft(form.Margins.Left);
  pageSetup_.SetMarginTop(form.Margins.Top);
  pageSetup_.SetMarginRight(form.Margins.Right);
  pageSetup_.SetMarginBottom(form.Margins.Bottom);
  pageSetup_.RunDialog = [this](QDialog& d) { return Run(d); };
}

TPlotCommands::~TPlotCommands() = default;

int TPlotCommands::Run(QDialog& dialog) { return RunDialog ? RunDialog(dialog) : dialog.exec(); }

QPrinter& TPlotCommands::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void TPlotCommands::PlotCaptionClick() {
  TGraphPlot& graph = form_.Graph();
  TfrmGraphCaption dialog(&form_);
  dialog.edtCaption->setText(QString::fromStdString(graph.Title));
  if (graph.TitleAtTop) dialog.rbTop->setChecked(true);
  else dialog.rbBottom->setChecked(true);
  Run(dialog);
  // However the dialog was closed, the typed title applies.
  graph.Title = dialog.edtCaption->text().toStdString();
  graph.TitleAtTop = dialog.rbTop->isChecked();
  form_.LayOut();
}

void TPlotCommands::mLineNameClick() {
  TGraphPlot& graph = form_.Graph();
  std::vector<std::string> names;
  for (int i = 0; i < graph.LineCount(); ++i) names.push_back(graph.DisplayName(graph.Lines(i)));
  TfrmLineNames dialog(names, *messages_, &form_);
  if (Run(dialog) != QDialog::Accepted) return;
  for (int i = 0; i < graph.LineCount() && i < static_cast<int>(names.size()); ++i)
    graph.Lines(i).Name = names[static_cast<std::size_t>(i)];
  // Legend and menu items follow the curve behind each legend position.
  form_.RefreshLegendNames();
}

void TPlotCommands::ActiveGraphsClick() {
  TGraphPlot& graph = form_.Graph();
  std::vector<std::string> names;
  std::vector<std::string> flags;
  for (int i = 0; i < graph.LineCount(); ++i) {
    names.push_back(graph.DisplayName(graph.Lines(i)));
    flags.push_back(FlagOf(graph.Lines(i).Active));
  }
  TfrmActiveLines dialog(names, flags, &form_);
  if (Run(dialog) != QDialog::Accepted) return;
  for (int i = 0; i < graph.LineCount() && i < static_cast<int>(flags.size()); ++i)
    graph.Lines(i).Active = IsActiveFlag(flags[static_cast<std::size_t>(i)]);
  form_.SyncLegendWithActiveCurves();
}

void TPlotCommands::PlotPrintClick() {
  QPrinter& printer = Printer();
  bool chosen = false;
  if (ChoosePrinter) {
    chosen = ChoosePrinter(printer);
  } else {
    if (QPrinterInfo::availablePrinters().isEmpty())
      messages_->Warning("No printer is installed; the graph can be printed to a PDF file.");
    QPrintDialog dialog(&printer, &form_);
    chosen = Run(dialog) == QDialog::Accepted;
  }
  if (!chosen) return;
  if (!PrintGraph(form_, printer))
    messages_->ShowMessage("The printer could not start the document.");
}

void TPlotCommands::PlotPageClick() {
  if (!pageSetup_.Execute(&Printer(), &form_, *messages_)) return;
  form_.Margins.Left = pageSetup_.MarginLeft();
  form_.Margins.Top = pageSetup_.MarginTop();
  form_.Margins.Right = pageSetup_.MarginRight();
  form_.Margins.Bottom = pageSetup_.MarginBottom();
}

void TPlotCommands::PlotSaveClick() {
  QString path;
  if (ChooseBitmapFile) {
    path = ChooseBitmapFile();
  } else {
    QFileDialog dialog(&form_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Bitmap (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (Run(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      path = dialog.selectedFiles().front();
  }
  if (path.isEmpty()) return;

  QImage bitmap;
  TdlgFormat format(bitmap, *messages_, &form_);
  const int result = Run(format);
  if (result == TdlgFormat::kAbort) {
    messages_->Information("There is not enough memory to complete this task.");
    return;
  }
  if (result != QDialog::Accepted || bitmap.isNull()) return;
  DrawGraphIntoBitmap(form_, bitmap);
  if (!WriteBitmapFile(bitmap, format.Colors(), path))
    messages_->ShowMessage("The bitmap could not be written to " + path.toStdString() + ".");
}

TPlotCommands* InstallPlotCommands(TPlotForm& form) {
  auto* commands = new TPlotCommands(form);
  form.OnGraphTitle = [commands](TPlotForm&) { commands->PlotCaptionClick(); };
  form.OnEditLegend = [commands](TPlotForm&) { commands->mLineNameClick(); };
  form.OnActiveCurves = [commands](TPlotForm&) { commands->ActiveGraphsClick(); };
  form.OnPrint = [commands](TPlotForm&) { commands->PlotPrintClick(); };
  form.OnPageSetup = [commands](TPlotForm&) { commands->PlotPageClick(); };
  form.OnSaveToDisk = [commands](TPlotForm&) { commands->PlotSaveClick(); };
  return commands;
}

TPlotCommands* PlotCommandsOf(TPlotForm& form) {
  return form.findChild<TPlotCommands*>(QStringLiteral("PlotCommands"),
                                        Qt::FindDirectChildrenOnly);
}

}  // namespace corvex
