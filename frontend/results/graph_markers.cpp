#include "results/graph_markers.h"

#include <cmath>
#include <numbers>

#include "results/graph_layout.h"

namespace corvex {

int MarkerShape(int index) { return ((index % 10) + 10) % 10 + 1; }

std::vector<TPixelPoint> MarkerOutline(int shape, int px, int py, int dx, int dy) {
  constexpr double pi = std::numbers::pi;
  double start = 0;
  int corners = shape;
  if (shape == 1) {
    start = pi;  // first vertex straight down
    corners = 3;
  } else if (shape == 2) {
    start = pi / 4;
    corners = 4;
  }
  std::vector<TPixelPoint> outline;
  outline.reserve(static_cast<std::size_t>(corners + 1));
  // θ runs clockwise from straight up; the last vertex repeats the first to close the outline.
  for (int k = 0; k <= corners; ++k) {
    const double theta = start + k * 2 * pi / corners;
    outline.push_back({px + RoundEven(std::sin(theta) * dx / 32.0),
                       py - RoundEven(std::cos(theta) * dy / 32.0)});
  }
  return outline;
}

}  // namespace corvex
