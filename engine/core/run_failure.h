// The failure that ends a run with status 2: a missing or short handoff file, a file that
// cannot be opened, a malformed or missing value, or input beyond the tables' capacity.
// The run sequence catches it, writes its one-line reason into the report when the report
// is open, and closes every file.
#pragma once

#include <stdexcept>
#include <string>

namespace corvex {

class RunFailure : public std::runtime_error {
 public:
  explicit RunFailure(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace corvex
