#include "results/plot_form.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

#include "results/graph_palette.h"
#include "results/plot_zoom.h"
#include "results/qt_plot_commands.h"
#include "results/qt_canvas.h"

namespace corvex {

namespace {

constexpr int kWindowFontHeight = 14;  // Times New Roman, pixels
constexpr int kLegendFontHeight = 15;
constexpr int kLegendItemHeight = 16;
constexpr int kMostCurvesListed = 20;  // a newly opened window lists at most 20 curves

TPixelPoint PixelOf(const QPoint& p) { return {p.x(), p.y()}; }

}  // namespace

// The drawing surface of the window: paints the graph and passes the mouse to the form.
class TPlotArea : public QWidget {
 public:
  explicit TPlotArea(TPlotForm& form) : QWidget(&form), form_(form) {
    setMouseTracking(true);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override { form_.Paint(*this); }
  void resizeEvent(QResizeEvent*) override { form_.AreaResized(); }
  void mousePressEvent(QMouseEvent* e) override { form_.PressAt(PixelOf(e->pos()), e->button()); }
  void mouseMoveEvent(QMouseEvent* e) override { form_.MoveTo(PixelOf(e->pos())); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    form_.ReleaseAt(PixelOf(e->pos()), e->button());
  }

 private:
  TPlotForm& form_;
};

TPlotForm::TPlotForm(TGraphPlot& graph, QWidget* parent) : QMainWindow(parent), graph_(graph) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("PlotForm"));
  setFont(TQtCanvas::GraphFont(kWindowFontHeight));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  area_ = new TPlotArea(*this);
  setCentralWidget(area_);

  // 1. Full range by autoscaling; the current range starts equal to it.
  const TAutoscale scale = Autoscale(graph_);
  full_ = scale.Range;
  current_ = full_;
  scaleUsable_ = scale.Usable;

  // 2. Every curve active, but at most 20 listed.
  for (int i = 0; i < graph_.LineCount(); ++i) graph_.Lines(i).Active = i < kMostCurvesListed;

  legend_ = new QListWidget(area_);
  legend_->setFont(TQtCanvas::GraphFont(kLegendFontHeight));
  legend_->setUniformItemSizes(true);
  legend_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legend_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legend_->setSelectionMode(QAbstractItemView::NoSelection);
  legend_->setFocusPolicy(Qt::NoFocus);
  legend_->viewport()->installEventFilter(this);

  BuildMenu();
  InstallPlotCommands(*this);

  // 3. One legend item and one Plot-menu item per active curve.
  for (int i = 0; i < graph_.LineCount(); ++i)
    if (graph_.Lines(i).Active) AddCurveItem(i);
  RefreshLegendItems();

  // 4. The legend font size (points) goes back to the graph; size the box.
  graph_.LegendFont = static_cast<int>(std::lround(kLegendFontHeight * 72.0 / logicalDpiY()));
  SizeLegend();

  // 5. Legend visible with curves and ShowLegend; the Show Legend item only then.
  const bool legendVisible = graph_.LineCount() > 0 && graph_.ShowLegend;
  legend_->setVisible(legendVisible);
  showLegend_->setVisible(legendVisible);

  // 6. Printing needs an installed printer.
  const bool printers = !QPrinterInfo::availablePrinters().isEmpty();
  print_->setEnabled(printers);
  pageSetup_->setEnabled(printers);

  // 7. Lay out; the legend's bottom-right corner goes to the plot's bottom-right corner.
  resize(800, 600);
  area_->resize(800, 600 - menuBar()->sizeHint().height());
  LayOut();
  PlaceLegendAtPlotCorner();
}

TPlotForm::~TPlotForm() {
  if (!detached_) graph_.WindowClosed(this);
}

void TPlotForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // The window is freed later by the event loop; the graph forgets it now, so that the next
  // ShowPlot opens a fresh window.
  if (event->isAccepted() && !detached_) {
    graph_.WindowClosed(this);
    // The graph may be gone before the deferred delete: never touch it again.
    detached_ = true;
  }
}

QWidget* TPlotForm::PlotArea() const { return area_; }

void TPlotForm::ShowAndRaise() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  QWidget* frame = sub != nullptr ? static_cast<QWidget*>(sub) : static_cast<QWidget*>(this);
  if (!scaleUsable_) {
    // Nothing sensible to scale (no usable number in the data): the window closes itself.
    frame->close();
    return;
  }
  if (!shownOnce_) {
    shownOnce_ = true;
    frame->showMaximized();
  } else if (frame->isMinimized()) {
    frame->showNormal();
  } else {
    frame->show();
  }
  frame->raise();
  if (sub != nullptr && sub->mdiArea() != nullptr) sub->mdiArea()->setActiveSubWindow(sub);
  else activateWindow();
}

