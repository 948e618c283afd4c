// The taper check before a run: a tapered pile must keep a positive tip diameter.
#include <gtest/gtest.h>

#include "shell/taper_check.h"

using corvex::LargestTaperAngleIfTooLarge;
using corvex::TaperInput;

TEST(TaperCheck, TooLargeAngleGivesTheLargestAllowedAngle) {
  // OD 12 in, TL 50 ft = 600 in, 1 degree: tip = 12 - tan(0.01745) * 1200 = about -8.94 in.
  // Largest angle = atan(6 / 600) / 0.01745 = 0.0099996667 / 0.01745 = 0.57305 degrees.
  TaperInput english{1, true, 2, 1.0, 12.0, 50.0};
  auto angle = LargestTaperAngleIfTooLarge(english);
  ASSERT_TRUE(angle.has_value());
  EXPECT_NEAR(*angle, 0.57305, 1e-5);
  EXPECT_EQ(corvex::TaperWarningText(*angle),
            "Taper angle is large since it generates a negative diameter at tip of pile.\r"
            "Taper angle should be smaller than 0.573 degrees.\rPlease check input data ");

  // SI: OD 300 mm, TL 10 m = 10000 mm: atan(150 / 10000) / 0.01745 = 0.0149988751 / 0.01745.
  TaperInput si{2, true, 5, 1.0, 300.0, 10.0};
  angle = LargestTaperAngleIfTooLarge(si);
  ASSERT_TRUE(angle.has_value());
  EXPECT_NEAR(*angle, 0.859534, 1e-5);
}

TEST(TaperCheck, DoesNotApplyOrPasses) {
  struct Case {
    const char* what;
    TaperInput in;
  } cases[] = {
      {"FHWA off", {1, false, 2, 1.0, 12.0, 50.0}},
      {"steel pipe", {1, true, 1, 1.0, 12.0, 50.0}},
      {"H-pile", {1, true, 6, 1.0, 12.0, 50.0}},
      {"no taper", {1, true, 7, 0.0, 12.0, 50.0}},
      // 0.5 degree: 12 - tan(0.008725) * 1200 = 12 - 10.47 > 0
      {"small angle", {1, true, 4, 0.5, 12.0, 50.0}},
  };
  for (const auto& c : cases) EXPECT_FALSE(LargestTaperAngleIfTooLarge(c.in).has_value()) << c.what;
}
