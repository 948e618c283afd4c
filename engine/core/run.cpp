#include "core/run.h"

#include <ctime>
#include <fstream>

#include "core/driver.h"
#include "core/fortran_format.h"
#include "core/handoff.h"
#include "core/input_checks.h"
#include "core/input_reader.h"
#include "core/report_opening.h"
#include "core/run_failure.h"

namespace corvex {

namespace {

std::tm localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// Opens an output file from its beginning (former content is dropped).
void openOutput(std::ofstream& stream, const std::string& path, const char* what) {
  stream.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!stream) throw RunFailure("The " + std::string(what) + " \"" + path + "\" cannot be opened.");
}

// Opens an input file; a missing file ends the run instead of being created empty.
void openInput(std::ifstream& stream, const std::string& path, const char* what) {
  if (path.empty()) throw RunFailure("No name was given for the " + std::string(what) + ".");
  stream.open(path, std::ios::in | std::ios::binary);
  if (!stream) throw RunFailure("The " + std::string(what) + " \"" + path + "\" cannot be opened.");
}

void writeOpeningBlock(RunContext& context) {
  writeBanner(context.report, context);
  writeIdentificationBlock(context.report, context);
  writeFileNameBlock(context.report, context);
  context.report << "\n";
  writeTimeAndDate(context.report, localTimeNow());
}

// Reads both input files. A blank CPT path means the run has no CPT data.
void readInputFiles(RunState& state) {
  RunContext& context = state.context;
  std::ifstream input;
  openInput(input, context.inputPath, "input file");
  openOutput(context.plot, context.plotPath, "plot-data file");
  std::ifstream cpt;
  if (!context.cptPath.empty()) openInput(cpt, context.cptPath, "CPT file");

  readProjectInput(input, state.input);
  input.close();
  setUnitLabels(state.input.unitSystem, context.labels);
  if (cpt.is_open()) readCptInput(cpt, state.input);
}

// The profile's plasticity index and cone resistance as read, for the echo of offshore runs.
void restoreReadValuesForOffshore(InputModel& input) {
  if (input.offshoreSwitch < 1) return;
  for (int k = 1; k <= input.profilePointCount; ++k) {
    input.points[k].plasticityIndex = input.points[k].plasticityIndexAsRead;
    input.points[k].coneResistance = input.points[k].coneResistanceAsRead;
  }
}

int32_t checkedRun(RunState& state, Console& console) {
  RunContext& context = state.context;
  readHandoffFile(context, console);
  writeBanner(console.out, context);
  openOutput(context.report, context.reportPath, "report file");
  writeOpeningBlock(context);
  readInputFiles(state);

  InputModel& input = state.input;
  noteShortProfile(input, context.labels, console.out);
  if (stopForShallowProfile(input, context.labels, context.report)) return kStatusStoppedAtChecks;

  console.out << "\n\n" << fmtX(9) << "COMPUTATION IS PROCEEDING........\n" << std::flush;
  restoreReadValuesForOffshore(input);
  writeInputEcho(state);

  input.segmentCount = countSegments(input);
  adjustThinLayers(input);
  if (input.segmentCount > kMaxIncrements) {
    writeSegmentMessage(console.out, input.segmentCount);
    writeSegmentMessage(context.report, input.segmentCount);
    return kStatusStoppedAtChecks;
  }
  runComputation(state);
  return kStatusCompleted;
}

void reportFailure(RunContext& context, Console& console, const std::string& reason) {
  console.out << "\n RUN ENDED: " << reason << "\n" << std::flush;
  if (context.report.is_open()) {
    context.report.clear();
    context.report << "\n" << fmtX(5) << "RUN ENDED: " << reason << "\n";
  }
}

// Closes an output stream; true when everything written reached the file.
bool closeOutput(std::ofstream& stream) {
  if (!stream.is_open()) return true;
  stream.close();
  return !stream.fail();
}

}  // namespace

int32_t runAnalysis(RunState& state, Console& console) {
  RunContext& context = state.context;
  context.status = kStatusCompleted;
  try {
    context.status = checkedRun(state, console);
  } catch (const RunFailure& failure) {
    context.status = kStatusFailed;
    reportFailure(context, console, failure.what());
  } catch (const std::exception& failure) {
    context.status = kStatusFailed;
    reportFailure(context, console, std::string("Unexpected failure: ") + failure.what());
  }
  const bool reportWritten = closeOutput(context.report);
  const bool plotWritten = closeOutput(context.plot);
  if ((!reportWritten || !plotWritten) && context.status != kStatusFailed) {
    context.status = kStatusFailed;
    console.out << "\n RUN ENDED: The report or plot-data file could not be written completely.\n";
  }
  return context.status;
}

}  // namespace corvex
