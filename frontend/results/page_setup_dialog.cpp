#include "results/page_setup_dialog.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "project/message_layer.h"
#include "results/page_margins_dialog.h"

namespace corvex {

void TPageSetupDialog::SetMarginLeft(int v) { marginLeft_ = std::max(v, MinMarginLeft); }
void TPageSetupDialog::SetMarginTop(int v) { marginTop_ = std::max(v, MinMarginTop); }
void TPageSetupDialog::SetMarginRight(int v) { marginRight_ = std::max(v, MinMarginRight); }
void TPageSetupDialog::SetMarginBottom(int v) { marginBottom_ = std::max(v, MinMarginBottom); }

bool TPageSetupDialog::Execute(QPrinter* printer, QWidget* parent, TMessageLayer& messages) {
  if (printer == nullptr) {
    messages.ShowMessage(PageSetupError("GetPrinter", "Printer not Assigned"));
    return false;
  }
  if (!printer->isValid()) {
    messages.ShowMessage("Error getting Printer\rThe printer's settings cannot be read");
    return false;
  }
  if (printer->outputFormat() != QPrinter::NativeFormat) {
    // The platform dialog serves installed printers only; a PDF file gets the margins alone.
    TPageMarginsDialog margins(marginLeft_, marginTop_, marginRight_, marginBottom_, parent);
    if ((RunDialog ? RunDialog(margins) : margins.exec()) != QDialog::Accepted) return false;
    const QSizeF paper = printer->pageLayout().fullRect(QPageLayout::Inch).size();
    PaperWidth = static_cast<int>(std::lround(paper.width() * 1000));
    PaperLength = static_cast<int>(std::lround(paper.height() * 1000));
    SetMarginLeft(margins.Left->value());
    SetMarginTop(margins.Top->value());
    SetMarginRight(margins.Right->value());
    SetMarginBottom(margins.Bottom->value());
    return true;
  }
  // Margins travel in thousandths of an inch or hundredths of a millimetre.
  const bool metric = (options_ & poHundredthsOfMillimeters) != 0;
  const QPageLayout::Unit unit = metric ? QPageLayout::Millimeter : QPageLayout::Inch;
  const double perUnit = metric ? 100.0 : 1000.0;
  const QPageLayout kept = printer->pageLayout();
  printer->setPageMargins(QMarginsF(marginLeft_ / perUnit, marginTop_ / perUnit,
                                    marginRight_ / perUnit, marginBottom_ / perUnit),
                          unit);

  QPageSetupDialog dialog(printer, parent);
  dialog.setWindowTitle(QStringLiteral("Page Setup"));
  // Horizontally centred, a third of the remaining height from the top.
  QTimer::singleShot(0, &dialog, [&dialog] {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect s = screen->availableGeometry();
      dialog.move(s.left() + (s.width() - dialog.width()) / 2,
                  s.top() + (s.height() - dialog.height()) / 3);
    }
  });
  const int result = RunDialog ? RunDialog(dialog) : dialog.exec();
  if (result != QDialog::Accepted) {
    printer->setPageLayout(kept);
    return false;
  }
  const QPageLayout chosen = printer->pageLayout();
  const QMarginsF m = chosen.margins(unit);
  const QSizeF paper = chosen.fullRect(unit).size();
  PaperWidth = static_cast<int>(std::lround(paper.width() * perUnit));
  PaperLength = static_cast<int>(std::lround(paper.height() * perUnit));
  SetMarginLeft(static_cast<int>(std::lround(m.left() * perUnit)));
  SetMarginTop(static_cast<int>(std::lround(m.top() * perUnit)));
  SetMarginRight(static_cast<int>(std::lround(m.right() * perUnit)));
  SetMarginBottom(static_cast<int>(std::lround(m.bottom() * perUnit)));
  // The margins are applied when the graph is printed; the printer keeps its paper, its
  // orientation and its own smallest margins.
  printer->setPageMargins(QMarginsF(0, 0, 0, 0), unit);
  return true;
}

}  // namespace corvex
