#pragma once
// The program's own graph component: curves of X-Y points, an optional soil-layer column and
// the display settings of one graph. It holds no toolkit objects; its plot window is created
// through a factory that the window layer installs.

#include <functional>
#include <string>
#include <vector>

namespace corvex {

struct TFloatPoint {
  double X = 0;
  double Y = 0;
};

class TGraphPlot;

// One curve (or one soil-layer entry).
struct TLine {
  std::vector<TFloatPoint> Points;
  double Number = 0;  // index + 1, fixed when the curve is created
  std::string Name;   // empty: the default name is shown
  bool Shown = true;
  bool Active = true;
};

// What the graph needs from its plot window.
class TPlotWindow {
 public:
  virtual ~TPlotWindow() = default;
  // Shows the window, restores it when minimised and brings it forward.
  virtual void ShowAndRaise() = 0;
  // Closes and frees the window (the graph is being destroyed).
  virtual void Destroy() = 0;
};

// Replaces the unit codes of an axis by unit names: English (1) and SI (2) by the graph's own
// table, anything else shows the code unchanged.
std::string UnitLabel(const std::string& code, int units);

class TGraphPlot {
 public:
  using WindowFactory = std::function<TPlotWindow*(TGraphPlot&)>;

  TGraphPlot() = default;
  ~TGraphPlot();
  TGraphPlot(const TGraphPlot&) = delete;
  TGraphPlot& operator=(const TGraphPlot&) = delete;

  // Design-time settings shared by every graph of the program.
  std::string CurveName = "Curve #";
  std::string Caption;
  std::string XCaption;
  std::string YCaption;
  std::string XUnits;
  std::string YUnits;
  bool XOnTop = false;
  bool ShowLegend = true;
  bool ShowLayers = false;
  bool ShowFontWidth = true;
  int Markers = 1;
  int SizeFont = 10;
  int LegendFont = 11;
  int WidthLine = 1;

  // Graph title and where it sits.
  std::string Title;
  bool TitleAtTop = false;

  int Units() const { return units_; }
  void SetUnits(int units);  // clamped into 1 ... 3

  void SetLineCount(int n);
  void SetPointCount(int n);
  int LineCount() const { return static_cast<int>(lines_.size()); }
  int PointCount() const;
  TLine& Lines(int i) { return lines_.at(static_cast<std::size_t>(i)); }
  const TLine& Lines(int i) const { return lines_.at(static_cast<std::size_t>(i)); }
  TFloatPoint& Points(int i, int j) { return Lines(i).Points.at(static_cast<std::size_t>(j)); }
  const TFloatPoint& Points(int i, int j) const {
    return Lines(i).Points.at(static_cast<std::size_t>(j));
  }

  void SetLayerCount(int n);
  void SetLayerPointCount(int n);
  int LayerCount() const { return static_cast<int>(layers_.size()); }
  TLine& Layers(int i) { return layers_.at(static_cast<std::size_t>(i)); }
  const TLine& Layers(int i) const { return layers_.at(static_cast<std::size_t>(i)); }

  // Name, or CurveName followed by Number.
  std::string DisplayName(const TLine& curve) const;

  std::string XUnitLabel() const { return UnitLabel(XUnits, units_); }
  std::string YUnitLabel() const { return UnitLabel(YUnits, units_); }

  // Plot window. The factory is installed by the window layer (main window or a test).
  void SetWindowFactory(WindowFactory factory) { factory_ = std::move(factory); }
  void ShowPlot();
  bool HasWindow() const { return window_ != nullptr; }
  TPlotWindow* Window() const { return window_; }
  // Called by the window when it closes: the graph keeps its data and settings.
  void WindowClosed(const TPlotWindow* window);

 private:
  static void ResizeList(std::vector<TLine>& list, int n);
  static void ResizePoints(std::vector<TLine>& list, int n);

  std::vector<TLine> lines_;
  std::vector<TLine> layers_;
  int units_ = 1;
  WindowFactory factory_;
  TPlotWindow* window_ = nullptr;
};

}  // namespace corvex
