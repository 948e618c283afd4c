// A drawing of a pile with clickable dimension marks: each mark moves the focus to the field
// that holds its dimension.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

class QToolButton;

namespace corvex {

class TPilePicture : public QWidget {
  Q_OBJECT

 public:
  // kind 0: circular pile in elevation; 1: noncircular pile in elevation.
  explicit TPilePicture(int kind, QWidget* parent = nullptr);
  // A mark captioned `text` at a point given in fractions of the picture's size.
  QToolButton* AddMark(const QString& text, QPointF where, QWidget* field);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct TMark {
    QToolButton* Button;
    QPointF Where;
  };
  void PlaceMarks();
  int kind_;
  std::vector<TMark> marks_;
};

}  // namespace corvex
