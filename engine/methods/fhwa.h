// FHWA method: Nordlund side friction in sand, Tomlinson adhesion in clay and the Thurman
// αt·N′q end bearing in sand with its limiting toe resistance. The rules are plain
// functions over the values of one increment, so that each can be checked by hand; the
// method routine that walks the increments of a run is declared at the end.
#pragma once

#include <span>

namespace corvex {

// The pile as the FHWA rules see it.
struct FhwaPile {
  bool english = true;             // unit system 1 (ft, in, ksf); else SI (m, mm, kPa)
  int pileType = 1;
  double diameter = 0.0;           // D: outside diameter, in or mm
  double innerDiameter = 0.0;      // ID, in or mm
  double endInnerDiameter = 0.0;   // Di of the enhanced end section, in or mm
  double endSectionLength = 0.0;   // LEES, ft or m
  double taperAngle = 0.0;         // ω, degrees
  double noncircularTipArea = 0.0; // A_nc, ft² or m²; 0 for a circular section
  double embeddedLength = 0.0;     // L, ft or m
};

// Displaced volume per unit length V, in ft³/ft (an SI area is turned into ft² by dividing
// by 0.0929), for a sand increment whose bottom lies at incrementBottom. plugIndicator is
// the plug state of the matching output row left by the previous end-bearing pass
// (1 plugged, 2 unplugged, 0 no pass yet).
double fhwaDisplacedVolume(const FhwaPile& pile, int plugIndicator, double incrementBottom);

// The chart values behind the unit friction of a sand increment.
struct FhwaSandFactors {
  double deltaOverPhi = 0.0;  // δ/φ
  double delta = 0.0;         // δ, degrees
  double correction = 0.0;    // CF
  double kDelta = 0.0;        // Kδ
  double multiplier = 0.0;    // Kδ·CF·sin(δ + ω)/cos ω, applied to the effective stress
};

FhwaSandFactors fhwaSandFactors(int pileType, double phi, double taperAngle, double volume);

// Penetration ratio, clay case and adhesion factor carried from one increment to the
// next while the method walks down the profile.
class TomlinsonWalk {
 public:
  // The neighbours of a clay increment that the case selection and the freezing read
  // (soil types compared as reals; the strength in ksf).
  struct Neighbours {
    double previousSoilType = 0.0;  // increment k − 1 (unused for k = 1)
    double previousSuKsf = 0.0;
    double nextSoilType = 0.0;      // increment k + 1 (unused for the last increment)
  };

  // A sand increment ends any clay case.
  void enterSand() { clayCase_ = 0; }

  // Advances the walk to clay increment k (1-based) of incrementCount increments and
  // returns its adhesion factor. layerDepths are the depths of the profile points, top to
  // bottom; diameterLength is D in ft or m; suKsf the increment's strength in ksf.
  double enterClay(std::span<const double> layerDepths, int k, int incrementCount,
                   double incrementBottom, double diameterLength, double taperAngle,
                   double suKsf, const Neighbours& neighbours);

  double penetrationRatio() const { return ratio_; }
  int clayCase() const { return clayCase_; }
  bool frozen() const { return frozen_; }
  double alpha() const { return alpha_; }

 private:
  double penetrationSum_ = 0.0;  // S: thickness of the clay penetrated so far
  double layerThickness_ = 0.0;  // thickness of the layer the last increment lay in
  long countedLayer_ = -1;       // the layer (profile pair) whose thickness S holds last
  double ratio_ = 0.0;           // R
  bool frozen_ = false;          // R no longer changes once sand has followed clay
  int clayCase_ = 0;             // 0 none, 1 sand above, 2 soft clay above, 3 no stratum above
  double alpha_ = 0.0;           // last adhesion factor
};

// End bearing of a sand increment: the factor that replaces Nq for the end-bearing step
// (αt·N′q) and the limit of the unit bearing (the smaller of the limiting toe resistance
// and the layer's qmax).
struct FhwaToeRule {
  double alphaT = 0.0;
  double nqPrime = 0.0;
  double bearingFactor = 0.0;  // αt·N′q
  double limit = 0.0;          // ksf or kPa
};

FhwaToeRule fhwaToeRule(const FhwaPile& pile, double phi, double maxEndBearing);

// Unit end bearing at a node of a sand increment.
inline double fhwaSandUnitEndBearing(const FhwaToeRule& rule, double sigmaV) {
  const double q = sigmaV * rule.bearingFactor;
  return q < rule.limit ? q : rule.limit;
}

struct RunState;

// The method routine over the run: outside and inside friction at every node (sand by
// Nordlund, clay by Tomlinson, walking down the increments) and the method's row columns.
// It reads the plug indicators that the previous end-bearing pass of the method left.
void computeFhwaUnitResistance(RunState& state);

// Unit end bearing at the two nodes of sand increment k (the end-bearing step's rule): the
// increment's Nq is replaced by αt·N′q for the step, which restores it afterwards.
void fhwaSandUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
