#include "results/qt_canvas.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace corvex {

QColor ToQColor(TColor color) { return QColor(color.R, color.G, color.B); }

QFont TQtCanvas::GraphFont(int pixelHeight, int weight) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(pixelHeight, 1));
  font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
  return font;
}

TQtCanvas::TQtCanvas(QPainter& painter, int dpiX, int dpiY, int baseFontHeight)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY), baseFontHeight_(baseFontHeight) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  font_ = GraphFont(baseFontHeight_);
  SetPen(kBlack, 1, TPenStyle::Solid);
  SetBrush(kWhite, TFillStyle::Solid);
}

void TQtCanvas::FillRect(const TPixelRect& rect, TColor color) {
  painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), ToQColor(color));
}

void TQtCanvas::SetPen(TColor color, int width, TPenStyle style) {
  pen_ = QPen(ToQColor(color), std::max(width, 1),
              style == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap,
              Qt::MiterJoin);
  // A one-pixel pen stays one device pixel whatever the transformation.
  if (width <= 1) pen_.setWidth(0);
  painter_.setPen(pen_);
}

void TQtCanvas::SetBrush(TColor color, TFillStyle style) {
  Qt::BrushStyle qtStyle = Qt::NoBrush;
  switch (style) {
    case TFillStyle::None: qtStyle = Qt::NoBrush; break;
    case TFillStyle::Solid: qtStyle = Qt::SolidPattern; break;
    case TFillStyle::ForwardDiagonal: qtStyle = Qt::FDiagPattern; break;
    case TFillStyle::Cross: qtStyle = Qt::CrossPattern; break;
    case TFillStyle::DiagonalCross: qtStyle = Qt::DiagCrossPattern; break;
    case TFillStyle::Horizontal: qtStyle = Qt::HorPattern; break;
    case TFillStyle::Vertical: qtStyle = Qt::VerPattern; break;
    case TFillStyle::Pattern: qtStyle = Qt::SolidPattern; break;
  }
  brush_ = QBrush(ToQColor(color), qtStyle);
  brushNeedsWhiteGround_ = qtStyle != Qt::NoBrush && qtStyle != Qt::SolidPattern;
  painter_.setBrush(brush_);
}

void TQtCanvas::SetPatternBrush(TColor color, const TPattern& pattern) {
  QImage bits(pattern.Width, pattern.Height, QImage::Format_MonoLSB);
  bits.setColor(0, QColor(Qt::white).rgb());
  bits.setColor(1, QColor(Qt::black).rgb());
  for (int row = 0; row < pattern.Height; ++row)
    for (int column = 0; column < pattern.Width; ++column)
      bits.setPixel(column, row, pattern.At(column, row) ? 1 : 0);
  brush_ = QBrush(ToQColor(color), QBitmap::fromImage(bits));
  brushNeedsWhiteGround_ = true;
  painter_.setBrush(brush_);
}

void TQtCanvas::Line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void TQtCanvas::Polyline(const std::vector<TPixelPoint>& points) {
  if (points.empty()) return;
  QPolygon polygon(static_cast<int>(points.size()));
  for (int i = 0; i < polygon.size(); ++i)
    polygon.setPoint(i, points[static_cast<std::size_t>(i)].X, points[static_cast<std::size_t>(i)].Y);
  if (points.size() == 1) painter_.drawPoint(polygon.point(0));
  else painter_.drawPolyline(polygon);
}

void TQtCanvas::Rectangle(const TPixelRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  const QRect inside(rect.Left, rect.Top, rect.Width(), rect.Height());
  // Hatches and pattern bitmaps are drawn over white, as an opaque brush would.
  if (brushNeedsWhiteGround_) painter_.fillRect(inside, Qt::white);
  if (brush_.style() != Qt::NoBrush) painter_.fillRect(inside, brush_);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
  painter_.setBrush(brush_);
}

void TQtCanvas::SetFont(const TFontSpec& font) {
  font_ = GraphFont(baseFontHeight_ * font.SizeFactor / 10, font.Weight);
  angle_ = font.Angle;
}

TTextSize TQtCanvas::TextExtent(const std::string& text) {
  const QFontMetrics metrics(font_, painter_.device());
  return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void TQtCanvas::TextOut(int x, int y, const std::string& text, TColor color,
                        bool opaqueBackground) {
  const QString qtext = QString::fromStdString(text);
  const QFontMetrics metrics(font_, painter_.device());
  painter_.save();
  painter_.setFont(font_);
  painter_.translate(x, y);
  if (angle_ == 90) painter_.rotate(-90);
  if (opaqueBackground)
    painter_.fillRect(QRect(0, 0, metrics.horizontalAdvance(qtext), metrics.height()), Qt::white);
  painter_.setPen(ToQColor(color));
  painter_.drawText(0, metrics.ascent(), qtext);
  painter_.restore();
}

void TQtCanvas::SetClip(const TPixelRect& rect) {
  painter_.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

void TQtCanvas::ClearClip() { painter_.setClipping(false); }

}  // namespace corvex
