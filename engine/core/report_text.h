// Small helpers for writing whole report and plot-data lines.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace corvex {

// Writes one line and its line end.
inline void writeLine(std::ostream& out, std::string_view text = {}) {
  out << text << '\n';
}

// Writes n empty lines.
inline void writeEmptyLines(std::ostream& out, int n) {
  for (int i = 0; i < n; ++i) out << '\n';
}

// A fixed-length text item: the text cut or blank-padded on the right to `length`, as a
// blank-padded text variable of that length is printed.
inline std::string fixedText(std::string_view text, std::size_t length) {
  std::string s(text.substr(0, std::min(text.size(), length)));
  s.resize(length, ' ');
  return s;
}

inline std::string repeated(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

}  // namespace corvex
