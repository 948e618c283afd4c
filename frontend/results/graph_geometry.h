#pragma once
// Integer device geometry shared by the layout, the drawing routine and the canvases.

namespace corvex {

struct TPixelPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPixelPoint&) const = default;
};

// Edges in device pixels. Left/Top/Right/Bottom are all inside the rectangle when it is used
// as the plot area (the frame covers the Left and Right columns and the Top and Bottom rows).
struct TPixelRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
  bool operator==(const TPixelRect&) const = default;
};

// A data range of a graph: the window onto the data that is drawn.
struct TDataRange {
  double XMin = 0;
  double XMax = 0;
  double YMin = 0;
  double YMax = 0;
  bool operator==(const TDataRange&) const = default;
};

}  // namespace corvex
