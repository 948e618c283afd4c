#include "results/bitmap_format.h"

#include "results/graph_layout.h"

namespace corvex {

TBitmapSize BitmapSizeFor(double pixelsPerInch, double widthInches, double heightInches) {
  return {RoundEven(pixelsPerInch * widthInches), RoundEven(pixelsPerInch * heightInches)};
}

int BitsPerPixel(TBitmapColors colors) {
  switch (colors) {
    case TBitmapColors::BlackAndWhite: return 1;
    case TBitmapColors::Colors16: return 4;
    case TBitmapColors::Colors256: return 8;
    case TBitmapColors::HighColor: return 16;
    case TBitmapColors::TrueColor: return 24;
  }
  return 24;
}

}  // namespace corvex
