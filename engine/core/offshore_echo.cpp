#include "core/offshore_echo.h"

#include "core/fortran_format.h"
#include "core/report_text.h"

namespace corvex {

void writeClayDrainageLine(std::ostream& out, const InputModel& input) {
  writeLine(out, fmtX(10) + (input.drainedClaySwitch == 1 ? "  # Use Drained Condition for Clay"
                                                          : "  # Use Undrained Condition for Clay"));
}

void writeOffshoreSoilTable(RunState& state) {
  const InputModel& input = state.input;
  if (input.offshoreSwitch != 1) return;
  std::ostream& out = state.context.report;
  const UnitLabels& labels = state.context.labels;
  writeEmptyLines(out, 2);
  writeLine(out, fmtX(10) + fmtX(53));
  writeEmptyLines(out, 1);
  writeLine(out, fmtX(10) + "        PLASTIC    YIELD      Qc                             ");
  writeLine(out, fmtX(10) + "         INDEX    STRESS     FROM                            ");
  writeLine(out, fmtX(10) + " DEPTH     PI      RATIO     CPT                             ");
  writeLine(out, ReportLine().x(12).a(labels.length, 3).x(6).a("%").x(17).a(labels.stress, 3).str());
  // The table's cone resistance is lb/ft2 in English units; the echo shows ksf.
  const double scale = input.unitSystem == 1 ? 1000.0 : 1.0;
  for (int k = 1; k <= input.profilePointCount; ++k) {
    const ProfilePoint& p = input.points[k];
    writeLine(out, ReportLine()
                       .x(10).f(p.depth, 7, 2)
                       .x(1).f(p.plasticityIndex, 6, 2)
                       .x(3).f(p.blowCount, 6, 2)
                       .x(3).e(p.coneResistance / scale, 10, 3)
                       .str());
  }
}

}  // namespace corvex
