#pragma once
// Size and pixel format of a graph saved as a bitmap (the Save Attributes choices).

namespace corvex {

enum class TBitmapColors { BlackAndWhite, Colors16, Colors256, HighColor, TrueColor };

struct TBitmapSize {
  int Width = 0;
  int Height = 0;
};

// round(pixels per inch * inches) on each side, halves to the even neighbour.
TBitmapSize BitmapSizeFor(double pixelsPerInch, double widthInches, double heightInches);

// Bits per pixel written to the BMP file for a Colors choice.
int BitsPerPixel(TBitmapColors colors);

}  // namespace corvex