void TPlotForm::Destroy() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) delete sub;
  else delete this;
}

void TPlotForm::BuildMenu() {
  plotMenu_ = menuBar()->addMenu(tr("&Plot"));
  connect(plotMenu_, &QMenu::aboutToShow, this, [this] { RefreshMenuChecks(); });

  showLegend_ = plotMenu_->addAction(tr("Show &Legend"));
  showLegend_->setCheckable(true);
  connect(showLegend_, &QAction::triggered, this, [this] {
    graph_.ShowLegend = !graph_.ShowLegend;
    legend_->setVisible(graph_.ShowLegend);
  });

  showLayers_ = plotMenu_->addAction(tr("Show &Soil Layer"));
  showLayers_->setCheckable(true);
  showLayers_->setVisible(graph_.LayerCount() > 0);
  connect(showLayers_, &QAction::triggered, this, [this] {
    graph_.ShowLayers = !graph_.ShowLayers;
    LayOut();
  });

  QMenu* markers = plotMenu_->addMenu(tr("Show &Markers"));
  markerGroup_ = new QActionGroup(this);
  const std::pair<const char*, int> markerItems[] = {
      {"&Never", 0},  {"Every &Increment", 1},      {"Every &2 Increments", 2},
      {"Every &3 Incrments", 3}, {"Every &5 Increments", 5}, {"Every &10 Incements", 10}};
  for (const auto& [text, every] : markerItems) {
    QAction* a = markers->addAction(tr(text));
    a->setCheckable(true);
    a->setData(every);
    a->setChecked(graph_.Markers == every);
    markerGroup_->addAction(a);
    connect(a, &QAction::triggered, this, [this, every = every] { SetMarkers(every); });
  }

  QMenu* fontSize = plotMenu_->addMenu(tr("&Font Size"));
  const std::pair<const char*, int> fontItems[] = {
      {"&Default", 10},      {"1.5 * Default", 15}, {"2 * Default", 20},
      {"2.5 * Default", 25}, {"3 * Default", 30},   {"4 * Default", 40}};
  for (const auto& [text, size] : fontItems)
    connect(fontSize->addAction(tr(text)), &QAction::triggered, this,
            [this, size = size] { SetSizeFont(size); });
  fontSize->menuAction()->setVisible(graph_.ShowFontWidth);

  QMenu* lineWidth = plotMenu_->addMenu(tr("&Line Width"));
  const std::pair<const char*, int> widthItems[] = {{"&Default", 1},
                                                     {"2 * Default", 2},
                                                     {"4 * Default", 4},
                                                     {"6 * Default", 6},
                                                     {"10 * Default", 10}};
  for (const auto& [text, width] : widthItems)
    connect(lineWidth->addAction(tr(text)), &QAction::triggered, this,
            [this, width = width] { SetWidthLine(width); });
  lineWidth->menuAction()->setVisible(graph_.ShowFontWidth);

  auto command = [this](const QString& text, std::function<void(TPlotForm&)> TPlotForm::*hook) {
    QAction* a = plotMenu_->addAction(text);
    connect(a, &QAction::triggered, this, [this, hook] {
      if (this->*hook) (this->*hook)(*this);
    });
    return a;
  };
  command(tr("&Graph Title"), &TPlotForm::OnGraphTitle);
  command(tr("&Edit Legend"), &TPlotForm::OnEditLegend);
  command(tr("&Active Curves"), &TPlotForm::OnActiveCurves);
  print_ = command(tr("&Print..."), &TPlotForm::OnPrint);
  pageSetup_ = command(tr("P&age Setup"), &TPlotForm::OnPageSetup);
  command(tr("&Save To Disk..."), &TPlotForm::OnSaveToDisk);
  curveSeparator_ = plotMenu_->addSeparator();
}

void TPlotForm::AddCurveItem(int curve) {
  legendCurves_.push_back(curve);
  auto* item = new QListWidgetItem(QString::fromStdString(graph_.DisplayName(graph_.Lines(curve))));
  legend_->addItem(item);
  QAction* a = plotMenu_->addAction(item->text());
  a->setCheckable(true);
  a->setChecked(graph_.Lines(curve).Shown);
  a->setData(curve);
  connect(a, &QAction::triggered, this, [this, a] {
    const int c = a->data().toInt();
    if (c < 0 || c >= graph_.LineCount()) return;  // the data changed under the window
    graph_.Lines(c).Shown = !graph_.Lines(c).Shown;
    RefreshLegendItems();
    area_->update();
  });
  curveActions_.push_back(a);
}

int TPlotForm::LegendItemHeight() const { return kLegendItemHeight * graph_.SizeFont / 10; }

