// Report tables and plot-data blocks of the load-transfer and load-settlement results.
// English values are held in lb and in; loads are written in kip, depths in ft.
#pragma once

#include <ostream>
#include <string>

#include "core/run_state.h"

namespace corvex::settlement {

struct WriterUnits {
  bool english = true;
  std::string length;          // depth label (ft or m)
  std::string force;           // load label
  std::string loadTransfer;    // "PSI" in English runs, the stress label in SI runs
  std::string movement;        // the diameter label in English runs, the length label in SI
  double stickUp = 0.0;        // working length unit
};

WriterUnits writerUnits(const RunContext& context, const InputModel& input);

// The asterisk note of the method tables and the load-distribution banner.
void writeLoadTransferIntro(std::ostream& report);

// Column heading of a t-z curve table.
void writeTzTableHeading(std::ostream& report, const WriterUnits& units);

// Header line and the 10 points of one t-z curve, numbered as given; the depth is written
// below the ground surface.
void writeTzCurve(std::ostream& out, const TzCurve& curve, int number, const WriterUnits& units);

// The curve table of the report and plot block 3: every curve below the stick-up.
void writeTzCurves(std::ostream& report, std::ostream& plot, const SettlementState& st,
                   const WriterUnits& units);

void writeQwCurve(std::ostream& report, const QwCurve& qw, const WriterUnits& units);

// Report table of one assumed tip movement: the tip row, then one row per element.
void writeTipMovementTable(std::ostream& report, const SettlementState& st,
                           const TipMovementResult& result, const WriterUnits& units);

// Plot block 4 rows of one assumed tip movement: per element from the tip upward the
// mid-depth from the pile head, the average load and the average movement.
void writeLoadDistributionBlock(std::ostream& plot, const SettlementState& st,
                                const WriterUnits& units);

// The load-versus-settlement table of the report and plot block 5.
void writeLoadSettlement(std::ostream& report, std::ostream& plot, const SettlementState& st,
                         const WriterUnits& units);

// Free-form integer line of the plot-data file.
void writeCountLine(std::ostream& plot, int count);

}  // namespace corvex::settlement
