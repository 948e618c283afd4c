#pragma once
// The graph canvas on a QPainter: the plot window, a printer page or a QImage.

#include <QBrush>
#include <QFont>
#include <QPen>

#include "results/canvas.h"

class QPainter;

namespace corvex {

class TQtCanvas : public TCanvas {
 public:
  // `baseFontHeight` is the pixel height of the target's font (14 in the plot window).
  TQtCanvas(QPainter& painter, int dpiX, int dpiY, int baseFontHeight);

  int PixelsPerInchX() const override { return dpiX_; }
  int PixelsPerInchY() const override { return dpiY_; }
  int BaseFontHeight() const override { return baseFontHeight_; }

  void FillRect(const TPixelRect& rect, TColor color) override;
  void SetPen(TColor color, int width, TPenStyle style) override;
  void SetBrush(TColor color, TFillStyle style) override;
  void SetPatternBrush(TColor color, const TPattern& pattern) override;

  void Line(int x1, int y1, int x2, int y2) override;
  void Polyline(const std::vector<TPixelPoint>& points) override;
  void Rectangle(const TPixelRect& rect) override;

  void SetFont(const TFontSpec& font) override;
  TTextSize TextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text, TColor color,
               bool opaqueBackground) override;

  void SetClip(const TPixelRect& rect) override;
  void ClearClip() override;

  // The Times New Roman font of `pixelHeight` pixels used by the graph windows.
  static QFont GraphFont(int pixelHeight, int weight = 400);

 private:
  QPainter& painter_;
  int dpiX_;
  int dpiY_;
  int baseFontHeight_;
  QPen pen_;
  QBrush brush_;
  bool brushNeedsWhiteGround_ = false;
  QFont font_;
  int angle_ = 0;
};

QColor ToQColor(TColor color);

}  // namespace corvex