// Each legend item: the curve's name in the colour of its legend position, followed by " *"
// while the curve is shown. The box widens when a marked item no longer fits.
void TPlotForm::RefreshLegendItems() {
  const QFontMetrics metrics(legend_->font());
  int needed = 0;
  for (int k = 0; k < legend_->count() && k < static_cast<int>(legendCurves_.size()); ++k) {
    const int c = legendCurves_[static_cast<std::size_t>(k)];
    if (c >= graph_.LineCount()) continue;
    const TLine& curve = graph_.Lines(c);
    QListWidgetItem* item = legend_->item(k);
    QString text = QString::fromStdString(graph_.DisplayName(curve));
    needed = std::max(needed, metrics.horizontalAdvance(text + " *") + logicalDpiX() / 8);
    if (curve.Shown) text += " *";
    item->setText(text);
    item->setForeground(ToQColor(CurveColor(k)));
    item->setBackground(Qt::white);
    item->setSizeHint(QSize(1, LegendItemHeight()));
  }
  if (needed + 2 * legend_->frameWidth() > legend_->width())
    legend_->resize(needed + 2 * legend_->frameWidth(), legend_->height());
  legend_->viewport()->update();
}

void TPlotForm::SizeLegend() {
  QFont font = TQtCanvas::GraphFont(kLegendFontHeight * graph_.SizeFont / 10);
  legend_->setFont(font);
  const QFontMetrics metrics(font);
  int width = 0;
  for (int k = 0; k < static_cast<int>(legendCurves_.size()); ++k) {
    const int c = legendCurves_[static_cast<std::size_t>(k)];
    if (c >= graph_.LineCount()) continue;
    const QString text = QString::fromStdString(graph_.DisplayName(graph_.Lines(c))) + " *";
    width = std::max(width, metrics.horizontalAdvance(text) + logicalDpiX() / 4);
  }
  const int height = legend_->count() * LegendItemHeight() + 3;
  legend_->resize(width + 2 * legend_->frameWidth(), height + 2 * legend_->frameWidth());
  RefreshLegendItems();
}

void TPlotForm::KeepLegendInside() {
  const QRect client = area_->rect();
  QPoint p = legend_->pos();
  p.setX(std::max(0, std::min(p.x(), client.width() - legend_->width())));
  p.setY(std::max(0, std::min(p.y(), client.height() - legend_->height())));
  legend_->move(p);
}

void TPlotForm::RefreshMenuChecks() {
  showLegend_->setChecked(graph_.ShowLegend);
  showLayers_->setChecked(graph_.ShowLayers);
  showLayers_->setVisible(graph_.LayerCount() > 0);
  for (QAction* a : markerGroup_->actions()) a->setChecked(a->data().toInt() == graph_.Markers);
  for (QAction* a : curveActions_) {
    const int c = a->data().toInt();
    if (c < graph_.LineCount()) a->setChecked(graph_.Lines(c).Shown);
  }
}

void TPlotForm::SetMarkers(int every) {
  graph_.Markers = every;
  area_->update();
}

void TPlotForm::SetSizeFont(int size) {
  graph_.SizeFont = size;
  SizeLegend();
  LayOut();
}

void TPlotForm::SetWidthLine(int width) {
  graph_.WidthLine = width;
  area_->update();
}

void TPlotForm::LayOut() {
  const QRect client = area_->rect();
  const int h = TextHeight(kWindowFontHeight, graph_.SizeFont);
  layout_ = LayoutForWindow(graph_, {0, 0, client.width(), client.height()}, area_->logicalDpiX(),
                            area_->logicalDpiY(), h, area_->logicalDpiX());
  area_->update();
}

void TPlotForm::AreaResized() {
  if (legend_ == nullptr) return;  // still being built
  LegendIntoOutput = false;
  ScreenPatterns = false;
  LayOut();
  if (!legendPlacedOnScreen_ && area_->isVisible()) {
    // The window opens at its final (maximised) size only when shown: the legend's
    // bottom-right corner goes to the plot's bottom-right corner then.
    legendPlacedOnScreen_ = true;
    PlaceLegendAtPlotCorner();
  }
  KeepLegendInside();
}

void TPlotForm::PlaceLegendAtPlotCorner() {
  legend_->move(layout_.Plot.Right - legend_->width(), layout_.Plot.Bottom - legend_->height());
}

TRenderOptions TPlotForm::OutputOptions() const {
  TRenderOptions options;
  options.LegendIntoOutput = LegendIntoOutput;
  options.ScreenPatterns = ScreenPatterns;
  if (width() > 0 && height() > 0) {
    options.LegendLeftFraction = static_cast<double>(legend_->x()) / width();
    options.LegendTopFraction = static_cast<double>(legend_->y()) / height();
  }
  return options;
}

