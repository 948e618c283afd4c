// The engine's free-format reader for the project input file and the CPT file.
//
// One read() takes its values from a new line on: values are separated by blanks, tabs or
// commas; when the line holds too few values the read continues onto the following lines;
// values left on the last line used are ignored. A value read into an integer may be written
// as an integral real ("2", "2.0", "2E0"), so fields written in general notation still read
// as integers. Numbers are parsed independently of the process locale. A value that is not
// a number, a non-integral value for an integer, or the end of the file before all values
// are read ends the run (RunFailure naming the item and the line).
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace corvex {

// Parses one free-format value; false when the text is not a finite number of that kind.
bool parseReal(std::string_view text, double& value);
bool parseInteger(std::string_view text, int32_t& value);

// The first value of a single line, read as an integer (RunFailure naming `what` otherwise).
int32_t readIntegerItem(const std::string& line, const std::string& what);

class FreeFormatReader {
 public:
  // fileDescription names the file in failure messages, e.g. "the input file".
  FreeFormatReader(std::istream& in, std::string fileDescription);

  // A whole line as a fixed text field of `columns` characters, trailing blanks removed.
  std::string readText(int columns, const std::string& what);

  // One free-format read into the given double and int32_t variables, in order.
  template <typename... Items>
  void read(const std::string& what, Items&... items) {
    startRead();
    (readItem(what, items), ...);
  }

 private:
  void startRead();
  std::string_view nextValue(const std::string& what);
  void readItem(const std::string& what, double& value);
  void readItem(const std::string& what, int32_t& value);
  [[noreturn]] void malformed(const std::string& what, std::string_view text) const;

  std::istream& in_;
  std::string file_;
  std::string line_;
  size_t position_ = 0;
  int lineNumber_ = 0;
};

}  // namespace corvex
