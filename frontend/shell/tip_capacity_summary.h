// The ultimate capacity at the pile tip of each computed method, read back from the
// plot-data file of a run, for the command-line summary of corvexrun.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

namespace corvex {

// The method switches of a project file (record 8) and its offshore switch (record 7).
struct TProjectMethods {
  std::array<int, 10> Switch{};  // [1..9]: 1 FHWA, 2 USACE, 3 Revised Lambda, 4 API RP 2A,
                                 // 5 user-specified, 6 NGI, 7 ICP/MTD, 8 Fugro, 9 UWA
  int Offshore = 0;
};

// Reads records 7 and 8 of a project file; false when the file does not have them.
bool ReadProjectMethods(std::istream& project, TProjectMethods& methods);

struct TTipCapacity {
  std::string Method;
  double Penetration = 0.0;  // ft or m
  double Ultimate = 0.0;     // kip or kN
};

struct TTipCapacitySummary {
  int UnitSystem = 1;
  std::vector<TTipCapacity> Capacities;  // in the order of the method blocks
};

// Reads the header and the method blocks of a plot-data file. The blocks are named from the
// project's switches in the file's block order (user-specified, FHWA, USACE, Revised Lambda,
// API RP 2A, then the offshore methods). False when the file holds no complete header and
// method blocks (an empty file, a run stopped at the checks, unreadable fields).
bool ReadTipCapacities(std::istream& plot, const TProjectMethods& methods,
                       TTipCapacitySummary& summary);

}  // namespace corvex
