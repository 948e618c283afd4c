#include "methods/phi_from_n.h"

#include <array>

#include "methods/chart_lookup.h"

namespace corvex {
namespace {

// Curve A: 0 psi, blow counts 0 to 20.
constexpr std::array<double, 7> kNA = {0, 2, 4, 6, 10, 15, 20};
constexpr std::array<double, 7> kPhiA = {0, 32, 34, 36, 38, 42, 45};
// Curve B: 20 psi, blow counts 6 to 55.
constexpr std::array<double, 11> kNB = {6, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55};
constexpr std::array<double, 11> kPhiB = {30, 32, 34, 36, 37, 39, 40, 41, 42, 44, 45};
// Curve C: 40 psi, blow counts 10 to 90.
constexpr std::array<double, 17> kNC = {10, 15, 20, 25, 30, 35, 40, 45, 50,
                                        55, 60, 65, 70, 75, 80, 85, 90};
constexpr std::array<double, 17> kPhiC = {31, 32, 34, 35, 36, 36, 37, 38, 39,
                                          39, 40, 41, 42, 42, 43, 44, 44};

double curveA(double n) { return ChartLookup(kNA, kPhiA, n); }
double curveB(double n) { return ChartLookup(kNB, kPhiB, n); }
double curveC(double n) { return ChartLookup(kNC, kPhiC, n); }

// Between 20 and 40 psi (also used for the undefined low-count corner above 40 psi).
double between20And40(double n, double s) {
  if (n <= 6.0) return 30.0;
  if (n < 10.0) return 30.0 + 0.5 * (n - 6.0);
  if (n <= 55.0) return curveB(n) - (s - 20.0) * (curveB(n) - curveC(n)) / 20.0;
  if (n < 90.0) return curveC(n) + (40.0 - s) * (45.0 - curveC(n)) / 20.0;
  return 50.0;
}

}  // namespace

double PhiFromN(double n, double s, bool* defined) {
  if (defined) *defined = true;
  if (s <= 20.0) {
    if (n < 6.0) return curveA(n) - (s / 20.0) * (curveA(n) - 30.0);
    if (n <= 20.0) return curveA(n) - (curveA(n) - curveB(n)) * s / 20.0;
    if (n < 55.0) return curveB(n) + (20.0 - s) * (45.0 - curveB(n)) / 20.0;
    if (n < 90.0) return curveC(n) + (40.0 - s) * (45.0 - curveC(n)) / 20.0;
    return 50.0;
  }
  if (s < 40.0) return between20And40(n, s);
  if (n > 10.0 && n < 90.0) return curveC(n);
  // The chart has no value here. Low counts follow the 20 to 40 psi rule at 40 psi (30
  // degrees up to N = 6, rising to curve C's 31 degrees at N = 10); counts of 90 and more
  // keep curve C's last value, 44 degrees, so that the angle never falls with depth.
  if (defined) *defined = false;
  if (n >= 90.0) return curveC(90.0);
  return between20And40(n, 40.0);
}

}  // namespace corvex
