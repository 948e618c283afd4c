#pragma once
// The drawing surface that the graph renderer paints on: the plot window, a printer page or
// a bitmap. Coordinates are device pixels; text is Times New Roman scaled from the target's
// base font.

#include <string>
#include <vector>

#include "results/graph_geometry.h"
#include "results/graph_palette.h"

namespace corvex {

enum class TPenStyle { Solid, Dot };

enum class TFillStyle {
  None,
  Solid,
  ForwardDiagonal,
  Cross,
  DiagonalCross,
  Horizontal,
  Vertical,
  Pattern,  // a monochrome pattern bitmap (set by SetPatternBrush)
};

// A monochrome pattern: Bits[row * Width + column] true = drawn in the brush colour.
struct TPattern {
  int Width = 0;
  int Height = 0;
  std::vector<bool> Bits;
  bool At(int column, int row) const {
    return Bits[static_cast<std::size_t>(row * Width + column)];
  }
};

struct TFontSpec {
  int SizeFactor = 10;  // tenths of the target's base font height
  int Weight = 400;     // 400 normal, 700 bold
  int Angle = 0;        // 0 or 90 degrees counter-clockwise
};

struct TTextSize {
  int Width = 0;   // along the text
  int Height = 0;  // across it
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  virtual int PixelsPerInchX() const = 0;
  virtual int PixelsPerInchY() const = 0;
  // Pixel height of the target's current font, before any size factor.
  virtual int BaseFontHeight() const = 0;

  virtual void FillRect(const TPixelRect& rect, TColor color) = 0;
  virtual void SetPen(TColor color, int width, TPenStyle style) = 0;
  virtual void SetBrush(TColor color, TFillStyle style) = 0;
  virtual void SetPatternBrush(TColor color, const TPattern& pattern) = 0;

  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void Polyline(const std::vector<TPixelPoint>& points) = 0;
  // Outline with the pen, inside filled with the brush; covers Left ... Right - 1 and
  // Top ... Bottom - 1 (the right and bottom edges are excluded).
  virtual void Rectangle(const TPixelRect& rect) = 0;

  virtual void SetFont(const TFontSpec& font) = 0;
  virtual TTextSize TextExtent(const std::string& text) = 0;
  // Writes text with its top-left corner at (x, y); with the font turned 90 degrees the text
  // reads upward from (x, y) and its height extends to the right of x. An opaque background
  // fills the text's box with white first.
  virtual void TextOut(int x, int y, const std::string& text, TColor color,
                       bool opaqueBackground) = 0;

  virtual void SetClip(const TPixelRect& rect) = 0;
  virtual void ClearClip() = 0;
};

}  // namespace corvex
