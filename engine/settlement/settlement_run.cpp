#include "settlement/settlement_run.h"

#include <algorithm>
#include <string>

#include "core/fortran_format.h"
#include "core/run_failure.h"
#include "settlement/axial_stiffness.h"
#include "settlement/load_settlement.h"
#include "settlement/qw_curve.h"
#include "settlement/settlement_units.h"
#include "settlement/settlement_writer.h"
#include "settlement/tz_curve_list.h"

namespace corvex {

using namespace settlement;

namespace {

// The solver's working length unit is the inch or the metre; diameters are read in inches
// or millimetres.
double workingDiameter(bool english, double diameter) {
  return english ? diameter : diameter / 1000.0;
}

void writeStiffnessRefusal(std::ostream& report) {
  report << '\n';
  report << ReportLine().x(10).a("THE LOAD-SETTLEMENT CURVE IS NOT COMPUTED BECAUSE THE AXIAL").str()
         << '\n';
  report << ReportLine().x(10).a("STIFFNESS (AREA TIMES MODULUS OF ELASTICITY) IS ZERO OR").str()
         << '\n';
  report << ReportLine().x(10).a("NEGATIVE ALONG THE PILE.").str() << '\n';
}

// Without a march the plot-data file still gets blocks 4 and 5 (element depths with zero
// loads and movements), so that the blocks after them are read where the reader expects.
void writeEmptySettlementBlocks(std::ostream& plot, SettlementState& st, const WriterUnits& units) {
  for (int b = 1; b <= st.source.elementCount; ++b) {
    st.elements[b] = ElementResult{};
    st.elements[b].midDepth = st.pileLength - (b - 0.5) * st.elementLength;
  }
  for (int k = 1; k <= kTipMovementCount; ++k) {
    st.results[k] = TipMovementResult{};
    writeLoadDistributionBlock(plot, st, units);
  }
  for (int k = 1; k <= kTipMovementCount; ++k) {
    plot << ReportLine().e(0.0, 17, 4).e(0.0, 16, 4).e(0.0, 16, 4).e(0.0, 16, 4).str() << '\n';
  }
}

// The q-w curve from the t-z method's tip resistance at the last depth row.
void buildTipCurve(const InputModel& input, SettlementState& st, bool english, bool usace,
                   double od, double embeddedLength) {
  QwCurveInput tip;
  tip.usace = usace;
  tip.english = english;
  const int lastRow = st.source.rowCount;
  const double qp = lastRow >= 1 ? st.source.tipResistance[lastRow] : 0.0;
  tip.tipResistance = english ? qp * 1000.0 : qp;  // kip to lb
  tip.diameter = od;
  tip.tipSoilType = input.points[profilePointAtOrBelow(input, embeddedLength)].soilType;
  tip.frictionAngle = st.curveCount >= 1 ? st.curves[st.curveCount].frictionAngle : 0.0;
  buildQwCurve(st.qw, tip);
}

}  // namespace

void computeLoadSettlement(const InputModel& input, const RunContext& context,
                           SettlementState& st, double embeddedLength, std::ostream& report,
                           std::ostream& plot) {
  const bool english = isEnglish(input.unitSystem);
  const double lengthFactor = english ? 12.0 : 1.0;
  const double od = workingDiameter(english, input.outerDiameter);
  const double id = workingDiameter(english, input.innerDiameter);
  const bool usace = input.tzMethod == kUsaceMethod;
  const WriterUnits units = writerUnits(context, input);

  writeLoadTransferIntro(report);

  CurvePile pile;
  pile.english = english;
  pile.usace = usace;
  pile.od = od;
  pile.stickUp = input.stickUpLength * lengthFactor;
  std::string reason;
  if (!buildTzCurveList(st, input, pile, reason)) throw RunFailure(reason);

  buildTipCurve(input, st, english, usace, od, embeddedLength);

  writeTzCurves(report, plot, st, units);
  writeQwCurve(report, st.qw, units);

  st.pileLength = (input.stickUpLength + embeddedLength) * lengthFactor;
  const int elements = st.source.elementCount;
  st.elementLength = elements >= 1 ? st.pileLength / elements : 0.0;

  StiffnessPile section;
  section.english = english;
  section.od = od;
  section.id = id;
  section.length = st.pileLength;
  buildStiffnessTable(st, input, section);

  if (!stiffnessIsPositive(st)) {
    writeStiffnessRefusal(report);
    writeEmptySettlementBlocks(plot, st, units);
    return;
  }

  for (int k = 1; k <= kTipMovementCount; ++k) {
    const double wt = english ? kAssumedTipMovements[k] : kAssumedTipMovements[k] / kInchesPerMetre;
    st.results[k] = solveForTipMovement(st, od, wt);
    writeTipMovementTable(report, st, st.results[k], units);
    writeLoadDistributionBlock(plot, st, units);
  }
  writeLoadSettlement(report, plot, st, units);
}

void takeLoadTransferSource(const ComputationState& c, LoadTransferSource& source) {
  source = LoadTransferSource{};
  const int rows = std::min(c.printedRowCount, kSourceRowCapacity);
  source.rowCount = rows;
  source.elementCount = rows;
  for (int r = 1; r <= rows; ++r) {
    const int i = c.printedRows[r];
    source.depth[r] = c.rowDepth[i];
    source.skinFriction[r] = c.loadTransferSkin[i];
    source.tipResistance[r] = c.loadTransferTip[i];
  }
}

void runLoadSettlement(RunState& state, double embeddedLength) {
  takeLoadTransferSource(state.computation, state.settlement.source);
  computeLoadSettlement(state.input, state.context, state.settlement, embeddedLength,
                        state.context.report, state.context.plot);
}

}  // namespace corvex
