#pragma once
// Input/output failure of a front-end reader or writer. Readers raise it with fixed texts
// that callers show to the user unchanged.
#include <stdexcept>
#include <string>

class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(const std::string& message) : std::runtime_error(message) {}
};

// The text every reader gives when a file ends before all expected values were read.
inline constexpr const char* kInvalidOrIncompleteFile = "This file either invalid or incomplete.";
