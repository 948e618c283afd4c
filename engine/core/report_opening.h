// The opening block of the report: the banner (also written to the console), the
// identification and file-name blocks, and the time and date of the analysis.
#pragma once

#include <ctime>
#include <ostream>
#include <string>

#include "core/run_state.h"

namespace corvex {

// A path split into its drive ("C:", up to 3 characters; empty on systems without drive
// letters), directory with its trailing separator, file name, and extension with its dot
// (up to 5 characters). Trailing blanks of each piece are removed.
struct PathPieces {
  std::string drive;
  std::string directory;
  std::string name;
  std::string extension;
};
PathPieces splitPath(const std::string& path);

void writeBanner(std::ostream& out, const RunContext& context);
void writeIdentificationBlock(std::ostream& out, const RunContext& context);
void writeFileNameBlock(std::ostream& out, const RunContext& context);

// The time-and-date block for the given local time (the date line is left out when the
// month is outside 1 to 12).
void writeTimeAndDate(std::ostream& out, const std::tm& localTime);

}  // namespace corvex
