#include "core/handoff.h"

#include <fstream>

#include "core/free_format_reader.h"
#include "core/run_failure.h"

namespace corvex {

namespace {

bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  return true;
}

// Asks for one file name: two empty lines, the prompt indented seven blanks, " ENTER >".
std::string askForName(Console& console, const char* prompt) {
  console.out << "\n\n       " << prompt << "\n ENTER >\n" << std::flush;
  std::string line;
  if (!std::getline(console.in, line)) line.clear();
  return fixedField(line, kPathWidth);
}

}  // namespace

std::string fixedField(const std::string& line, int width) {
  std::string field = line.substr(0, static_cast<size_t>(width));
  const auto last = field.find_last_not_of(" \t\r\n");
  field.erase(last == std::string::npos ? 0 : last + 1);
  return field;
}

void readHandoff(std::istream& handoff, RunContext& context, Console& console) {
  std::string line;
  if (!readLine(handoff, line)) throw RunFailure("The handoff file names.dat is empty.");
  context.versionText = fixedField(line, kVersionWidth);
  if (!readLine(handoff, line)) throw RunFailure("The handoff file names.dat ends after line 1.");
  context.identification1 = fixedField(line, kIdentificationWidth);
  if (!readLine(handoff, line)) throw RunFailure("The handoff file names.dat ends after line 2.");
  context.identification2 = fixedField(line, kIdentificationWidth);
  if (!readLine(handoff, line)) throw RunFailure("The handoff file names.dat ends after line 3.");
  context.identificationNumber = readIntegerItem(line, "line 4 of the handoff file names.dat");

  std::string paths[4];
  for (auto& path : paths) {
    if (!readLine(handoff, line)) {
      // An incomplete handoff file: the names are typed on the console instead.
      context.inputPath = askForName(console, "ENTER A FILE NAME FOR YOUR INPUT FILE.");
      context.reportPath = askForName(console, "ENTER A FILE NAME FOR YOUR OUTPUT FILE.");
      context.plotPath = askForName(console, "ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.");
      context.cptPath.clear();
      return;
    }
    path = fixedField(line, kPathWidth);
  }
  context.inputPath = paths[0];
  context.reportPath = paths[1];
  context.plotPath = paths[2];
  context.cptPath = paths[3];
}

void readHandoffFile(RunContext& context, Console& console) {
  std::ifstream handoff("names.dat", std::ios::binary);
  if (!handoff) throw RunFailure("The handoff file names.dat cannot be opened.");
  readHandoff(handoff, context, console);
}

}  // namespace corvex
