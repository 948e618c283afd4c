#include "editors/pile_picture.h"

#include <QPainter>
#include <QToolButton>

namespace corvex {

TPilePicture::TPilePicture(int kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setMinimumSize(180, 260);
}

QToolButton* TPilePicture::AddMark(const QString& text, QPointF where, QWidget* field) {
  auto* button = new QToolButton(this);
  button->setText(text);
  button->setAutoRaise(true);
  button->setObjectName("Mark" + text);
  connect(button, &QToolButton::clicked, field, [field] { field->setFocus(Qt::MouseFocusReason); });
  marks_.push_back({button, where});
  PlaceMarks();
  return button;
}

void TPilePicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceMarks();
}

void TPilePicture::PlaceMarks() {
  for (const TMark& m : marks_) {
    const QSize s = m.Button->sizeHint();
    m.Button->move(int(m.Where.x() * width()) - s.width() / 2, int(m.Where.y() * height()) - s.height() / 2);
  }
}

void TPilePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = width(), h = height();
  const double ground = 0.18 * h;
  // Ground surface with hatching below it.
  p.setPen(QPen(Qt::darkGreen, 2));
  p.drawLine(QPointF(0.05 * w, ground), QPointF(0.95 * w, ground));
  p.setPen(QPen(Qt::darkGreen, 1));
  for (double x = 0.07 * w; x < 0.95 * w; x += 10) p.drawLine(QPointF(x, ground), QPointF(x - 6, ground + 6));
  // The pile from its head above the ground down to its tip.
  const double left = 0.42 * w, right = 0.58 * w, head = 0.06 * h, tip = 0.92 * h;
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(QPointF(left, head), QPointF(right, tip)));
  if (kind_ == 0) {
    // The open section: inner wall and a lower end section of its own inner diameter.
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    const double wall = 0.015 * w, end = 0.75 * h;
    p.drawLine(QPointF(left + wall, head), QPointF(left + wall, end));
    p.drawLine(QPointF(right - wall, head), QPointF(right - wall, end));
    p.drawLine(QPointF(left + 2 * wall, end), QPointF(left + 2 * wall, tip));
    p.drawLine(QPointF(right - 2 * wall, end), QPointF(right - 2 * wall, tip));
  }
  // Dimension lines: total length on the right, stick-up and zero-friction length on the left.
  p.setPen(QPen(Qt::blue, 1));
  p.drawLine(QPointF(0.75 * w, head), QPointF(0.75 * w, tip));
  p.drawLine(QPointF(0.25 * w, head), QPointF(0.25 * w, ground));
  p.drawLine(QPointF(0.15 * w, ground), QPointF(0.15 * w, 0.35 * h));
}

}  // namespace corvex
