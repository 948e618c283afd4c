#pragma once
// The plot window of one graph: draws it, zooms, toggles curves, moves its legend box and
// changes fonts, line widths and markers.

#include <QMainWindow>
#include <functional>
#include <vector>

#include "results/graph_layout.h"
#include "results/graph_plot.h"
#include "results/graph_render.h"

class QAction;
class QActionGroup;
class QListWidget;
class QMenu;

namespace corvex {

class TPlotArea;

class TPlotForm : public QMainWindow, public TPlotWindow {
  Q_OBJECT

 public:
  // Page margins in thousandths of an inch, one inch on every side when the window opens.
  struct TMargins {
    int Left = 1000;
    int Top = 1000;
    int Right = 1000;
    int Bottom = 1000;
  };

  explicit TPlotForm(TGraphPlot& graph, QWidget* parent = nullptr);
  ~TPlotForm() override;

  // TPlotWindow
  void ShowAndRaise() override;
  void Destroy() override;

  TGraphPlot& Graph() { return graph_; }
  const TDataRange& CurrentRange() const { return current_; }
  const TDataRange& FullRange() const { return full_; }
  const TPlotLayout& Layout() const { return layout_; }
  const TRenderResult& Ticks() const { return ticks_; }
  bool ScaleUsable() const { return scaleUsable_; }
  QWidget* PlotArea() const;
  QListWidget* Legend() const { return legend_; }
  QMenu* PlotMenu() const { return plotMenu_; }
  QAction* ShowLegendAction() const { return showLegend_; }
  QAction* ShowLayersAction() const { return showLayers_; }
  QAction* PrintAction() const { return print_; }
  QAction* PageSetupAction() const { return pageSetup_; }
  const std::vector<QAction*>& CurveActions() const { return curveActions_; }
  // The curve index behind each legend item (legend position -> curve).
  const std::vector<int>& LegendCurves() const { return legendCurves_; }

  TMargins Margins;
  // Output mode: printing and saving draw the legend box into the output; saving keeps the
  // screen-size soil patterns.
  bool LegendIntoOutput = false;
  bool ScreenPatterns = false;

  // Commands served by the graph dialogs and by printing; the owner of the window installs them.
  std::function<void(TPlotForm&)> OnGraphTitle;
  std::function<void(TPlotForm&)> OnEditLegend;
  std::function<void(TPlotForm&)> OnActiveCurves;
  std::function<void(TPlotForm&)> OnPrint;
  std::function<void(TPlotForm&)> OnPageSetup;
  std::function<void(TPlotForm&)> OnSaveToDisk;

  // Recomputes the layout for the current size and repaints.
  void LayOut();
  // Brings the legend items and the curve items of the Plot menu into line with the active
  // curves (after the Active Curves dialog), then resizes the legend and repaints.
  void SyncLegendWithActiveCurves();
  // Takes the curves' display names into the legend and menu items (after the Legend dialog).
  void RefreshLegendNames();
  // Toggles whether the curve at a legend position is shown.
  void ToggleCurveAtLegendPosition(int position);
  // Options for drawing this window's graph onto another target.
  TRenderOptions OutputOptions() const;

  // Mouse handling of the plot area (device pixels of the area).
  void PressAt(TPixelPoint point, Qt::MouseButton button);
  void MoveTo(TPixelPoint point);
  void ReleaseAt(TPixelPoint point, Qt::MouseButton button);
  bool RubberBandActive() const { return banding_; }
  TPixelPoint RubberBandAnchor() const { return bandAnchor_; }
  TPixelPoint RubberBandCorner() const { return bandCorner_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class TPlotArea;

  void BuildMenu();
  void AddCurveItem(int curve);
  void RefreshLegendItems();
  void SizeLegend();
  void KeepLegendInside();
  void RefreshMenuChecks();
  void SetMarkers(int every);
  void SetSizeFont(int size);
  void SetWidthLine(int width);
  void Paint(QWidget& area);
  void AreaResized();
  void PlaceLegendAtPlotCorner();
  int LegendItemHeight() const;

  TGraphPlot& graph_;
  TPlotArea* area_ = nullptr;
  QListWidget* legend_ = nullptr;
  QMenu* plotMenu_ = nullptr;
  QAction* showLegend_ = nullptr;
  QAction* showLayers_ = nullptr;
  QAction* print_ = nullptr;
  QAction* pageSetup_ = nullptr;
  QActionGroup* markerGroup_ = nullptr;
  QAction* curveSeparator_ = nullptr;
  std::vector<QAction*> curveActions_;
  std::vector<int> legendCurves_;

  TDataRange full_;
  TDataRange current_;
  bool scaleUsable_ = true;
  TPlotLayout layout_;
  TRenderResult ticks_;
  bool shownOnce_ = false;
  bool detached_ = false;

  bool banding_ = false;
  TPixelPoint bandAnchor_;
  TPixelPoint bandCorner_;

  bool legendPlacedOnScreen_ = false;
  bool draggingLegend_ = false;
  QPoint legendGrab_;
};

}  // namespace corvex
