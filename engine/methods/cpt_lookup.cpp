#include "methods/cpt_lookup.h"

namespace corvex {

double CptLookup(const InputModel& input, double z) {
  const int n = input.cptPointCount;
  if (n <= 0) return 0.0;
  const auto& p = input.cptPoints;
  if (z <= p[1].depth) return p[1].qc;
  for (int i = 2; i <= n; ++i) {
    if (z <= p[i].depth) {
      const double span = p[i].depth - p[i - 1].depth;
      // Two readings at one depth: take the deeper one rather than divide by zero.
      if (span <= 0.0) return p[i].qc;
      return p[i].qc - (p[i].depth - z) * (p[i].qc - p[i - 1].qc) / span;
    }
  }
  return p[n].qc;
}

}  // namespace corvex
