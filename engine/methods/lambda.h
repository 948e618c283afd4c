// Revised Lambda method: the total skin friction of the penetrated length at once,
// Qs = λ·(σ′m + 2·cm)·P·L, with λ from the pile compressibility number μ; the unit side
// friction of each output row follows from the growth of Qs between rows. End bearing is
// the API rule, applied by the common end-bearing steps.
#pragma once

#include <span>

namespace corvex {

// One computation increment as the method reads it.
struct LambdaIncrement {
  double soilType = 1.0;            // 1 sand, 2 clay, 3 silt (compared as reals)
  double lateralCoefficient = 0.0;  // K; 0 is read as 1.0
  double frictionAngle = 0.0;       // φ, degrees
  double undrainedShear = 0.0;      // su, ksf or kPa
  double length = 0.0;              // ft or m
  double stressTop = 0.0;           // SigmaV at the top node
  double stressBottom = 0.0;        // SigmaV at the bottom node
  double maxSideFriction = 0.0;     // fmax; 9999999 for no limit
  double sideFactor = 1.0;          // LRFD factor on unit friction
};

struct LambdaPile {
  bool english = true;
  double diameter = 0.0;            // D, in or mm
  double endInnerDiameter = 0.0;    // Di of the end section, in or mm
  double noncircularTipArea = 0.0;  // ft² (English) or m² (SI); 0 for a circular section
  double elasticModulus = 0.0;      // E, psi or kPa
  double zeroFrictionLength = 0.0;  // ZFL, ft or m
  double depthIncrement = 0.0;      // Δz, ft or m
  bool tension = false;
  double tensionFactor = 1.0;
  bool reducedCurves = false;       // load transfer from the factored skin friction
};

// Results of one output row.
struct LambdaRow {
  double penetration = 0.0;     // p, ft or m
  double stress = 0.0;          // σ′ at p
  double meanStress = 0.0;      // σ′m over [0, p]
  double meanStrength = 0.0;    // cm over [0, p]
  double compressibility = 0.0; // μ
  double lambda = 0.0;          // λ
  double skinFriction = 0.0;    // Qs after the row limits (and the tension factor)
  double unitFriction = 0.0;    // f, ksf or kPa
  double factoredSkinFriction = 0.0;  // cumulative with the LRFD factors (reported)
  double loadTransfer = 0.0;    // the column handed to the load-transfer curves
};

// Strength term c of every increment (su in clay and silt, K·σ̄·tanφ in sand), zero over
// the zero-friction length.
void lambdaStrengthTerms(std::span<const LambdaIncrement> increments, double zeroFrictionLength,
                         std::span<double> strength);

// Compressibility number μ at penetration p with mean strength cm.
double lambdaCompressibility(const LambdaPile& pile, double penetration, double meanStrength);

// λ from μ and the ratio cm/σ′m.
double lambdaFactor(double compressibility, double meanStrength, double meanStress);

// Fills rows[0 .. rowCount−1] (row i + 1 at penetration i·Δz).
void computeLambdaRows(const LambdaPile& pile, std::span<const LambdaIncrement> increments,
                       std::span<LambdaRow> rows);

struct RunState;

// The method routine over the run: fills the method's row columns (unit friction, Qs,
// the factored cumulative skin friction that is reported, the load-transfer column). It
// writes no node friction; the soil plug uses the default inside friction.
void computeLambdaUnitResistance(RunState& state);

}  // namespace corvex
