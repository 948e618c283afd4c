#include "core/free_format_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/handoff.h"
#include "core/run_failure.h"

namespace corvex {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

}  // namespace

bool parseReal(std::string_view text, double& value) {
  if (text.empty()) return false;
  std::string digits(text);
  if (digits.front() == '+') digits.erase(0, 1);
  // A D exponent (1.5D3) is the double-precision form of an E exponent.
  for (char& c : digits)
    if (c == 'd' || c == 'D') c = 'E';
  if (digits.empty() || digits.front() == '+' ) return false;
  double parsed = 0.0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed,
                                   std::chars_format::general);
  if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}

bool parseInteger(std::string_view text, int32_t& value) {
  double parsed = 0.0;
  if (!parseReal(text, parsed)) return false;
  if (parsed != std::trunc(parsed)) return false;
  if (parsed < std::numeric_limits<int32_t>::min() || parsed > std::numeric_limits<int32_t>::max()) {
    return false;
  }
  value = static_cast<int32_t>(parsed);
  return true;
}

int32_t readIntegerItem(const std::string& line, const std::string& what) {
  size_t begin = 0;
  while (begin < line.size() && isSeparator(line[begin])) ++begin;
  size_t end = begin;
  while (end < line.size() && !isSeparator(line[end])) ++end;
  int32_t value = 0;
  if (!parseInteger(std::string_view(line).substr(begin, end - begin), value)) {
    throw RunFailure("The value \"" + line.substr(begin, end - begin) + "\" in " + what +
                     " is not an integer.");
  }
  return value;
}

FreeFormatReader::FreeFormatReader(std::istream& in, std::string fileDescription)
    : in_(in), file_(std::move(fileDescription)) {}

std::string FreeFormatReader::readText(int columns, const std::string& what) {
  if (!std::getline(in_, line_)) {
    throw RunFailure("The " + file_ + " ends before " + what + ".");
  }
  ++lineNumber_;
  position_ = line_.size();  // a following read starts on a new line
  return fixedField(line_, columns);
}

void FreeFormatReader::startRead() {
  line_.clear();
  position_ = 0;
}

std::string_view FreeFormatReader::nextValue(const std::string& what) {
  for (;;) {
    while (position_ < line_.size() && isSeparator(line_[position_])) ++position_;
    if (position_ < line_.size()) break;
    if (!std::getline(in_, line_)) {
      throw RunFailure("The " + file_ + " ends before " + what + " (after line " +
                       std::to_string(lineNumber_) + ").");
    }
    ++lineNumber_;
    position_ = 0;
  }
  const size_t begin = position_;
  while (position_ < line_.size() && !isSeparator(line_[position_])) ++position_;
  return std::string_view(line_).substr(begin, position_ - begin);
}

void FreeFormatReader::readItem(const std::string& what, double& value) {
  const std::string_view text = nextValue(what);
  if (!parseReal(text, value)) malformed(what, text);
}

void FreeFormatReader::readItem(const std::string& what, int32_t& value) {
  const std::string_view text = nextValue(what);
  if (!parseInteger(text, value)) malformed(what, text);
}

void FreeFormatReader::malformed(const std::string& what, std::string_view text) const {
  throw RunFailure("Malformed value \"" + std::string(text) + "\" in " + what + ", line " +
                   std::to_string(lineNumber_) + " of the " + file_ + ".");
}

}  // namespace corvex
