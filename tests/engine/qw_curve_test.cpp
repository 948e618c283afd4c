// The q-w curve at the pile tip: the curve of the other methods and the USACE rules for
// sand, silt and clay.
#include <gtest/gtest.h>

#include "settlement/curve_interpolation.h"
#include "settlement/qw_curve.h"

namespace corvex::settlement {
namespace {

QwCurveInput usaceTip(double soilType, double phi) {
  QwCurveInput in;
  in.usace = true;
  in.english = true;
  in.tipResistance = 1.0;  // results read as fractions of Qp
  in.diameter = 24.0;
  in.tipSoilType = soilType;
  in.frictionAngle = phi;
  return in;
}

TEST(QwCurve, UsaceClayPassesHalfQpAtOnePercentAndIsCappedAtQp) {
  QwCurve c;
  buildQwCurve(c, usaceTip(2.0, 0.0));
  EXPECT_DOUBLE_EQ(c.w[8], 0.5);
  // 0.5 x sqrt(0.5 / 0.24) = 0.5 x 1.443376 = 0.721688
  EXPECT_NEAR(c.q[8], 0.721688, 1e-6);
  EXPECT_DOUBLE_EQ(c.q[9], 1.0);  // 0.5 x sqrt(1/0.24) = 1.02 is capped
  EXPECT_DOUBLE_EQ(c.q[10], 1.0);
  EXPECT_DOUBLE_EQ(c.w[1], 0.0);
  EXPECT_DOUBLE_EQ(c.q[1], 0.0);
  // w = 0.0001: 0.5 x sqrt(0.0001 / 0.24) = 0.0102062
  EXPECT_NEAR(c.q[2], 0.0102062, 1e-7);
}

TEST(QwCurve, UsaceSandIsNotCappedAndItsExponentFollowsTheFrictionAngle) {
  // Last point w = 2.0 in, r = 2.0 / (0.05 x 24) = 1.666667.
  struct Case {
    double soilType;
    double phi;
    double lastRatio;
  };
  const Case cases[] = {
      {1.0, 30.0, 1.290994},  // sqrt(1.666667)
      {1.0, 31.0, 1.290994},
      {1.0, 35.0, 1.185429},  // 1.666667^0.333 (1/3 would give 1.185631)
      {3.0, 35.0, 1.185429},  // silt follows the sand rule
      {1.0, 38.0, 1.185429},
      {1.0, 40.0, 1.136219},  // 1.666667^0.25
  };
  for (const Case& c : cases) {
    QwCurve curve;
    buildQwCurve(curve, usaceTip(c.soilType, c.phi));
    EXPECT_NEAR(curve.q[10], c.lastRatio, 1e-6) << c.soilType << " " << c.phi;
  }
}

TEST(QwCurve, UsaceMovementsAreInchesOrMetres) {
  QwCurveInput in = usaceTip(2.0, 0.0);
  in.english = false;
  in.diameter = 0.6;
  QwCurve c;
  buildQwCurve(c, in);
  EXPECT_NEAR(c.w[10], 2.0 / 39.37, 1e-15);
  // w / (0.01 D) = (0.5/39.37) / 0.006 = 2.116670 -> 0.5 x 1.454878 = 0.727439
  EXPECT_NEAR(c.q[8], 0.727439, 1e-6);
}

TEST(QwCurve, OtherMethodsScaleWithDiameterAndQp) {
  QwCurveInput in;
  in.tipResistance = 500000.0;  // 500 kip in lb
  in.diameter = 24.0;
  QwCurve c;
  buildQwCurve(c, in);
  EXPECT_NEAR(c.w[2], 0.012, 1e-15);   // 0.0005 x 24
  EXPECT_DOUBLE_EQ(c.q[2], 31250.0);   // 0.0625 x 500000
  EXPECT_NEAR(c.w[8], 2.4, 1e-12);     // 0.1 x 24 at Qp
  EXPECT_DOUBLE_EQ(c.q[8], 500000.0);
  EXPECT_DOUBLE_EQ(c.q[10], 500000.0);
  // Tip load at 0.0001 in, on the first segment: 500000 x 0.0625 x 0.0001 / 0.012 = 260.4167 lb.
  EXPECT_NEAR(interpolateCurve(c.w, c.q, 0.0001), 260.4167, 1e-4);
  // Beyond the last point the last load holds.
  EXPECT_DOUBLE_EQ(interpolateCurve(c.w, c.q, 10.0), 500000.0);
}

}  // namespace
}  // namespace corvex::settlement
