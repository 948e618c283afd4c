#include "methods/fhwa.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "core/run_state.h"
#include "core/segment_table.h"
#include "methods/end_bearing_steps.h"
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

FhwaPile pileOf(const InputModel& in) {
  FhwaPile pile;
  pile.english = in.unitSystem == 1;
  pile.pileType = in.pileType;
  pile.diameter = in.outerDiameter;
  pile.innerDiameter = in.innerDiameter;
  pile.endInnerDiameter = in.enhancedEndInnerDiameter;
  pile.endSectionLength = in.enhancedEndLength;
  pile.taperAngle = in.taperAngle;
  pile.noncircularTipArea = in.tipArea;
  pile.embeddedLength = in.totalLength;  // the driver holds the embedded length here
  return pile;
}

// Row friction and accumulation: the tension factor, the row's fmax replacing a larger
// unit friction, and on a tapered pile the perimeter of the row's own diameter.
void fhwaRows(RunState& state, MethodResults& m) {
  const InputModel& in = state.input;
  const ComputationState& c = state.computation;
  const int rows = c.depthRowCount;
  const double d = in.outerDiameter / diameterUnitsPerLength(in.unitSystem == 1);
  const double tanOmega = std::tan(radians(in.taperAngle));
  const double dz = c.increment;

  rowUnitFriction(state, m);
  limitingFrictionFromProfile(state, m);
  for (int i = 1; i <= rows; ++i) {
    if (in.loadingType == 1) m.unitFriction[i] *= in.tensionFactor;
    m.unitFriction[i] = std::min(m.unitFriction[i], m.limitingFriction[i]);
    m.reportedFriction[i] = m.unitFriction[i];
  }
  m.incrementForce[1] = 0.0;
  m.unfactoredSkinFriction[1] = 0.0;
  m.factoredSkinFriction[1] = 0.0;
  for (int i = 2; i <= rows; ++i) {
    const double p = c.rowDepth[i];
    const double width = in.taperAngle > 0.0 ? d - 2.0 * p * tanOmega : d;
    const double perimeter = kPerimeterPi * width;
    double force = (m.unitFriction[i - 1] + m.unitFriction[i]) / 2.0 * perimeter * dz;
    const double cap =
        (m.limitingFriction[i - 1] + m.limitingFriction[i]) / 2.0 * perimeter * dz;
    if (force - cap > 1.0e-6) force = cap;
    m.incrementForce[i] = force;
    m.unfactoredSkinFriction[i] = m.unfactoredSkinFriction[i - 1] + force;
    m.factoredSkinFriction[i] = m.factoredSkinFriction[i - 1] +
                                force * c.increments[incrementOfRow(c, i)].sideReductionFactor;
  }
  const bool reduced = in.reducedCurvesSwitch == 1;
  for (int i = 1; i <= rows; ++i) {
    m.loadTransferColumn[i] = reduced ? m.factoredSkinFriction[i] : m.unfactoredSkinFriction[i];
    m.skinFriction[i] = m.factoredSkinFriction[i];
  }
}

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
    // With increments shorter than 0.95 several of them end that close to the bottom; the
    // layer still counts once.
    for (std::size_t j = 0; j + 1 < layerDepths.size(); ++j) {
      if (layerDepths[j] < incrementBottom && incrementBottom <= layerDepths[j + 1]) {
        layerThickness_ = layerDepths[j + 1] - layerDepths[j];
        const long layer = static_cast<long>(j);
        if (std::fabs(layerDepths[j + 1] - incrementBottom) < 0.95 && layer != countedLayer_) {
          penetrationSum_ += layerThickness_;
          countedLayer_ = layer;
        }
      }
    }
    const double tanOmega = std::tan(radians(taperAngle));
    const double lowerWidth = diameterLength - 2.0 * (incrementBottom + layerThickness_) * tanOmega;
    const double upperWidth = diameterLength - 2.0 * incrementBottom * tanOmega;
    // A taper that closes the section leaves no width to divide by: the ratio is then
    // taken as very large rather than undefined.
    const double width = std::max((lowerWidth + upperWidth) / 2.0, 1.0e-10);
    ratio_ = penetrationSum_ / width;
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

void computeFhwaUnitResistance(RunState& state) {
  const InputModel& in = state.input;
  ComputationState& c = state.computation;
  MethodResults& m = c.methods[kMethodFhwa];
  const FhwaPile pile = pileOf(in);
  const double diameterLength = in.outerDiameter / diameterUnitsPerLength(pile.english);
  const int count = c.incrementCount;

  std::array<double, kMaxProfilePoints> layerDepths{};
  const int pointCount = std::clamp(in.profilePointCount, 0, kMaxProfilePoints);
  for (int j = 1; j <= pointCount; ++j) layerDepths[static_cast<std::size_t>(j - 1)] = in.points[j].depth;
  const std::span<const double> depths(layerDepths.data(), static_cast<std::size_t>(pointCount));
  const auto inKsf = [&](double stress) { return pile.english ? stress : stress / kKsfToKpa; };

  TomlinsonWalk walk;
  for (int k = 1; k <= count; ++k) {
    const IncrementSoil& seg = c.increments[k];
    const int top = 2 * k - 1;
    const int bottom = 2 * k;
    if (seg.soilType <= 1.0) {
      walk.enterSand();
      const int plug = k < kRowSlots ? m.plugFlag[k] : 0;
      const double volume = fhwaDisplacedVolume(pile, plug, seg.zbot);
      const FhwaSandFactors f =
          fhwaSandFactors(in.pileType, seg.frictionAngle, in.taperAngle, volume);
      for (int n : {top, bottom}) {
        m.outsideFriction[n] = f.multiplier * c.SigmaV[n];
        m.insideFriction[n] = m.outsideFriction[n];
      }
    } else {
      TomlinsonWalk::Neighbours neighbours;
      if (k > 1) {
        neighbours.previousSoilType = c.increments[k - 1].soilType;
        neighbours.previousSuKsf = inKsf(c.increments[k - 1].undrainedShear);
      }
      if (k < count) neighbours.nextSoilType = c.increments[k + 1].soilType;
      const double alpha = walk.enterClay(depths, k, count, seg.zbot, diameterLength,
                                          in.taperAngle, inKsf(seg.undrainedShear), neighbours);
      m.outsideFriction[top] = alpha * seg.undrainedShear;
      m.outsideFriction[bottom] = alpha * seg.undrainedShear;
      m.insideFriction[top] = alpha * seg.remoldedShear;
      m.insideFriction[bottom] = alpha * seg.undrainedShear;
    }
  }
  m.writesInsideFriction = true;
  fhwaRows(state, m);
}

void fhwaSandUnitEndBearing(RunState& state, int k, double& top, double& bottom) {
  ComputationState& c = state.computation;
  IncrementSoil& seg = c.increments[k];
  const FhwaToeRule rule = fhwaToeRule(pileOf(state.input), seg.frictionAngle,
                                       seg.maxUnitEndBearing);
  seg.nq = rule.bearingFactor;
  top = fhwaSandUnitEndBearing(rule, c.SigmaV[2 * k - 1]);
  bottom = fhwaSandUnitEndBearing(rule, c.SigmaV[2 * k]);
}

}  // namespace corvex
