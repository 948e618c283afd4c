// Depth rows, printed rows and the increments they read.
#include <gtest/gtest.h>

#include <vector>

#include "core/segment_table.h"
#include "soil_column_fixture.h"

namespace corvex {
namespace {

std::vector<int> printedRows(double embedded, double dz, int interval) {
  test::Layer sand;
  sand.bottom = 70;
  sand.gamma = 60;
  auto s = test::makeColumn({sand}, test::Pile{12.0, 0.0, embedded, dz});
  s->input.printInterval = interval;
  buildSegmentTable(*s);
  buildDepthRows(*s);
  const ComputationState& c = s->computation;
  return {c.printedRows.begin() + 1, c.printedRows.begin() + 1 + c.printedRowCount};
}

TEST(DepthRows, PrintedRowsForAnIntervalThatLandsOnTheTipAndOneThatDoesNot) {
  EXPECT_EQ(printedRows(60.0, 1.0, 5),
            (std::vector<int>{1, 6, 11, 16, 21, 26, 31, 36, 41, 46, 51, 56, 61}));
  EXPECT_EQ(printedRows(60.0, 1.0, 7), (std::vector<int>{1, 8, 15, 22, 29, 36, 43, 50, 57, 61}));
  EXPECT_EQ(printedRows(2.0, 1.0, 1), (std::vector<int>{1, 2, 3}));
}

TEST(DepthRows, RowCountTruncatesTheEmbeddedLengthOverTheIncrement) {
  test::Layer sand;
  sand.bottom = 70;
  auto s = test::makeColumn({sand}, test::Pile{12.0, 0.0, 60.4, 0.5});
  buildSegmentTable(*s);
  buildDepthRows(*s);
  EXPECT_EQ(s->computation.depthRowCount, 121);  // int(120.8) + 1
  EXPECT_EQ(s->computation.incrementCount, 140);
  EXPECT_DOUBLE_EQ(s->computation.rowDepth[121], 60.0);
  EXPECT_EQ(incrementOfRow(s->computation, 121), 121);
  EXPECT_EQ(incrementOfRow(s->computation, 200), 140);  // past the table: the last one
}

}  // namespace
}  // namespace corvex
