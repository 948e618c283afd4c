// The engine's console: where the banner, the check messages and the prompts for missing
// file names go, and where typed file names come from. ICORVEX uses the process's standard
// streams; tests pass string streams.
#pragma once

#include <istream>
#include <ostream>

namespace corvex {

struct Console {
  std::istream& in;
  std::ostream& out;
};

}  // namespace corvex
