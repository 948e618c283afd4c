#include "core/plot_writer.h"

#include "core/fortran_format.h"
#include "core/report_text.h"

namespace corvex {
namespace {

bool fits(const std::string& field) { return field.find('*') == std::string::npos; }

// A scientific field that keeps its leading zero ("-0.12E+09", not "-.123E+09").
bool fitsWithLeadingZero(const std::string& field) {
  return fits(field) && field.find(".") > 0 && field[field.find(".") - 1] == '0';
}

}  // namespace

std::string plotNumber(double value, int width, int decimals) {
  for (int d = decimals; d >= 0; --d) {
    std::string field = fmtF(value, width, d);
    if (fits(field)) return field;
  }
  for (int d = width - 6; d >= 1; --d) {
    std::string field = fmtE(value, width, d);
    if (fitsWithLeadingZero(field)) return field;
  }
  return fmtE(value, width, 1);
}

void writePlotHeader(RunState& state, int methodBlockCount) {
  const InputModel& in = state.input;
  ReportLine line;
  line.i(methodBlockCount, 6)
      .i(state.computation.printedRowCount, 6)
      .i(in.unitSystem, 6)
      .i(in.tzMethod, 6);
  writeLine(state.context.plot, line.str());
}

void writePlotMethodBlock(RunState& state, int code) {
  const ComputationState& c = state.computation;
  const MethodResults& m = c.methods[code];
  for (int r = 1; r <= c.printedRowCount; ++r) {
    const int i = c.printedRows[r];
    std::string line = fmtX(2) + plotNumber(c.rowDepth[i], 7, 2) + fmtX(2) +
                       plotNumber(m.skinFriction[i], 8, 1) + fmtX(2) +
                       plotNumber(m.endBearing[i], 8, 1) + fmtX(2) +
                       plotNumber(m.ultimateCapacity[i], 9, 1) + fmtX(2) +
                       plotNumber(m.reportedFriction[i], 9, 3);
    writeLine(state.context.plot, line);
  }
}

}  // namespace corvex
