#include "core/input_reader.h"

#include <memory>
#include <string>

#include "core/free_format_reader.h"
#include "core/run_failure.h"

namespace corvex {

namespace {

// 3.1416 as a single-precision constant (3.14159989), the value the section perimeter is
// divided by to give the equivalent diameter of a noncircular pile.
constexpr double kPerimeterPi = static_cast<double>(3.1416f);

bool isEnglish(const InputModel& input) { return input.unitSystem == 1; }

void requireCount(int32_t count, int32_t capacity, const std::string& what) {
  if (count < 0) {
    throw RunFailure("The " + what + " (" + std::to_string(count) + ") is negative.");
  }
  if (count > capacity) {
    throw RunFailure("The " + what + " (" + std::to_string(count) + ") exceeds the limit of " +
                     std::to_string(capacity) + ".");
  }
}

void readSection(FreeFormatReader& reader, InputModel& input) {
  reader.read("record 5 (pile section)", input.perimeter, input.tipArea, input.outerDiameter,
              input.innerDiameter, input.elasticModulus, input.totalLength, input.stickUpLength);
  if (isEnglish(input)) input.tipArea /= 144.0;  // in2 to ft2
  if (input.perimeter > 1.0e-10) {
    // Noncircular section: an equivalent closed circle of the same perimeter.
    input.innerDiameter = 0.0;
    input.outerDiameter = input.perimeter / kPerimeterPi;
  }
}

void readEnhancedEnd(FreeFormatReader& reader, InputModel& input) {
  reader.read("record 6 (enhanced end section)", input.enhancedEndLength,
              input.enhancedEndInnerDiameter);
  if (input.enhancedEndLength < 1.0e-5) {  // no enhanced end section
    input.enhancedEndInnerDiameter = input.innerDiameter;
    input.enhancedEndLength = input.totalLength - 1.0e-7;
  }
}

// One profile point from its two lines, then the per-point conversions in their fixed order.
void readProfilePoint(FreeFormatReader& reader, InputModel& input, int k) {
  ProfilePoint& p = input.points[k];
  const std::string which = "record 10 (soil profile point " + std::to_string(k);
  reader.read(which + ", line A)", p.depth, p.soilType, p.lateralCoefficient,
              p.effectiveUnitWeight, p.frictionAngle, p.nq);
  reader.read(which + ", line B)", p.maxUnitSideFriction, p.maxUnitEndBearing, p.undrainedShear,
              p.remoldedShear, p.blowCount, p.plasticityIndex, p.coneResistance,
              p.userUnitSkinFriction, p.userUnitEndBearing, p.sideReductionFactor,
              p.endReductionFactor);

  if (p.soilType == 1.0) {  // sand: position 4 carries the blow count
    p.blowCount = p.remoldedShear;
    p.remoldedShear = 0.0;
  }
  if (isEnglish(input)) {  // lb/ft2 to kip/ft2
    p.maxUnitSideFriction /= 1000.0;
    p.maxUnitEndBearing /= 1000.0;
    p.undrainedShear /= 1000.0;
    p.remoldedShear /= 1000.0;
  }
  if (p.maxUnitSideFriction < 1.0e-10) {
    p.maxSideDefaulted = 1;
    p.maxUnitSideFriction = kNoLimit;
  }
  if (p.maxUnitEndBearing < 1.0e-10) {
    p.maxEndDefaulted = 1;
    p.maxUnitEndBearing = kNoLimit;
  }
  // The plasticity index is a percentage and the cone resistance stays in the stress unit of
  // the file (lb/ft2 in English units): the soil-profile step converts qc itself where it
  // uses it. Both are therefore kept as read in every unit system, and the copies that the
  // echo shows for offshore runs are the same values.
  p.plasticityIndexAsRead = p.plasticityIndex;
  p.coneResistanceAsRead = p.coneResistance;
}

void readExtraDepths(FreeFormatReader& reader, InputModel& input) {
  reader.read("record 11 (extra t-z switch)", input.extraTzSwitch);
  if (input.extraTzSwitch != 1) return;
  reader.read("record 11a (number of extra t-z depths)", input.extraDepthCount);
  requireCount(input.extraDepthCount, kMaxExtraDepths, "number of extra t-z depths");
  for (int k = 1; k <= input.extraDepthCount; ++k) {
    reader.read("record 11a (extra t-z depth " + std::to_string(k) + ")", input.extraDepths[k]);
  }
}

void readAreaTable(FreeFormatReader& reader, InputModel& input) {
  reader.read("record 14 (area table)", input.areaRowCount, input.areaMode);
  requireCount(input.areaRowCount, kMaxAreaRows, "number of area rows");
  if (input.areaRowCount <= 1) return;
  for (int k = 1; k <= input.areaRowCount; ++k) {
    AreaRow& row = input.areaRows[k];
    reader.read("record 14a (area row " + std::to_string(k) + ")", row.distanceFromHead, row.area);
  }
}

}  // namespace

void readProjectInput(std::istream& in, InputModel& input) {
  std::destroy_at(&input);
  std::construct_at(&input);
  FreeFormatReader reader(in, "input file");

  input.title = reader.readText(72, "record 1 (title)");
  input.designer = reader.readText(72, "record 2 (designer)");
  input.jobNumber = reader.readText(72, "record 3 (job number)");
  reader.read("record 4 (units, print interval, profile points)", input.unitSystem,
              input.printInterval, input.profilePointCount);
  requireCount(input.profilePointCount, kMaxProfilePoints, "number of soil profile points");
  if (input.profilePointCount < 1) throw RunFailure("The soil profile has no points.");

  readSection(reader, input);
  readEnhancedEnd(reader, input);
  reader.read("record 7 (pile and analysis options)", input.zeroFrictionLength,
              input.depthIncrement, input.pileType, input.taperAngle, input.tzMethod,
              input.offshoreSwitch, input.reducedCurvesSwitch);
  reader.read("record 8 (method switches)", input.methodSwitch[1], input.methodSwitch[2],
              input.methodSwitch[3], input.methodSwitch[4], input.methodSwitch[5],
              input.methodSwitch[6], input.methodSwitch[7], input.methodSwitch[8],
              input.methodSwitch[9]);
  reader.read("record 9 (deepest profile depth, section area)", input.deepestProfileDepth,
              input.constantSectionArea);
  for (int k = 1; k <= input.profilePointCount; ++k) readProfilePoint(reader, input, k);
  readExtraDepths(reader, input);
  reader.read("record 12 (loading type, tension factor)", input.loadingType, input.tensionFactor);
  reader.read("record 13 (drained clay, plug mode)", input.drainedClaySwitch, input.plugMode);
  readAreaTable(reader, input);
  reader.read("record 15 (critical depth)", input.criticalDepthMode, input.userCriticalDepth);
}

void readCptInput(std::istream& in, InputModel& input) {
  FreeFormatReader reader(in, "CPT file");
  reader.read("line 1 of the CPT file (unit flag, number of points)", input.cptFlag,
              input.cptPointCount);
  requireCount(input.cptPointCount, kMaxCptPoints, "number of CPT points");
  for (int k = 1; k <= input.cptPointCount; ++k) {
    CptPoint& point = input.cptPoints[k];
    reader.read("CPT point " + std::to_string(k), point.depth, point.qc);
  }
}

void setUnitLabels(int32_t unitSystem, UnitLabels& labels) {
  const bool english = unitSystem == 1;
  labels.length = english ? "FT." : "M. ";
  labels.diameter = english ? "IN." : "MM.";
  labels.force = english ? "KIP" : "KN.";
  labels.stress = english ? "KSF" : "KPA";
  labels.unitWeight = english ? "LB/CF" : "KN/CM";
  labels.area = english ? "IN2" : "M2 ";
}

}  // namespace corvex
