#include "core/input_echo.h"

#include <cmath>

#include "core/fortran_format.h"
#include "core/offshore_echo.h"
#include "core/report_text.h"

namespace corvex {
namespace {

// Pi rounded to single precision, as the section areas of the echo use it.
constexpr double kSinglePrecisionPi = 3.14159989;

std::string indent(std::string_view text) { return fmtX(10) + std::string(text); }

bool english(const InputModel& in) { return in.unitSystem == 1; }

const char* methodLine(int switchIndex) {
  switch (switchIndex) {
    case 1: return "- FHWA (Federal Highway Administration)";
    case 2: return "- USACE (U.S. Army Corps of Engineers)";
    case 3: return "- Revised Lambda";
    case 4: return "- API RP 2A (American Petroleum Institute)";
    case 5: return "- Load-transfer Units specified by User";
    case 6: return "- NGI (Norwegian Geotechnical Institute)";
    case 7: return "- ICP/MTD (Imperial College of London)";
    case 8: return "- FUGRO (Offshore Driven Piles in Sand)";
    case 9: return "- UWA (University of Western Australia)";
    default: return "";
  }
}

bool apiSelected(const InputModel& in) { return in.methodSwitch[4] == 1; }

// Pile type 6, or precast concrete with a perimeter given.
bool noncircular(const InputModel& in) {
  return in.pileType == 6 || (in.pileType == 3 && in.perimeter != 0.0);
}

void writeTitleBlock(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  writeEmptyLines(out, 3);
  writeLine(out, "1");
  writeLine(out, indent(repeated('*', 21)));
  writeLine(out, indent("* INPUT INFORMATION *"));
  writeLine(out, indent(repeated('*', 21)));
  writeEmptyLines(out, 3);
  writeLine(out, indent(fixedText(fixedText(in.title, 72), 70)));
  writeEmptyLines(out, 1);
  writeLine(out, indent("DESIGNER   : " + fixedText(fixedText(in.designer, 72), 60)));
  writeEmptyLines(out, 1);
  writeLine(out, indent("JOB NUMBER : " + fixedText(fixedText(in.jobNumber, 72), 60)));
}

void writeMethods(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  writeEmptyLines(out, 2);
  writeLine(out, indent("METHOD FOR UNIT LOAD TRANSFERS : "));
  writeEmptyLines(out, 1);
  writeLine(out, indent(methodLine(in.tzMethod)));
  writeLine(out, indent(in.reducedCurvesSwitch == 1
                            ? "  Reduced Unit Side Friction and Unit Side Resistance are used."
                            : "  Unfactored Unit Side Friction and Unit Side Resistance are used."));

  writeEmptyLines(out, 3);
  writeLine(out, indent("COMPUTATION METHOD(S) FOR PILE CAPACITY : "));
  writeEmptyLines(out, 1);
  for (int s = 1; s <= 9; ++s) {
    if (in.methodSwitch[s] != 1) continue;
    writeLine(out, indent(methodLine(s)));
    if (s == 2) {
      writeLine(out, indent("  # Critical Depth Method for Sand:"));
      if (in.criticalDepthMode == 1) {
        writeLine(out, indent("    At Effective Stress Reaching 3,500 psf (185 kPa)"));
      } else if (in.criticalDepthMode == 2) {
        writeLine(out, ReportLine()
                           .x(10).a("    At User-Specified Critical Depth =")
                           .f(in.userCriticalDepth, 10, 2).x(1).a(state.context.labels.length, 3)
                           .str());
      } else {
        writeLine(out, indent("    10 to 20 Pile Diameter based on the Density"));
      }
    }
    if (s == 7) writeClayDrainageLine(out, in);
  }
}

void writeLoading(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  const bool tension = in.loadingType == 1;
  writeEmptyLines(out, 2);
  writeLine(out, indent("TYPE OF LOADING : "));
  writeLine(out, indent(tension ? "- TENSION  " : "- COMPRESSION  "));
  if (tension && apiSelected(in)) {
    writeLine(out, ReportLine()
                       .x(10).a("  REDUCTION FACTOR FOR TENSION LOADING =")
                       .f(in.tensionFactor, 10, 2)
                       .str());
  }
}

void writePileType(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  writeEmptyLines(out, 2);
  writeLine(out, indent("PILE TYPE : "));
  writeEmptyLines(out, 1);
  const char* text = "";
  switch (in.pileType) {
    case 1: text = "Steel pipe pile or non-tapered portion of monotube pile"; break;
    case 2: text = "Timber pile"; break;
    case 3:
      text = in.perimeter != 0.0 ? "Precast concrete pile (Square/Rectangular/Orthogonal)"
                                 : "Precast concrete pile (Circular/Tubular)";
      break;
    case 4: text = "Raymond step-taper pile"; break;
    case 5: text = "Raymond Uniform taper pile"; break;
    case 6: text = "H-Pile/Steel Pile"; break;
    case 7: text = "Tapered portion of Monotube pile"; break;
    default: break;
  }
  writeLine(out, indent(text));
  const bool tapered = in.pileType == 2 || in.pileType == 4 || in.pileType == 5 || in.pileType == 7;
  if (apiSelected(in) && tapered && in.taperAngle > 0.0) {
    writeLine(out, ReportLine()
                       .x(10).a("Angle of taper for a tapered pile  (degrees) =")
                       .f(in.taperAngle, 10, 2)
                       .str());
  }
}

// Cross-section area shown in area mode 0 (in2 or m2).
double echoedSectionArea(const InputModel& in) {
  if (in.pileType == 6 || (in.pileType == 3 && in.perimeter != 0.0)) {
    return english(in) ? in.tipArea * 144.0 : in.tipArea;  // the tip area as read
  }
  const double od2 = in.outerDiameter * in.outerDiameter;
  const double id2 = in.pileType == 1 ? in.innerDiameter * in.innerDiameter : 0.0;
  const double area = kSinglePrecisionPi / 4.0 * (od2 - id2);
  return english(in) ? area : area / 1000.0 / 1000.0;
}

void writeAxialStiffness(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  UnitLabels& labels = state.context.labels;
  labels.modulus = english(in) ? "PSI" : "KPA";
  writeEmptyLines(out, 2);
  writeLine(out, indent("DATA FOR AXIAL STIFFNESS : "));
  writeEmptyLines(out, 1);
  writeLine(out, ReportLine()
                     .x(10).a("- MODULUS OF ELASTICITY     =")
                     .e(in.elasticModulus, 10, 3).x(1).a(labels.modulus, 3)
                     .str());
  if (in.areaMode == 2) {
    writeLine(out, indent("- CROSS SECTION AREA ALONG DEPTH"));
    writeLine(out, ReportLine()
                       .x(10).a(" DEPTH,").a(labels.length, 3)
                       .x(10).a(" AREA,").a(labels.area, 3)
                       .str());
    for (int r = 1; r <= in.areaRowCount; ++r) {
      writeLine(out, ReportLine()
                         .x(10).f(in.areaRows[r].distanceFromHead, 10, 2)
                         .x(10).f(in.areaRows[r].area, 10, 2)
                         .str());
    }
    return;
  }
  const double area = in.areaMode == 1 ? in.constantSectionArea : echoedSectionArea(in);
  writeLine(out, ReportLine()
                     .x(10).a("- CROSS SECTION AREA        =")
                     .f(area, 10, 2).x(1).a(labels.area, 3)
                     .str());
}

void writeValueLine(std::ostream& out, std::string_view text, double value,
                    const std::string& label) {
  writeLine(out, ReportLine().x(10).a(text).f(value, 10, 2).x(1).a(label, 3).str());
}

void writeLengths(std::ostream& out, const InputModel& in, const UnitLabels& labels) {
  writeValueLine(out, "- TOTAL PILE LENGTH, TL     =", in.totalLength, labels.length);
  writeValueLine(out, "- PILE STICKUP LENGTH, PSL  =", in.stickUpLength, labels.length);
  writeValueLine(out, "- ZERO FRICTION LENGTH, ZFL =", in.zeroFrictionLength, labels.length);
}

void writeIncrement(std::ostream& out, const InputModel& in, const UnitLabels& labels) {
  writeLine(out, indent("- INCREMENT OF PILE LENGTH"));
  writeValueLine(out, "  USED IN COMPUTATION       =", in.depthIncrement, labels.length);
}

// The enhanced end section is shown when one was given. Without one, the input reader set
// its length to the total length less 1e-7; that default, like a section as long as the
// embedded pile, is not an enhanced end section and is not shown.
bool hasEnhancedEndSection(const InputModel& in) {
  const double embedded = in.totalLength - in.stickUpLength;
  const double lengthDefault = in.totalLength - 1.0e-7;
  return in.enhancedEndLength != embedded && std::fabs(in.enhancedEndLength - lengthDefault) > 1.0e-9;
}

void writePileProperties(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  const UnitLabels& labels = state.context.labels;
  writeEmptyLines(out, 2);
  if (noncircular(in)) {
    writeLine(out, indent("NONCIRCULAR PILE PROPERTIES : "));
    writeEmptyLines(out, 1);
    writeLengths(out, in, labels);
    // The perimeter is given in inches (mm), like the diameters, so it carries their label.
    writeValueLine(out, "- PERIMETER OF PILE         =", in.perimeter, labels.diameter);
    writeValueLine(out, "- TIP AREA OF PILE          =",
                   english(in) ? in.tipArea * 144.0 : in.tipArea, labels.area);
    writeIncrement(out, in, labels);
    return;
  }
  writeLine(out, indent("CIRCULAR PILE PROPERTIES : "));
  writeEmptyLines(out, 1);
  writeValueLine(out, "- OUTSIDE DIAMETER, OD      =", in.outerDiameter, labels.diameter);
  if (in.pileType != 1) {
    writeLengths(out, in, labels);
    writeIncrement(out, in, labels);
    return;
  }
  writeValueLine(out, "- INTERNAL DIAMETER, ID     =", in.innerDiameter, labels.diameter);
  writeLengths(out, in, labels);
  writeIncrement(out, in, labels);
  if (hasEnhancedEndSection(in)) {
    writeLine(out, indent("- LENGTH OF ENHANCED "));
    writeValueLine(out, "  END SECTION               =", in.enhancedEndLength, labels.length);
    writeLine(out, indent("- INTERNAL DIAMETER OF "));
    writeValueLine(out, "  ENHANCED END SECTION      =", in.enhancedEndInnerDiameter,
                   labels.diameter);
  }
  writeEmptyLines(out, 2);
  writeLine(out, indent("PLUGGED/UNPLUGGED CONDITIONS : "));
  const char* plug = in.plugMode == 1   ? "Plugged for open-ended pile"
                     : in.plugMode == 2 ? "Unplugged for open-ended pile"
                                        : "Internal Pile Plug Calculated by Program";
  writeLine(out, indent(plug));
}

const char* soilName(double soilType) {
  if (soilType == 1.0) return "SAND";
  if (soilType == 2.0) return "CLAY";
  if (soilType == 3.0) return "SILT";
  return "    ";
}

void writeSoilTables(RunState& state) {
  std::ostream& out = state.context.report;
  const InputModel& in = state.input;
  const UnitLabels& labels = state.context.labels;
  const int np = in.profilePointCount;

  writeEmptyLines(out, 3);
  writeLine(out, indent("SOIL INFORMATIONS :"));
  writeEmptyLines(out, 1);
  writeLine(out, indent(fmtX(53)));
  writeEmptyLines(out, 1);
  writeLine(out, indent("                  LATERAL    EFFECTIVE    FRICTION   BEARING"));
  writeLine(out, indent("          SOIL    EARTH      UNIT         ANGLE      CAPACITY"));
  writeLine(out, indent(" DEPTH    TYPE    PRESSURE   WEIGHT       DEGREES    FACTOR"));
  writeLine(out, ReportLine().x(12).a(labels.length, 3).x(24).a(labels.unitWeight, 5).str());
  for (int k = 1; k <= np; ++k) {
    const ProfilePoint& p = in.points[k];
    writeLine(out, ReportLine()
                       .x(10).f(p.depth, 7, 2).x(3).a(soilName(p.soilType), 4)
                       .f(p.lateralCoefficient, 10, 2).f(p.effectiveUnitWeight, 13, 2)
                       .f(p.frictionAngle, 13, 2).f(p.nq, 10, 2)
                       .str());
  }

  writeEmptyLines(out, 3);
  writeLine(out, indent("MAXIMUM   MAXIMUM   UNDISTURB  REMOLDED "));
  writeLine(out, indent("UNIT      UNIT      SHEAR      SHEAR     BLOW   UNIT SKIN  UNIT END"));
  writeLine(out, indent("FRICTION  BEARING   STRENGTH   STRENGTH  COUNT  FRICTION   BEARING"));
  const std::string& s = labels.stress;
  writeLine(out, ReportLine()
                     .x(12).a(s, 3).x(7).a(s, 3).x(8).a(s, 3).x(7).a(s, 3)
                     .x(15).a(s, 3).x(7).a(s, 3)
                     .str());
  const double userScale = english(in) ? 1000.0 : 1.0;
  bool anyDefaulted = false;
  for (int k = 1; k <= np; ++k) {
    const ProfilePoint& p = in.points[k];
    anyDefaulted = anyDefaulted || p.maxSideDefaulted == 1 || p.maxEndDefaulted == 1;
    writeLine(out, ReportLine()
                       .x(10).e(p.maxUnitSideFriction, 8, 2).a(p.maxSideDefaulted == 1 ? "*" : " ")
                       .e(p.maxUnitEndBearing, 9, 2).a(p.maxEndDefaulted == 1 ? "*" : " ")
                       .f(p.undrainedShear, 11, 2).f(p.remoldedShear, 10, 2)
                       .f(p.blowCount, 7, 2)
                       .f(p.userUnitSkinFriction / userScale, 11, 2)
                       .f(p.userUnitEndBearing / userScale, 10, 2)
                       .str());
  }
  if (anyDefaulted) {
    writeEmptyLines(out, 1);
    writeLine(out, indent("* MAXIMUM UNIT FRICTION AND/OR MAXIMUM UNIT BEARING "));
    writeLine(out, indent("  WERE SET TO BE 0.10E+08 BECAUSE THE USER DOES NOT "));
    writeLine(out, indent("  PLAN TO LIMIT THE COMPUTED DATA."));
  }

  writeEmptyLines(out, 3);
  writeLine(out, indent("         LRFD FACTOR  LRFD FACTOR    "));
  writeLine(out, indent("          ON UNIT      ON UNIT       "));
  writeLine(out, indent(" DEPTH    FRICTION     BEARING   "));
  writeLine(out, ReportLine().x(12).a(labels.length, 3).str());
  for (int k = 1; k <= np; ++k) {
    const ProfilePoint& p = in.points[k];
    writeLine(out, ReportLine()
                       .x(10).f(p.depth, 7, 2)
                       .x(1).f(p.sideReductionFactor, 8, 3)
                       .x(4).f(p.endReductionFactor, 8, 3)
                       .str());
  }
  writeOffshoreSoilTable(state);
}

}  // namespace

void writeProjectEcho(RunState& state) {
  writeTitleBlock(state);
  writeMethods(state);
  writeLoading(state);
  writePileType(state);
  writeAxialStiffness(state);
  writePileProperties(state);
  writeSoilTables(state);
}

}  // namespace corvex
