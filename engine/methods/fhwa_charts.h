// The digitized design charts of the FHWA method (Nordlund side friction in sand, Thurman
// end bearing, Tomlinson adhesion in clay). Every chart is kept, with its axis values, as a
// data table in fhwa_charts.cpp; these functions read them. Curves are piecewise linear
// between their points and clamped at both ends; between two curves of one chart the
// value is interpolated linearly in the curve parameter.
#pragma once

namespace corvex::fhwa_charts {

// δ/φ against the displaced volume V (ft³/ft) for pile types 1..7.
double deltaOverPhi(int pileType, double volume);

// Kδ for friction angle φ (degrees), taper angle ω (degrees) and displaced volume V
// (ft³/ft). φ below 25 reads the 25° chart, above 40 the 40° chart, and in between the two
// neighbouring charts are interpolated linearly in φ.
double kDelta(double phi, double taperAngle, double volume);

// Correction factor CF for δ ≠ φ, from δ/φ and φ (degrees).
double correctionFactor(double deltaOverPhi, double phi);

// Toe coefficient αt against φ (degrees) and the pile's L/D.
double alphaT(double phi, double lengthOverDiameter);

// Bearing capacity factor N′q against φ (degrees).
double bearingFactorNq(double phi);

// Limiting toe resistance chart value against φ (degrees); twice the chart value is the
// limit in ksf.
double limitingToeChartValue(double phi);

// Tomlinson adhesion factor α for the clay case (1 sand above, 2 soft clay above,
// 3 no overlying stratum), undrained strength su in ksf and penetration ratio R.
double tomlinsonAdhesion(int clayCase, double suKsf, double penetrationRatio);

}  // namespace corvex::fhwa_charts
