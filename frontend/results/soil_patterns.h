#pragma once
// Fill patterns of the soil-layer column.

#include "results/canvas.h"

namespace corvex {

// Pattern bitmap for a soil-layer code: 1 clay (thin lines rising to the right), 7 sand
// (staggered dots), 8 ... 12 further patterns that no layer selects. Screen versions are
// 8 by 8 pixels, print versions 96 by 96. Returns nullptr for codes without a bitmap.
const TPattern* SoilPattern(int code, bool printSize);

}  // namespace corvex
