#include "core/method_tables.h"

#include "core/fortran_format.h"
#include "core/report_text.h"

namespace corvex {
namespace {

struct TableTitle {
  int indent;
  int rule;
  const char* text;
};

TableTitle titleOf(int code) {
  switch (code) {
    case kMethodUserSpecified: return {29, 18, "* GENERAL METHOD *"};
    case kMethodFhwa: return {28, 22, "*  FED. HWY. METHOD  *"};
    case kMethodUsace: return {28, 22, "* ARMY CORPS METHOD  *"};
    case kMethodLambda: return {28, 22, "*  LAMBDA 2 METHOD   *"};
    case kMethodApi: return {28, 22, "*  API RP-2A (1994)  *"};
    case kMethodNgi: return {10, 52, "*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *"};
    case kMethodIcpMtd: return {20, 35, "*  IMPERIAL COLLEGE (MTD) METHOD  *"};
    case kMethodFugro: return {20, 35, "*    FUGRO 2004 (FUGRO) METHOD    *"};
    case kMethodUwa: return {13, 45, "*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *"};
    default: return {0, 0, ""};
  }
}

}  // namespace

void writeResultHeading(RunState& state) {
  std::ostream& out = state.context.report;
  writeEmptyLines(out, 3);
  writeLine(out, "1");
  writeLine(out, fmtX(10) + repeated('*', 22));
  writeLine(out, fmtX(10) + "* COMPUTATION RESULT *");
  writeLine(out, fmtX(10) + repeated('*', 22));
}

void writeMethodTable(RunState& state, int code) {
  std::ostream& out = state.context.report;
  const UnitLabels& labels = state.context.labels;
  const ComputationState& c = state.computation;
  const MethodResults& m = c.methods[code];
  const TableTitle title = titleOf(code);
  const bool tension = state.input.loadingType == 1;

  writeEmptyLines(out, 3);
  writeLine(out, fmtX(title.indent) + repeated('*', title.rule));
  writeLine(out, fmtX(title.indent) + title.text);
  writeLine(out, fmtX(title.indent) + repeated('*', title.rule));
  writeEmptyLines(out, 2);
  if (tension) {
    writeLine(out, fmtX(10) + "   PILE       TOTAL SKIN       SELF      ULTIMATE");
    writeLine(out, fmtX(10) + "PENETRATION   FRICTION        WEIGHT     CAPACITY");
  } else {
    writeLine(out, fmtX(10) + "   PILE       TOTAL SKIN       END       ULTIMATE");
    writeLine(out, fmtX(10) + "PENETRATION   FRICTION       BEARING     CAPACITY");
  }
  writeLine(out, ReportLine()
                     .x(14).a(labels.length, 3)
                     .x(10).a(labels.force, 3)
                     .x(11).a(labels.force, 3)
                     .x(10).a(labels.force, 3)
                     .str());
  for (int r = 1; r <= c.printedRowCount; ++r) {
    const int i = c.printedRows[r];
    ReportLine line;
    line.x(11).f(c.rowDepth[i], 7, 2).x(6).f(m.skinFriction[i], 8, 1).x(6).f(m.endBearing[i], 8, 1);
    if (code != kMethodUserSpecified && m.plugFlag[i] == 2) {
      line.a("*").x(3);
    } else {
      line.x(4);
    }
    line.f(m.ultimateCapacity[i], 9, 1);
    writeLine(out, line.str());
  }
}

}  // namespace corvex
