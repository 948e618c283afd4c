#include "methods/fhwa.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "methods/fhwa_charts.h"

namespace corvex {
namespace {

constexpr double kPiVolume = 3.1416;          // π used for the displaced areas
constexpr double kSquareMetresPerSquareFoot = 0.0929;
constexpr double kKsfToKpa = 47.88;
constexpr double kSoftClayLimitKsf = 0.8;     // clay above softer than this selects case 2

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double diameterUnitsPerLength(bool english) { return english ? 12.0 : 1000.0; }

double circleArea(double diameter) { return kPiVolume / 4.0 * diameter * diameter; }

}  // namespace

double fhwaDisplacedVolume(const FhwaPile& pile, int plugIndicator, double incrementBottom) {
  const double perLength = diameterUnitsPerLength(pile.english);
  const double d = pile.diameter / perLength;
  const double id = pile.innerDiameter / perLength;
  const double annulus = kPiVolume / 4.0 * (d * d - id * id);
  const bool noncircular = pile.noncircularTipArea > 1.0e-6;

  double area = noncircular ? pile.noncircularTipArea : annulus;
  if (plugIndicator == 1) {
    area = circleArea(d);
  } else if (pile.english && plugIndicator == 2) {
    area = annulus;
  }
  // A closed end section displaces the full section, which narrows with depth on a
  // tapered pile.
  if (pile.endSectionLength > 0.001 && pile.endInnerDiameter < 1.0e-5) {
    double closedDiameter = d;
    if (pile.taperAngle > 0.0) {
      closedDiameter = d - 2.0 * incrementBottom * std::tan(radians(pile.taperAngle));
    }
    area = circleArea(closedDiameter);
  }
  if (pile.pileType == 6 && noncircular) area = pile.noncircularTipArea;
  return pile.english ? area : area / kSquareMetresPerSquareFoot;
}

FhwaSandFactors fhwaSandFactors(int pileType, double phi, double taperAngle, double volume) {
  FhwaSandFactors f;
  f.deltaOverPhi = fhwa_charts::deltaOverPhi(pileType, volume);
  f.delta = f.deltaOverPhi * phi;
  f.correction = fhwa_charts::correctionFactor(f.deltaOverPhi, phi);
  f.kDelta = fhwa_charts::kDelta(phi, taperAngle, volume);
  f.multiplier = f.kDelta * f.correction * std::sin(radians(f.delta + taperAngle)) /
                 std::cos(radians(taperAngle));
  return f;
}

double TomlinsonWalk::enterClay(std::span<const double> layerDepths, int k, int incrementCount,
                                double incrementBottom, double diameterLength,
                                double taperAngle, double suKsf,
                                const Neighbours& neighbours) {
  if (!frozen_) {
    // The whole thickness of a clay layer counts once the increments reach its bottom.
    for (std::size_t j = 0; j + 1 < layerDepths.size(); ++j) {
      if (layerDepths[j] < incrementBottom && incrementBottom <= layerDepths[j + 1]) {
        layerThickness_ = layerDepths[j + 1] - layerDepths[j];
        if (std::fabs(layerDepths[j + 1] - incrementBottom) < 0.95) {
          penetrationSum_ += layerThickness_;
        }
      }
    }
    const double tanOmega = std::tan(radians(taperAngle));
    const double lowerWidth = diameterLength - 2.0 * (incrementBottom + layerThickness_) * tanOmega;
    const double upperWidth = diameterLength - 2.0 * incrementBottom * tanOmega;
    ratio_ = penetrationSum_ / ((lowerWidth + upperWidth) / 2.0);
  }
  // Once sand follows the clay the penetration ratio keeps its value.
  if (k < incrementCount && neighbours.nextSoilType - 1.0 < 0.9) frozen_ = true;

  if (clayCase_ == 0 && incrementCount > 2 && k > 1) {
    if (neighbours.previousSoilType - 1.0 < 1.0e-10) {
      clayCase_ = 1;
    } else {
      clayCase_ = neighbours.previousSuKsf < kSoftClayLimitKsf ? 2 : 3;
    }
  }
  if (clayCase_ != 0) alpha_ = fhwa_charts::tomlinsonAdhesion(clayCase_, suKsf, ratio_);
  return alpha_;
}

FhwaToeRule fhwaToeRule(const FhwaPile& pile, double phi, double maxEndBearing) {
  FhwaToeRule rule;
  const double d = pile.diameter / diameterUnitsPerLength(pile.english);
  const double slenderness = d > 0.0 ? pile.embeddedLength / d : 0.0;
  rule.alphaT = fhwa_charts::alphaT(phi, slenderness);
  rule.nqPrime = fhwa_charts::bearingFactorNq(phi);
  rule.bearingFactor = rule.alphaT * rule.nqPrime;
  const double toeLimit = fhwa_charts::limitingToeChartValue(phi) * 2.0 *
                          (pile.english ? 1.0 : kKsfToKpa);
  rule.limit = std::min(toeLimit, maxEndBearing);
  return rule;
}

}  // namespace corvex
