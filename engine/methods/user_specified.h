// Load transfer from unit values given by the user ("GENERAL METHOD"): the user's unit skin
// friction and unit end bearing of every layer turned into cumulative skin friction and end
// bearing per output row, without any soil mechanics.
#pragma once

#include <span>

namespace corvex {

// One computation increment as the method reads it.
struct UserIncrement {
  double unitSkinFriction = 0.0;  // fu, ksf or kPa
  double unitEndBearing = 0.0;    // qu, ksf or kPa
  double length = 0.0;            // ft or m
  double sideFactor = 1.0;        // LRFD factor on unit friction
};

struct UserPile {
  bool english = true;
  double diameter = 0.0;            // D, in or mm
  double noncircularTipArea = 0.0;  // ft² or m²; 0 for a circular section
  double depthIncrement = 0.0;      // Δz, ft or m
};

// Fills skinFriction[i], endBearing[i] and unitFriction[i] (the user value that acts
// above the row) for rows i = 0 .. rows−1 (row i + 1 at penetration i·Δz); the spans have
// the row count.
void computeUserSpecifiedRows(const UserPile& pile, std::span<const UserIncrement> increments,
                              std::span<double> skinFriction, std::span<double> endBearing,
                              std::span<double> unitFriction);

struct RunState;

// The method routine over the run: fills the method's skin friction, end bearing (tip
// area times the user's unit end bearing) and unit friction per depth row.
void computeUserSpecifiedUnitResistance(RunState& state);

}  // namespace corvex
