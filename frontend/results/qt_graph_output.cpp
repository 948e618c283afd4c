#include "results/qt_graph_output.h"

#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

#include "results/graph_palette.h"
#include "results/graph_render.h"
#include "results/plot_form.h"
#include "results/print_layout.h"
#include "results/qt_canvas.h"

namespace corvex {

namespace {

constexpr int kWindowFontHeight = 14;  // pixels on the screen
constexpr int kScreenDpi = 96;

// Sets the output flags for one output and puts the window's back afterwards.
class TOutputMode {
 public:
  TOutputMode(TPlotForm& form, bool legend, bool screenPatterns)
      : form_(form), legend_(form.LegendIntoOutput), patterns_(form.ScreenPatterns) {
    form.LegendIntoOutput = legend;
    form.ScreenPatterns = screenPatterns;
  }
  ~TOutputMode() {
    form_.LegendIntoOutput = legend_;
    form_.ScreenPatterns = patterns_;
    if (QWidget* area = form_.PlotArea()) area->update();
  }
  TOutputMode(const TOutputMode&) = delete;
  TOutputMode& operator=(const TOutputMode&) = delete;

 private:
  TPlotForm& form_;
  bool legend_;
  bool patterns_;
};

// The 16 colours of a 16-colour bitmap; every curve colour is one of them.
QList<QRgb> SixteenColors() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
          qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// 256 colours: the 16 above, a 6 x 6 x 6 colour cube and 24 grays, so that every curve colour
// stays exact.
QList<QRgb> TwoHundredFiftySixColors() {
  QList<QRgb> table = SixteenColors();
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) table << qRgb(51 * r, 51 * g, 51 * b);
  for (int k = 1; k <= 24; ++k) table << qRgb(10 * k, 10 * k, 10 * k);
  return table;
}

void PutLittleEndian(QByteArray& bytes, quint32 value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 16-bit BMP (5 bits per colour), which the toolkit's BMP writer does not produce.
QByteArray HighColorBmp(const QImage& bitmap) {
  const QImage image = bitmap.convertToFormat(QImage::Format_RGB555);
  const int rowBytes = (image.width() * 2 + 3) / 4 * 4;
  const quint32 pixelBytes = static_cast<quint32>(rowBytes) * static_cast<quint32>(image.height());
  QByteArray bytes;
  bytes.append("BM");
  PutLittleEndian(bytes, 14 + 40 + pixelBytes, 4);  // file size
  PutLittleEndian(bytes, 0, 4);                     // reserved
  PutLittleEndian(bytes, 14 + 40, 4);               // offset of the pixels
  PutLittleEndian(bytes, 40, 4);                    // info header size
  PutLittleEndian(bytes, static_cast<quint32>(image.width()), 4);
  PutLittleEndian(bytes, static_cast<quint32>(image.height()), 4);  // rows bottom-up
  PutLittleEndian(bytes, 1, 2);                                     // planes
  PutLittleEndian(bytes, 16, 2);                                    // bits per pixel
  PutLittleEndian(bytes, 0, 4);                                     // no compression: 5-5-5
  PutLittleEndian(bytes, pixelBytes, 4);
  PutLittleEndian(bytes, 2835, 4);  // 72 pixels per inch
  PutLittleEndian(bytes, 2835, 4);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, 0, 4);
  for (int y = image.height() - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const quint16*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) PutLittleEndian(bytes, row[x], 2);
    for (int pad = image.width() * 2; pad < rowBytes; ++pad) bytes.append('\0');
  }
  return bytes;
}

}  // namespace

int PrinterFontHeight(int printerDpiY) {
  return RoundEven(static_cast<double>(kWindowFontHeight) * printerDpiY / kScreenDpi);
}

bool PrintGraph(TPlotForm& form, QPrinter& printer, TPlotLayout* layoutOut) {
  TOutputMode mode(form, true, false);
  printer.setDocName(QString::fromStdString(form.Graph().Caption));
  printer.setFullPage(false);
  // The page margins are the window's (Page Setup); the printer keeps only its unprintable
  // edges, which it raises these zero margins to.
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&printer)) return false;

  TPrinterPage page;
  page.Dx = printer.logicalDpiX();
  page.Dy = printer.logicalDpiY();
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
  page.OffsetX = printable.left() - paper.left();
  page.OffsetY = printable.top() - paper.top();
  page.Width = printable.width();
  page.Height = printable.height();
  const TPageMargins margins{form.Margins.Left, form.Margins.Top, form.Margins.Right,
                             form.Margins.Bottom};
  const TPixelRect target = PrintTarget(margins, page);

  const int fontHeight = PrinterFontHeight(page.Dy);
  TQtCanvas canvas(painter, page.Dx, page.Dy, fontHeight);
  const TPlotLayout layout = LayoutForPrint(form.Graph(), target, page.Dx, page.Dy,
                                            TextHeight(fontHeight, form.Graph().SizeFont));
  DrawGraph(canvas, form.Graph(), layout, form.CurrentRange(), form.OutputOptions());
  painter.end();
  if (layoutOut != nullptr) *layoutOut = layout;
  return true;
}

TPlotLayout DrawGraphIntoBitmap(TPlotForm& form, QImage& bitmap) {
  TOutputMode mode(form, true, true);
  const QWidget* area = form.PlotArea();
  const int dx = area != nullptr ? area->logicalDpiX() : kScreenDpi;
  const int dy = area != nullptr ? area->logicalDpiY() : kScreenDpi;
  QPainter painter(&bitmap);
  TQtCanvas canvas(painter, dx, dy, kWindowFontHeight);
  // The bitmap is laid out as the window is, with half an inch for the soil-layer column.
  const TPlotLayout layout =
      LayoutForWindow(form.Graph(), {0, 0, bitmap.width(), bitmap.height()}, dx, dy,
                      TextHeight(kWindowFontHeight, form.Graph().SizeFont), dx / 2);
  DrawGraph(canvas, form.Graph(), layout, form.CurrentRange(), form.OutputOptions());
  return layout;
}

QImage BitmapInColors(const QImage& bitmap, TBitmapColors colors) {
  const Qt::ImageConversionFlags exact = Qt::ThresholdDither | Qt::AvoidDither;
  switch (colors) {
    case TBitmapColors::BlackAndWhite:
      return bitmap.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    case TBitmapColors::Colors16:
      return bitmap.convertToFormat(QImage::Format_Indexed8, SixteenColors(), exact);
    case TBitmapColors::Colors256:
      return bitmap.convertToFormat(QImage::Format_Indexed8, TwoHundredFiftySixColors(), exact);
    case TBitmapColors::HighColor:
      return bitmap.convertToFormat(QImage::Format_RGB555);
    case TBitmapColors::TrueColor:
      return bitmap.convertToFormat(QImage::Format_RGB888);
  }
  return bitmap;
}

bool WriteBitmapFile(const QImage& bitmap, TBitmapColors colors, const QString& path) {
  const QImage converted = BitmapInColors(bitmap, colors);
  if (converted.isNull()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (colors == TBitmapColors::HighColor) {
    const QByteArray bytes = HighColorBmp(converted);
    if (file.write(bytes) != bytes.size()) {
      file.cancelWriting();
      return false;
    }
  } else if (!converted.save(&file, "BMP")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace corvex
