#include "core/input_checks.h"

#include <cmath>
#include <limits>

#include "core/fortran_format.h"
#include "core/run_failure.h"

namespace corvex {

double requiredProfileDepth(const InputModel& input) {
  const double embedded = input.totalLength - input.stickUpLength;
  // Any unit system other than English is SI throughout, as for the unit labels.
  const double perLength = input.unitSystem == 1 ? 12.0 : 1000.0;
  return embedded + 2.0 * input.outerDiameter / perLength;
}

bool noteShortProfile(const InputModel& input, const UnitLabels& labels, std::ostream& console) {
  const double required = requiredProfileDepth(input);
  if (input.points[input.profilePointCount].depth >= required) return false;
  console << "\n\n\n"
          << fmtX(10) << "COMPUTATION DOES NOT PROCEED BECAUSE NO SOIL INFORMATION\n"
          << ReportLine().x(10).a("WAS PROVIDED AT THE DEPTH ").f(required, 10, 2).x(1)
                 .a(labels.length).str() << "\n"
          << fmtX(10) << "PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE "
          << " PILE LENGTH PLUS TWO PILE DIAMETERS\n";
  return true;
}

bool stopForShallowProfile(const InputModel& input, const UnitLabels& labels, std::ostream& report) {
  const double required = requiredProfileDepth(input);
  if (input.deepestProfileDepth >= required) return false;
  report << "\n\n"
         << ReportLine().x(10).a("COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE ")
                .f(input.deepestProfileDepth, 7, 2).x(1).a(labels.length).str() << "\n"
         << ReportLine().x(10).a("IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER ")
                .f(required, 10, 2).x(1).a(labels.length).str() << "\n";
  return true;
}

int32_t countSegments(const InputModel& input) {
  if (!(input.depthIncrement > 0.0)) {
    throw RunFailure("The depth increment must be greater than zero.");
  }
  const double quotient = input.deepestProfileDepth / input.depthIncrement + 1.0e-6;
  // Counts beyond the integer range are held at its limit; any of them stops the run.
  if (quotient >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  const auto segments = static_cast<int32_t>(std::trunc(quotient));
  if (segments < 1) {
    throw RunFailure("The deepest soil profile depth is less than one depth increment.");
  }
  return segments;
}

void adjustThinLayers(InputModel& input) {
  const double dz = input.depthIncrement;
  for (int k = 1; k < input.profilePointCount; ++k) {
    const double thickness = input.points[k + 1].depth - input.points[k].depth;
    if (thickness < 0.5 * dz) {
      input.points[k + 1].depth = input.points[k].depth;
    } else if (thickness < dz) {
      input.points[k + 1].depth = input.points[k].depth + dz;
    }
  }
}

void writeSegmentMessage(std::ostream& out, int32_t segmentCount) {
  out << "\n\n"
      << ReportLine().x(1).a("YOUR NUMBERS OF SEGMENT ").i(segmentCount, 4).a(" IS LARGER THAN").str()
      << "\n"
      << " DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF \n"
      << " SEGMENT OR CONSULT HALVORN, INC. FOR CHANGING THE DEFAULT VALUE\n";
}

}  // namespace corvex
