#pragma once
#include <array>
#include <cstdint>

namespace corvex {

struct TColor {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  bool operator==(const TColor&) const = default;
};

inline constexpr TColor kBlack{0, 0, 0};
inline constexpr TColor kWhite{255, 255, 255};

// The 17 curve colours; gray and silver each take two entries so that the sequence of
// colours seen by the user stays the one the program has always shown.
inline constexpr std::array<TColor, 17> kCurvePalette{{
    {0, 0, 0},        // black
    {0, 0, 255},      // blue
    {255, 0, 0},      // red
    {0, 128, 0},      // green
    {128, 0, 128},    // purple
    {128, 0, 0},      // maroon
    {0, 0, 128},      // navy
    {255, 0, 255},    // fuchsia
    {128, 128, 0},    // olive
    {0, 128, 128},    // teal
    {128, 128, 128},  // gray
    {0, 255, 0},      // lime
    {128, 128, 128},  // gray
    {192, 192, 192},  // silver
    {192, 192, 192},  // silver
    {255, 255, 0},    // yellow
    {0, 255, 255},    // aqua
}};

// Colour of the k-th entry of a list of curves or legend items.
inline TColor CurveColor(int k) {
  const int n = static_cast<int>(kCurvePalette.size());
  return kCurvePalette[static_cast<std::size_t>(((k % n) + n) % n)];
}

}  // namespace corvex
