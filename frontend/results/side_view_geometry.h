#pragma once
// The elevation of the pile and its soil layers: the pile's outline, the extent of the
// drawing, the correction that keeps the window's proportions, the mapping to pixels, the
// layer labels, and the page of the printed profile.

#include <string>
#include <vector>

namespace corvex {

// Corners in the order top-left, top-right, bottom-left, bottom-right. X across (0 = pile
// axis), Y depth below the ground surface (positive downward).
struct TSideQuad {
  double X[4] = {0, 0, 0, 0};
  double Y[4] = {0, 0, 0, 0};
};

struct TSideRange {
  double XMin = -5;
  double XMax = 5;
  double YMin = 0;
  double YMax = 5;
  bool operator==(const TSideRange&) const = default;
};

struct TSideLayer {
  int SoilType = 1;  // 1 sand, 2 clay, 3 silt
  double Top = 0;
  double Bottom = 0;
};

// The pile's width in ft (English, units 1) or m (SI): the outer diameter, or a quarter of
// the perimeter when there is no diameter, given in in or mm.
double SidePileWidth(double outerDiameter, double perimeter, int units);

// The pile from its head (stickup above the ground) to its tip, narrowing by
// totalLength * tan(taper) on each side.
TSideQuad SidePileOutline(double width, double totalLength, double stickup, double taperDegrees);

// Extent of the pile and the layers, 0 always included, widened by 5 %.
TSideRange SideBounds(const std::vector<TSideQuad>& outline, double lastLayerBottom);

// The bounds stretched so that the drawing keeps its proportions in a client area.
TSideRange SideViewRange(const TSideRange& bounds, int clientWidth, int clientHeight);

// True when every value of the range is a finite number.
bool SideRangeUsable(const TSideRange& range);

int SideMapX(const TSideRange& view, int clientWidth, double x);
int SideMapY(const TSideRange& view, int clientHeight, double y);
double SideDepthAt(const TSideRange& view, int clientHeight, int y);

// Layer label on screen; `labelBelowTop` tells whether its top sits one text height below
// the layer top (depth labels) rather than at it (single words).
std::string SideScreenLabel(const TSideLayer& layer, bool& labelBelowTop);
// Layer label of the printed profile.
std::string SidePrintLabel(const TSideLayer& layer);
// "  Depth: " with one decimal.
std::string SideDepthCaption(double depth);

// The printed profile on a page of W x H printer pixels.
struct TSidePrintLine {
  int X1, Y1, X2, Y2;
};
struct TSidePrintLabel {
  int X;
  int Y;  // top of the text, before the text height is added for the depth labels
  std::string Text;
};
struct TSidePrintPage {
  int BackLeft = 0, BackTop = 0, BackRight = 0, BackBottom = 0;  // window-colour area
  std::vector<TSidePrintLine> Lines;                             // ground, strokes, bottoms
  std::vector<TSidePrintLabel> Labels;
  bool HasBar = false;
  int BarLeft = 0, BarTop = 0, BarRight = 0, BarBottom = 0;      // the pile, filled black
};
TSidePrintPage SidePrintLayout(const std::vector<TSideLayer>& layers, double pileWidth,
                               double totalLength, int pageWidth, int pageHeight);

}  // namespace corvex
