#include "results/soil_patterns.h"

#include <array>

namespace corvex {

namespace {

// Builds a square pattern by testing each pixel; `cell` is the pattern's repeat length.
template <typename Rule>
TPattern Make(int size, Rule rule) {
  TPattern p;
  p.Width = size;
  p.Height = size;
  p.Bits.resize(static_cast<std::size_t>(size * size));
  for (int row = 0; row < size; ++row)
    for (int column = 0; column < size; ++column)
      p.Bits[static_cast<std::size_t>(row * size + column)] = rule(column, row);
  return p;
}

int Mod(int a, int n) { return ((a % n) + n) % n; }

// Clay: one-pixel lines rising to the right, `gap` pixels apart along each row; print
// versions use lines `thick` pixels wide so that they survive the printer's resolution.
TPattern Clay(int size, int gap, int thick) {
  return Make(size, [=](int c, int r) { return Mod(c + r, gap) < thick; });
}

// Sand: dots of `dot` by `dot` pixels on a grid of `grid`, every other row shifted by half.
TPattern Sand(int size, int grid, int dot) {
  return Make(size, [=](int c, int r) {
    const int row = r / grid;
    const int shift = (row % 2) * (grid / 2);
    return Mod(r, grid) < dot && Mod(c - shift, grid) < dot;
  });
}

// Further patterns kept for the codes 8 ... 12: small crosses, bricks, waves, checks, rings.
TPattern Extra(int code, int size, int grid, int thick) {
  switch (code) {
    case 8:
      return Make(size, [=](int c, int r) {
        const int x = Mod(c, grid), y = Mod(r, grid);
        return (x == grid / 2 && y >= grid / 4 && y < grid * 3 / 4) ||
               (y == grid / 2 && x >= grid / 4 && x < grid * 3 / 4);
      });
    case 9:
      return Make(size, [=](int c, int r) {
        const int course = r / grid;
        return Mod(r, grid) < thick || Mod(c + (course % 2) * grid, 2 * grid) < thick;
      });
    case 10:
      return Make(size, [=](int c, int r) {
        const int x = Mod(c, 2 * grid);
        const int rise = x < grid ? x / 2 : (2 * grid - x) / 2;
        return Mod(r - rise, grid) < thick;
      });
    case 11:
      return Make(size, [=](int c, int r) { return ((c / grid) + (r / grid)) % 2 == 0; });
    default:
      return Make(size, [=](int c, int r) {
        const int x = Mod(c, grid) - grid / 2, y = Mod(r, grid) - grid / 2;
        const int d = x * x + y * y;
        return d >= (grid / 4) * (grid / 4) && d <= (grid / 2 - thick / 2) * (grid / 2);
      });
  }
}

struct PatternSet {
  std::array<TPattern, 7> screen;  // codes 1, 7, 8 ... 12
  std::array<TPattern, 7> print;
};

const PatternSet& Patterns() {
  static const PatternSet set = [] {
    PatternSet s;
    s.screen[0] = Clay(8, 8, 1);
    s.print[0] = Clay(96, 24, 3);
    s.screen[1] = Sand(8, 8, 2);
    s.print[1] = Sand(96, 24, 6);
    for (int code = 8; code <= 12; ++code) {
      s.screen[static_cast<std::size_t>(code - 6)] = Extra(code, 8, 8, 1);
      s.print[static_cast<std::size_t>(code - 6)] = Extra(code, 96, 24, 3);
    }
    return s;
  }();
  return set;
}

}  // namespace

const TPattern* SoilPattern(int code, bool printSize) {
  int slot = -1;
  if (code == 1) slot = 0;
  else if (code == 7) slot = 1;
  else if (code >= 8 && code <= 12) slot = code - 6;
  if (slot < 0) return nullptr;
  const PatternSet& set = Patterns();
  return printSize ? &set.print[static_cast<std::size_t>(slot)]
                   : &set.screen[static_cast<std::size_t>(slot)];
}

}  // namespace corvex
