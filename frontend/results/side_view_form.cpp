#include "results/side_view_form.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <cmath>

namespace corvex {

namespace {

const QString kObjectName = QStringLiteral("DlgSideView");

}  // namespace

TDlgSideView::TDlgSideView(std::function<TSideViewInput()> source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)) {
  setObjectName(kObjectName);
  setWindowTitle(QStringLiteral("Elevation View"));
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
  setAutoFillBackground(false);
  Label1 = new QLabel(QStringLiteral("Pile Geometry"), this);
  Label1->move(540, 8);
  Button1 = new QPushButton(QStringLiteral("Print"), this);
  Button1->move(540, 30);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  resize(648, 460);
  FormActivate();
}

void TDlgSideView::FormActivate() {
  if (stopped_) return;
  outline_.clear();
  bounds_ = TSideRange{};
  input_ = source_ ? source_() : TSideViewInput{};
  if (!input_.Layers.empty()) {
    pileWidth_ = SidePileWidth(input_.OuterDiameter, input_.Perimeter, input_.Units);
    outline_.push_back(SidePileOutline(pileWidth_, input_.TotalLength, input_.StickupLength,
                                       input_.TaperAngle));
    bounds_ = SideBounds(outline_, input_.Layers.back().Bottom);
  }
  FormResize();
}

void TDlgSideView::FormResize() {
  if (stopped_) return;
  view_ = SideViewRange(bounds_, width(), height());
  // An invalid number in the project stops all drawing for the life of the window.
  bool usable = SideRangeUsable(bounds_) && SideRangeUsable(view_) && std::isfinite(pileWidth_);
  for (const TSideQuad& q : outline_)
    for (int k = 0; k < 4; ++k) usable = usable && std::isfinite(q.X[k]) && std::isfinite(q.Y[k]);
  if (!usable) {
    stopped_ = true;
    return;
  }
  update();
}

void TDlgSideView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TDlgSideView::paintEvent(QPaintEvent*) {
  if (stopped_) return;
  QPainter painter(this);
  const int w = width(), h = height();
  const QColor window = palette().color(QPalette::Window);
  painter.fillRect(rect(), window);
  if (w <= 0 || h <= 0) return;
  painter.setPen(palette().color(QPalette::WindowText));
  const int textHeight = painter.fontMetrics().height();
  const auto depthY = [&](double d) { return SideMapY(view_, h, d); };
  for (std::size_t i = 0; i < input_.Layers.size(); ++i) {
    const TSideLayer& layer = input_.Layers[i];
    if (i == 0) {
      const int ground = depthY(0);
      painter.drawLine(0, ground, w, ground);
      for (int j = 1; j <= 20; ++j)
        painter.drawLine(100 + 20 * j, ground, 115 + 20 * j, ground + 5);
    }
    const int bottom = depthY(layer.Bottom);
    painter.drawLine(0, bottom, w, bottom);
    bool belowTop = true;
    const QString label = QString::fromStdString(SideScreenLabel(layer, belowTop));
    const int top = depthY(layer.Top) + (belowTop ? textHeight : 0);
    painter.drawText(QRect(0, top, w, textHeight), Qt::AlignLeft | Qt::AlignTop, label);
  }
  if (view_.XMax != view_.XMin && view_.YMax != view_.YMin) {
    painter.setBrush(palette().color(QPalette::WindowText));
    for (const TSideQuad& q : outline_) {
      const int order[] = {0, 1, 3, 2};  // top-left, top-right, bottom-right, bottom-left
      QPolygon polygon;
      for (const int k : order) polygon << QPoint(SideMapX(view_, w, q.X[k]), depthY(q.Y[k]));
      painter.drawPolygon(polygon);
    }
  }
}

void TDlgSideView::mouseMoveEvent(QMouseEvent* event) {
  if (stopped_ || height() <= 0) return;
  const double depth = SideDepthAt(view_, height(), event->position().toPoint().y());
  setWindowTitle(QString::fromStdString(SideDepthCaption(depth)));
}

void TDlgSideView::Button1Click() {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    QMessageBox::information(this, QStringLiteral("Information"),
                             QStringLiteral("No printer is installed."));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  PrintProfile(printer);
}

bool TDlgSideView::PrintProfile(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("Soil-Pile Profile"));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
  const TSidePrintPage layout =
      SidePrintLayout(input_.Layers, pileWidth_, input_.TotalLength, page.width(), page.height());
  painter.fillRect(QRect(QPoint(layout.BackLeft, layout.BackTop),
                         QPoint(layout.BackRight - 1, layout.BackBottom - 1)),
                   palette().color(QPalette::Window));
  painter.setPen(QPen(Qt::black, 12, Qt::SolidLine));
  painter.setBrush(Qt::NoBrush);
  QFont font = Label1->font();
  painter.setFont(font);
  for (const TSidePrintLine& l : layout.Lines) painter.drawLine(l.X1, l.Y1, l.X2, l.Y2);
  const int textHeight = painter.fontMetrics().height();
  for (const TSidePrintLabel& label : layout.Labels)
    painter.drawText(QRect(label.X, label.Y + textHeight, page.width(), textHeight),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(label.Text));
  if (layout.HasBar)
    painter.fillRect(QRect(QPoint(layout.BarLeft, layout.BarTop),
                           QPoint(layout.BarRight - 1, layout.BarBottom - 1)),
                     Qt::black);
  painter.end();
  return true;
}

TDlgSideView* OpenSideView(QMdiArea& area, std::function<TSideViewInput()> source) {
  for (QMdiSubWindow* sub : area.subWindowList())
    if (auto* view = qobject_cast<TDlgSideView*>(sub->widget())) {
      area.setActiveSubWindow(sub);
      view->FormActivate();
      return view;
    }
  auto* view = new TDlgSideView(std::move(source));
  QMdiSubWindow* sub = area.addSubWindow(view);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->resize(648, 460);
  // Every time the view becomes the active child it reads the project again.
  QObject::connect(&area, &QMdiArea::subWindowActivated, view, [view, sub](QMdiSubWindow* w) {
    if (w == sub) view->FormActivate();
  });
  sub->show();
  area.setActiveSubWindow(sub);
  return view;
}

}  // namespace corvex
