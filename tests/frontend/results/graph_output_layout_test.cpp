// Printing and saving a graph without a window: the print target inside the margins, the
// print layout, the bitmap size, the flags of the Active Curves dialog and the page-setup
// options.
#include <gtest/gtest.h>

#include "results/bitmap_format.h"
#include "results/curve_flags.h"
#include "results/graph_plot.h"
#include "results/page_setup_options.h"
#include "results/print_layout.h"

using namespace corvex;

TEST(PrintTarget, MarginsCountFromThePaperEdgeNotFromTheUnprintableEdge) {
  // 300 pixels per inch, unprintable edges of a quarter inch (75 pixels), printable area
  // 2400 x 3150 pixels, one-inch margins: the target starts 300 - 75 = 225 pixels (0.75 in)
  // inside the printable area on each side.
  const TPrinterPage page{300, 300, 75, 75, 2400, 3150};
  const TPixelRect t = PrintTarget(TPageMargins{}, page);
  EXPECT_EQ(t, (TPixelRect{225, 225, 2400 - 225, 3150 - 225}));
  // A margin narrower than the unprintable edge counts as the edge itself.
  const TPixelRect narrow = PrintTarget({100, 100, 100, 100}, page);  // 30 px < 75 px
  EXPECT_EQ(narrow, (TPixelRect{0, 0, 2400, 3150}));
  // Thousandths of an inch are rounded, halves to even: 1005 * 300 / 1000 = 301.5 -> 302,
  // 1015 * 300 / 1000 = 304.5 -> 304.
  const TPixelRect odd = PrintTarget({1005, 1015, 1000, 1000}, TPrinterPage{300, 300, 0, 0, 2550, 3300});
  EXPECT_EQ(odd.Left, 302);
  EXPECT_EQ(odd.Top, 304);
}

TEST(PrintLayout, SoilColumnTakesTheLastInchAndTitlesTheirRoom) {
  TGraphPlot g;
  g.ShowLayers = true;
  const TPixelRect target{300, 300, 2250, 3000};
  // h = 44, dx = dy = 300: axis room = 2 * 44 + 300 / 8 + 44 / 8 = 88 + 37 + 5 = 130.
  TPlotLayout l = LayoutForPrint(g, target, 300, 300, 44);
  EXPECT_EQ(l.Plot, (TPixelRect{430, 300, 1950, 2870}));
  EXPECT_EQ(l.Column, (TPixelRect{1950 + 60, 300, 2250, 2870}));

  g.ShowLayers = false;
  g.XOnTop = true;
  g.Title = "Pile 1";
  g.TitleAtTop = true;  // the plot top moves down by dy / 4 = 75
  l = LayoutForPrint(g, target, 300, 300, 44);
  EXPECT_EQ(l.Plot, (TPixelRect{430, 430 + 75, 2250, 3000}));
  g.TitleAtTop = false;  // the plot bottom moves up by dy / 2 = 150
  l = LayoutForPrint(g, target, 300, 300, 44);
  EXPECT_EQ(l.Plot.Bottom, 3000 - 150);
}

TEST(BitmapSize, InchesTimesPixelsPerInchRoundedHalfToEven) {
  const TBitmapSize s = BitmapSizeFor(72, 6, 4);
  EXPECT_EQ(s.Width, 432);
  EXPECT_EQ(s.Height, 288);
  const TBitmapSize half = BitmapSizeFor(10, 2.25, 2.35);  // 22.5 -> 22, 23.5 -> 24
  EXPECT_EQ(half.Width, 22);
  EXPECT_EQ(half.Height, 24);
  EXPECT_EQ(BitsPerPixel(TBitmapColors::BlackAndWhite), 1);
  EXPECT_EQ(BitsPerPixel(TBitmapColors::Colors16), 4);
  EXPECT_EQ(BitsPerPixel(TBitmapColors::TrueColor), 24);
}

TEST(CurveFlags, ItemsAndToggles) {
  std::vector<std::string> flags{FlagOf(true), FlagOf(false), FlagOf(true)};
  EXPECT_EQ(flags[1], " no  : ");
  EXPECT_EQ(ActiveLineItem(flags[0], "API"), " yes :    API");
  ToggleSelected(flags, {0, 1, 7});  // an index beyond the list is ignored
  EXPECT_EQ(flags, (std::vector<std::string>{" no  : ", " yes : ", " yes : "}));
  SetAllFlags(flags, false);
  for (const std::string& f : flags) EXPECT_FALSE(IsActiveFlag(f));
}

TEST(PageSetupOptions, NewlySetMemberOfAPairRemovesTheOther) {
  const TPageSetupOptions start = poDefaultMinMargins | poThousandthsOfInches;
  EXPECT_EQ(MergePageSetupOptions(start, start | poMinMargins),
            static_cast<TPageSetupOptions>(poMinMargins | poThousandthsOfInches));
  EXPECT_EQ(MergePageSetupOptions(start, start | poHundredthsOfMillimeters | poDisablePaper),
            static_cast<TPageSetupOptions>(poDefaultMinMargins | poHundredthsOfMillimeters |
                                           poDisablePaper));
  EXPECT_EQ(MergePageSetupOptions(start, start), start);
  EXPECT_EQ(PageSetupError("GetPrinter", "Printer not Assigned"),
            "Error in GetPrinter\rPrinter not Assigned");
}