void TPlotForm::Paint(QWidget& area) {
  QPainter painter(&area);
  TQtCanvas canvas(painter, area.logicalDpiX(), area.logicalDpiY(), kWindowFontHeight);
  TRenderOptions options;  // the window shows its legend as the list box
  ticks_ = DrawGraph(canvas, graph_, layout_, current_, options);
  if (banding_) {
    // The band's outline inverts the pixels under it.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::white, 0));
    painter.setBrush(Qt::NoBrush);
    const int left = std::min(bandAnchor_.X, bandCorner_.X);
    const int top = std::min(bandAnchor_.Y, bandCorner_.Y);
    painter.drawRect(QRect(left, top, std::abs(bandCorner_.X - bandAnchor_.X),
                           std::abs(bandCorner_.Y - bandAnchor_.Y)));
  }
}

void TPlotForm::PressAt(TPixelPoint point, Qt::MouseButton button) {
  if (!layout_.Plot.Contains(point.X, point.Y)) return;
  if (button == Qt::LeftButton) {
    banding_ = true;
    bandAnchor_ = point;
    bandCorner_ = point;
    area_->update();
  } else if (button == Qt::RightButton) {
    double x, y;
    UnmapPoint(layout_, current_, graph_.XOnTop, point.X, point.Y, x, y);
    ZoomOut(current_, full_, x, y);
    area_->update();
  }
}

void TPlotForm::MoveTo(TPixelPoint point) {
  const TPixelPoint clamped = ClampIntoPlot(layout_, point);
  double x, y;
  UnmapPoint(layout_, current_, graph_.XOnTop, clamped.X, clamped.Y, x, y);
  setWindowTitle(QString::fromStdString(PositionCaption(graph_.Caption, x, y)));
  if (banding_) {
    bandCorner_ = clamped;
    area_->update();
  }
}

void TPlotForm::ReleaseAt(TPixelPoint point, Qt::MouseButton button) {
  if (button != Qt::LeftButton || !banding_) return;
  banding_ = false;
  ZoomToBand(current_, full_, layout_, graph_.XOnTop, bandAnchor_, ClampIntoPlot(layout_, point));
  area_->update();
}

void TPlotForm::ToggleCurveAtLegendPosition(int position) {
  if (position < 0 || position >= static_cast<int>(legendCurves_.size())) return;
  const int c = legendCurves_[static_cast<std::size_t>(position)];
  if (c >= graph_.LineCount()) return;
  graph_.Lines(c).Shown = !graph_.Lines(c).Shown;
  RefreshLegendItems();
  RefreshMenuChecks();
  area_->update();
}

void TPlotForm::SyncLegendWithActiveCurves() {
  std::vector<int> active;
  for (int i = 0; i < graph_.LineCount(); ++i)
    if (graph_.Lines(i).Active) active.push_back(i);
  // Surplus items go from the end; missing ones are appended.
  while (legendCurves_.size() > active.size()) {
    delete legend_->takeItem(legend_->count() - 1);
    delete curveActions_.back();
    curveActions_.pop_back();
    legendCurves_.pop_back();
  }
  for (std::size_t k = 0; k < active.size(); ++k) {
    if (k < legendCurves_.size()) {
      legendCurves_[k] = active[k];
      curveActions_[k]->setData(active[k]);
      curveActions_[k]->setChecked(graph_.Lines(active[k]).Shown);
    } else {
      AddCurveItem(active[k]);
    }
  }
  RefreshLegendNames();
  SizeLegend();
  area_->update();
}

void TPlotForm::RefreshLegendNames() {
  for (std::size_t k = 0; k < legendCurves_.size(); ++k) {
    const int c = legendCurves_[k];
    if (c >= graph_.LineCount()) continue;
    curveActions_[k]->setText(QString::fromStdString(graph_.DisplayName(graph_.Lines(c))));
  }
  RefreshLegendItems();
}

bool TPlotForm::eventFilter(QObject* watched, QEvent* event) {
  if (legend_ == nullptr || watched != legend_->viewport())
    return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
      auto* e = static_cast<QMouseEvent*>(event);
      const QListWidgetItem* item = legend_->itemAt(e->pos());
      if (item != nullptr) ToggleCurveAtLegendPosition(legend_->row(item));
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() == Qt::LeftButton) {
        draggingLegend_ = true;
        legendGrab_ = legend_->viewport()->mapTo(legend_, e->pos());
      }
      return true;
    }
    case QEvent::MouseMove: {
      if (!draggingLegend_) return false;
      auto* e = static_cast<QMouseEvent*>(event);
      const QPoint inArea = area_->mapFromGlobal(e->globalPosition().toPoint()) - legendGrab_;
      legend_->move(inArea);
      KeepLegendInside();
      return true;
    }
    case QEvent::MouseButtonRelease:
      draggingLegend_ = false;
      return true;
    default:
      return false;
  }
}

}  // namespace corvex
