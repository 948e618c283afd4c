// Clay rules shared by the cone-based methods of codes 6, 7 and 8 (ICP/MTD, Fugro, UWA):
// shaft friction from the interface friction angle, the strength ratio, the yield stress
// ratio and the distance above the tip; end bearing from the cone resistance by drainage
// condition and plug mode.
#pragma once

#include "core/run_state.h"
#include "methods/offshore_inputs.h"

namespace corvex {

// Distance above the tip over the equivalent radius R* = sqrt((D^2 - Di^2) / 4), raised to 8
// near the tip (the ICP/MTD sand and clay rules).
double heightOverEquivalentRadius(const OffshoreIncrement& increment, const OffshorePile& pile);

// Ultimate interface friction angle (degrees) read from the chart against plasticity index
// (PI = 0, 5, ..., 80), clamped at both ends of the chart.
double ultimateInterfaceAngle(double plasticityIndex);

// Radial stress coefficient Kc of a clay increment.
double clayRadialStressCoefficient(const OffshoreIncrement& increment, const OffshorePile& pile);

// Unit side friction of a clay increment at both nodes; the soil plug sees the same values.
OffshoreSideFriction offshoreClaySideFriction(const OffshoreIncrement& increment,
                                              const OffshorePile& pile);

// Unit end bearing of a clay increment (both nodes), from the cone resistance resolved for
// the end-bearing rules.
double offshoreClayEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile);

// Sand end-bearing rule of one of the methods that share these clay rules.
using SandEndBearingRule = double (*)(const OffshoreIncrement&, const OffshorePile&);

// Unit end bearing of an increment at both nodes: the shared clay rule for clay and silt,
// the method's own rule for sand.
NodePair offshoreEndBearing(const OffshoreIncrement& increment, const OffshorePile& pile,
                            SandEndBearingRule sandRule);

// The text written to the report when a clay increment carries a negative plasticity index.
inline constexpr const char* kNegativePlasticityIndexNote =
    "ERROR - NO DATA FOUND FOR PLASTIC INDEX.";

// Unit end bearing of clay or silt increment k at its two nodes by the shared clay rule
// (the end-bearing step's clay rule for ICP/MTD, Fugro and UWA).
void offshoreClayUnitEndBearing(RunState& state, int k, double& top, double& bottom);

}  // namespace corvex
