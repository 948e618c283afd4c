#include "core/input_checks.h"

#include <sstream>

#include <gtest/gtest.h>

#include "core/run_failure.h"

namespace corvex {
namespace {

InputModel pile(int units, double totalLength, double stickUp, double od, double deepest) {
  InputModel input;
  input.unitSystem = units;
  input.totalLength = totalLength;
  input.stickUpLength = stickUp;
  input.outerDiameter = od;
  input.deepestProfileDepth = deepest;
  input.profilePointCount = 2;
  input.points[2].depth = deepest;
  return input;
}

TEST(InputChecksTest, RequiredDepthIsEmbeddedLengthPlusTwoDiameters) {
  // English: 50 - 2 + 2 * 18 in / 12 = 51 ft.  SI: 18 - 0.5 + 2 * 600 mm / 1000 = 18.7 m.
  EXPECT_DOUBLE_EQ(requiredProfileDepth(pile(1, 50, 2, 18, 0)), 51.0);
  EXPECT_DOUBLE_EQ(requiredProfileDepth(pile(2, 18, 0.5, 600, 0)), 18.7);
}

TEST(InputChecksTest, ShallowProfileStopsWithTheTwoLineNote) {
  const UnitLabels feet;
  std::ostringstream report;
  EXPECT_FALSE(stopForShallowProfile(pile(1, 50, 2, 18, 51.0), feet, report));  // equal passes
  EXPECT_EQ(report.str(), "");
  EXPECT_TRUE(stopForShallowProfile(pile(1, 50, 2, 18, 50.99), feet, report));
  EXPECT_EQ(report.str(),
            "\n\n"
            "          COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE   50.99 FT.\n"
            "          IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER "
            "     51.00 FT.\n");
}

TEST(InputChecksTest, ShortLastPointGivesTheConsoleNoteOnly) {
  InputModel input = pile(2, 18, 0.5, 600, 25.0);
  input.points[2].depth = 12.0;
  UnitLabels metres;
  metres.length = "M. ";
  std::ostringstream console;
  EXPECT_TRUE(noteShortProfile(input, metres, console));
  EXPECT_EQ(console.str(),
            "\n\n\n"
            "          COMPUTATION DOES NOT PROCEED BECAUSE NO SOIL INFORMATION\n"
            "          WAS PROVIDED AT THE DEPTH      18.70 M. \n"
            "          PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE  PILE LENGTH PLUS TWO PILE "
            "DIAMETERS\n");
  input.points[2].depth = 18.7;
  EXPECT_FALSE(noteShortProfile(input, metres, console));
}

TEST(InputChecksTest, SegmentCountTruncatesAfterTheTolerance) {
  InputModel input = pile(1, 50, 0, 18, 250.0);
  input.depthIncrement = 0.5;
  EXPECT_EQ(countSegments(input), 500);
  input.deepestProfileDepth = 250.5;
  EXPECT_EQ(countSegments(input), 501);
  input.deepestProfileDepth = 0.3;
  input.depthIncrement = 0.1;  // 0.3 / 0.1 = 2.9999999999999996, lifted to 3 by the tolerance
  EXPECT_EQ(countSegments(input), 3);
  input.depthIncrement = 0.0;
  EXPECT_THROW(countSegments(input), RunFailure);
  input.depthIncrement = 1.0;
  input.deepestProfileDepth = 0.5;
  EXPECT_THROW(countSegments(input), RunFailure);
}

TEST(InputChecksTest, ThinLayersVanishOrGrowToOneIncrement) {
  InputModel input;
  input.depthIncrement = 0.5;
  input.profilePointCount = 6;
  const double depths[] = {0, 10, 10.2, 20, 20.3, 20.5};
  for (int k = 1; k <= 6; ++k) input.points[k].depth = depths[k - 1];
  adjustThinLayers(input);
  EXPECT_DOUBLE_EQ(input.points[3].depth, 10.0);  // 0.2 thick: bottom moves up onto the top
  EXPECT_DOUBLE_EQ(input.points[5].depth, 20.5);  // 0.3 thick: grows to 0.5
  EXPECT_DOUBLE_EQ(input.points[6].depth, 20.5);  // sees the moved point: 0 thick, stays
  EXPECT_DOUBLE_EQ(input.points[4].depth, 20.0);
}

TEST(InputChecksTest, SegmentMessageText) {
  std::ostringstream out;
  writeSegmentMessage(out, 501);
  EXPECT_EQ(out.str(),
            "\n\n"
            " YOUR NUMBERS OF SEGMENT  501 IS LARGER THAN\n"
            " DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF \n"
            " SEGMENT OR CONSULT HALVORN, INC. FOR CHANGING THE DEFAULT VALUE\n");
}

}  // namespace
}  // namespace corvex
