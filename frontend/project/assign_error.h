#pragma once
// Failure to store an entry: an expression that cannot be evaluated, or a value a cell or
// field does not accept. Callers show the text unchanged ("\r" is a line break).
#include <stdexcept>
#include <string>

class EAssignError : public std::runtime_error {
public:
    explicit EAssignError(const std::string& message) : std::runtime_error(message) {}
};
