// Friction angle of sand from the SPT blow count and the effective vertical stress.
#pragma once

namespace corvex {

// Friction angle in degrees for blow count n at effective vertical stress sigmaPsi (psi),
// read from the three-curve chart (0, 20 and 40 psi). Where the chart itself defines no
// value, the angle is extended as described in phi_from_n.cpp; `defined` tells whether the
// chart proper gave the value.
double PhiFromN(double n, double sigmaPsi, bool* defined = nullptr);

}  // namespace corvex
