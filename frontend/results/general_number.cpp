#include "results/general_number.h"

#include <charconv>
#include <cmath>

namespace corvex {

std::string FormatGeneral(double value, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  // Scientific form: upper-case E, as the rest of the program writes exponents.
  if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

}  // namespace corvex
