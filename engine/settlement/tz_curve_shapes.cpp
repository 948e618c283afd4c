#include "settlement/tz_curve_shapes.h"

#include "settlement/settlement_units.h"

namespace corvex::settlement {
namespace {

using Column = std::array<double, kCurvePointCount + 1>;

// Sand-like curve of every method but USACE: full resistance at 0.1 in.
constexpr Column kSandMovement = {0, 0.0, 0.01, 0.02, 0.04, 0.06, 0.08, 0.09, 0.1, 0.5, 2.0};
constexpr Column kSandRatio = {0, 0.0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9, 1.0, 1.0, 1.0};

// Clay curve (movement as a fraction of the diameter) with its residual of 0.9 tmax.
constexpr Column kClayMovementPerDiameter = {0,     0.0,  0.0016, 0.0031, 0.0057, 0.008,
                                             0.01,  0.02, 0.03,   0.05,   0.2};
constexpr Column kClayRatio = {0, 0.0, 0.3, 0.5, 0.75, 0.9, 1.0, 0.9, 0.9, 0.9, 0.9};

// USACE movements (inches), shared by its sand hyperbola and its clay curve.
constexpr Column kUsaceMovement = {0, 0.0, 0.01, 0.02, 0.04, 0.06, 0.08, 0.12, 0.16, 0.5, 10.0};
constexpr Column kUsaceClayRatio = {0, 0.0, 0.18, 0.38, 0.79, 0.97, 1.0, 0.97, 0.93, 0.93, 0.93};

// The USACE hyperbola works in lb/ft2: English tmax (lb/in2) times 144, SI tmax (kPa)
// times 20.89.
constexpr double kUsaceStressFactorEnglish = 144.0;
constexpr double kUsaceStressFactorSi = 20.89;

void fillSandLike(TzCurve& curve, bool usace, bool english) {
  const double toWorkingLength = english ? 1.0 : 1.0 / kInchesPerMetre;
  if (!usace) {
    for (int k = 1; k <= kCurvePointCount; ++k) {
      curve.z[k] = kSandMovement[k] * toWorkingLength;
      curve.t[k] = kSandRatio[k] * curve.tmax;
    }
    return;
  }
  const double stressFactor = english ? kUsaceStressFactorEnglish : kUsaceStressFactorSi;
  const double ultimate = curve.tmax * stressFactor;
  const double modulus = usaceSandModulus(curve.frictionAngle);
  for (int k = 1; k <= kCurvePointCount; ++k) {
    const double z = kUsaceMovement[k];
    const double t = ultimate <= 1.0e-9 ? 0.0 : z / (z / ultimate + 1.0 / modulus);
    curve.z[k] = z * toWorkingLength;
    curve.t[k] = t / stressFactor;
  }
}

void fillOther(TzCurve& curve, bool usace, bool english, double od) {
  if (!usace) {
    for (int k = 1; k <= kCurvePointCount; ++k) {
      curve.z[k] = kClayMovementPerDiameter[k] * od;
      curve.t[k] = kClayRatio[k] * curve.tmax;
    }
    return;
  }
  // The movements are inches, as for the USACE sand curve; SI runs convert them to metres
  // so that the same pile gives the same curve in either unit system.
  const double toWorkingLength = english ? 1.0 : 1.0 / kInchesPerMetre;
  for (int k = 1; k <= kCurvePointCount; ++k) {
    curve.z[k] = kUsaceMovement[k] * toWorkingLength;
    curve.t[k] = kUsaceClayRatio[k] * curve.tmax;
  }
}

}  // namespace

double usaceSandModulus(double phi) {
  if (phi <= 28.0) return 6000.0;
  if (phi <= 31.0) return 6000.0 + (phi - 28.0) * 1333.3;
  if (phi <= 32.0) return 10000.0;
  if (phi <= 34.0) return 10000.0 + (phi - 32.0) * 1333.3;
  if (phi <= 35.0) return 14000.0;
  if (phi <= 38.0) return 14000.0 + (phi - 35.0) * 1333.3;
  return 18000.0;
}

void fillTzCurve(TzCurve& curve, bool usace, bool english, double od) {
  curve.pointCount = kCurvePointCount;
  if (curve.type == 1) {
    fillSandLike(curve, usace, english);
  } else {
    fillOther(curve, usace, english, od);
  }
}

}  // namespace corvex::settlement
