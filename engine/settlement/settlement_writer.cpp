#include "settlement/settlement_writer.h"

#include "core/fortran_format.h"
#include "settlement/load_settlement.h"

namespace corvex::settlement {
namespace {

void line(std::ostream& out, const ReportLine& l) { out << l.str() << '\n'; }
void blank(std::ostream& out, int count) {
  for (int k = 0; k < count; ++k) out << '\n';
}

double toKip(const WriterUnits& u, double load) { return u.english ? load / 1000.0 : load; }
double toRowDepth(const WriterUnits& u, double depth) { return u.english ? depth / 12.0 : depth; }

}  // namespace

WriterUnits writerUnits(const RunContext& context, const InputModel& input) {
  WriterUnits u;
  u.english = input.unitSystem == 1;
  u.length = context.labels.length;
  u.force = context.labels.force;
  u.loadTransfer = u.english ? "PSI" : context.labels.stress;
  u.movement = u.english ? context.labels.diameter : context.labels.length;
  u.stickUp = u.english ? input.stickUpLength * 12.0 : input.stickUpLength;
  return u;
}

void writeLoadTransferIntro(std::ostream& report) {
  blank(report, 2);
  line(report, ReportLine().x(12).a("AN ASTERISK WILL BE PLACED IN THE END-BEARING COLUMN"));
  line(report, ReportLine().x(12).a("IF THE TIP RESISTANCE IS CONTROLLED BY THE FRICTION"));
  line(report, ReportLine().x(12).a("OF SOIL PLUG INSIDE AN OPEN-ENDED PIPE PILE."));
  blank(report, 1);
  blank(report, 2);
  const std::string rule(49, '*');
  line(report, ReportLine().x(16).a(rule));
  line(report, ReportLine().x(16).a("* COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *"));
  line(report, ReportLine().x(16).a("* CURVES FOR AXIAL LOADING                      *"));
  line(report, ReportLine().x(16).a(rule));
  blank(report, 2);
}

void writeTzTableHeading(std::ostream& report, const WriterUnits& units) {
  line(report, ReportLine().x(8).a("T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD ").a(
                   "TRANSFER   PILE MOVEMENT"));
  line(report, ReportLine()
                   .x(11).a("NO.").x(6).a("POINTS").x(8).a(units.length, 3)
                   .x(14).a(units.loadTransfer, 3).x(13).a(units.movement, 3));
  blank(report, 1);
}

void writeTzCurve(std::ostream& out, const TzCurve& curve, int number, const WriterUnits& units) {
  const double belowGround = toRowDepth(units, curve.depth - units.stickUp);
  line(out, ReportLine().x(8).i(number, 5).i(curve.pointCount, 11).e(belowGround, 16, 4));
  for (int k = 1; k <= kCurvePointCount; ++k) {
    line(out, ReportLine().x(40).e(curve.t[k], 17, 4).e(curve.z[k], 16, 4));
  }
}

void writeTzCurves(std::ostream& report, std::ostream& plot, const SettlementState& st,
                   const WriterUnits& units) {
  writeTzTableHeading(report, units);
  writeCountLine(plot, st.curveCount - st.stickUpCurveCount);
  int number = 0;
  for (int k = st.stickUpCurveCount + 1; k <= st.curveCount; ++k) {
    ++number;
    writeTzCurve(report, st.curves[k], number, units);
    writeTzCurve(plot, st.curves[k], number, units);
  }
}

void writeQwCurve(std::ostream& report, const QwCurve& qw, const WriterUnits& units) {
  blank(report, 3);
  line(report, ReportLine().x(8).a("TIP   LOAD").x(8).a("TIP MOVEMENT"));
  line(report, ReportLine().x(12).a(units.force, 3).x(15).a(units.movement, 3));
  blank(report, 1);
  for (int k = 1; k <= kCurvePointCount; ++k) {
    line(report, ReportLine().e(toKip(units, qw.q[k]), 18, 4).e(qw.w[k], 19, 4));
  }
}

void writeTipMovementTable(std::ostream& report, const SettlementState& st,
                           const TipMovementResult& result, const WriterUnits& units) {
  blank(report, 3);
  line(report, ReportLine().x(8).a("ASSUMED TIP MOVEMENT").x(8).a("TIP   LOAD"));
  line(report, ReportLine().x(17).a(units.movement, 3).x(20).a(units.force, 3));
  line(report, ReportLine().e(result.tipMovement, 23, 4).e(toKip(units, result.tipLoad), 23, 4));

  blank(report, 3);
  line(report, ReportLine().x(5).a("DEPTH   LOAD").x(5).a("LOAD").x(6).a("TOTAL").x(6).a("AVG")
                   .x(5).a("COMP").x(7).a("TOTAL     AVG"));
  line(report, ReportLine().x(11).a("TRANSFER   INCR").x(6).a("LOAD").x(7).a("LOAD").x(4)
                   .a("OF INCR    MVMNT     MVMNT"));
  line(report, ReportLine()
                   .x(6).a(units.length, 3).x(3).a(units.loadTransfer, 3)
                   .x(8).a(units.force, 3).x(7).a(units.force, 3)
                   .x(8).a(units.force, 3).x(5).a(units.movement, 3)
                   .x(8).a(units.movement, 3).x(7).a(units.movement, 3));

  // The first row is the tip itself: its total load and total movement. Then one row per
  // element from the tip upward, at the element's mid-depth from the pile head.
  line(report, ReportLine().x(3).f(toRowDepth(units, st.pileLength), 7, 2).x(9).x(10)
                   .e(toKip(units, result.tipLoad), 10, 3).x(20).e(result.tipMovement, 10, 3));
  for (int b = 1; b <= st.source.elementCount; ++b) {
    const ElementResult& e = st.elements[b];
    line(report, ReportLine().x(3).f(toRowDepth(units, e.midDepth), 7, 2)
                     .f(e.loadTransfer, 9, 2).e(toKip(units, e.loadIncrement), 10, 3).x(10)
                     .e(toKip(units, e.averageLoad), 10, 3).e(e.compression, 10, 3).x(10)
                     .e(e.averageMovement, 10, 3));
  }
  if (result.unconvergedElements > 0) {
    blank(report, 1);
    line(report, ReportLine().x(5).a("NOTE: ").i(result.unconvergedElements, 4)
                     .a(" ELEMENT(S) DID NOT CONVERGE WITHIN ").i(kMaxIterationRounds, 3)
                     .a(" ITERATIONS (FIRST: ELEMENT").i(result.firstUnconvergedElement, 4)
                     .a(" FROM THE TIP)."));
    line(report, ReportLine().x(5).a("      THE VALUES OF THEIR LAST ITERATION ARE SHOWN."));
  }
}

void writeLoadDistributionBlock(std::ostream& plot, const SettlementState& st,
                                const WriterUnits& units) {
  for (int b = 1; b <= st.source.elementCount; ++b) {
    const ElementResult& e = st.elements[b];
    line(plot, ReportLine().x(3).e(toRowDepth(units, e.midDepth), 10, 3)
                   .x(3).e(toKip(units, e.averageLoad), 10, 3)
                   .x(3).e(e.averageMovement, 10, 3));
  }
}

void writeLoadSettlement(std::ostream& report, std::ostream& plot, const SettlementState& st,
                         const WriterUnits& units) {
  blank(report, 3);
  line(report, ReportLine().x(22).a("LOAD VERSUS SETTLEMENT CURVE"));
  line(report, ReportLine().x(22).a(std::string(28, '*')));
  blank(report, 3);
  line(report, ReportLine().x(8).a("TOP  LOAD     TOP MOVEMENT       TIP  LOAD ").x(5)
                   .a("TIP MOVEMENT"));
  line(report, ReportLine().x(11).a(units.force, 3).x(13).a(units.movement, 3)
                   .x(14).a(units.force, 3).x(12).a(units.movement, 3));
  for (int k = 1; k <= kTipMovementCount; ++k) {
    const TipMovementResult& r = st.results[k];
    const ReportLine row = ReportLine()
                               .e(toKip(units, r.headLoad), 17, 4)
                               .e(r.headMovement, 16, 4)
                               .e(toKip(units, r.tipLoad), 16, 4)
                               .e(r.tipMovement, 16, 4);
    line(report, row);
    line(plot, row);
  }
}

void writeCountLine(std::ostream& plot, int count) { line(plot, ReportLine().i(count, 12)); }

}  // namespace corvex::settlement
