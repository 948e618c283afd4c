#pragma once
// The elevation view: the soil layers and the pile drawn to scale in a child window of the
// main window, the depth under the mouse in its caption, and a printed profile.

#include <QWidget>
#include <functional>
#include <vector>

#include "results/side_view_geometry.h"
#include "results/side_view_input.h"

class QLabel;
class QMdiArea;
class QPrinter;
class QPushButton;
class TMessageLayer;

namespace corvex {

class TDlgSideView : public QWidget {
  Q_OBJECT

 public:
  // `source` reads the current project each time the view becomes active.
  explicit TDlgSideView(std::function<TSideViewInput()> source, QWidget* parent = nullptr);

  // The view became the active child: reads the project and computes outline and bounds.
  void FormActivate();
  // Prints the simplified profile on `printer` (landscape); false when it cannot start.
  bool PrintProfile(QPrinter& printer);

  const std::vector<TSideQuad>& Outline() const { return outline_; }
  const TSideRange& Bounds() const { return bounds_; }
  const TSideRange& ViewRange() const { return view_; }
  bool Stopped() const { return stopped_; }
  double PileWidth() const { return pileWidth_; }

  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void FormResize();
  void Button1Click();

  std::function<TSideViewInput()> source_;
  TSideViewInput input_;
  std::vector<TSideQuad> outline_;
  double pileWidth_ = 0;
  TSideRange bounds_;
  TSideRange view_;
  bool stopped_ = false;
};

// Opens the elevation view in the main window's area, or brings the open one forward. No view
// is opened at start-up: the view shows the project as it is when the user asks for it, and
// there is never more than one.
TDlgSideView* OpenSideView(QMdiArea& area, std::function<TSideViewInput()> source);

}  // namespace corvex
