#include "core/fortran_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace corvex {

namespace {

std::string stars(int width) { return std::string(width > 0 ? width : 0, '*'); }

// Right-aligns text in width columns, or asterisks when it does not fit.
std::string rightAligned(const std::string& text, int width) {
  if (width <= 0) return {};
  if (static_cast<int>(text.size()) > width) return stars(width);
  return std::string(width - text.size(), ' ') + text;
}

std::string nonFinite(double value, int width) {
  if (std::isnan(value)) return rightAligned("NaN", width);
  return rightAligned(value < 0 ? "-Inf" : "Inf", width);
}

// A positive finite value written as 0.d1d2d3... x 10^exponent.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The value's first `precision` significant digits, correctly rounded. With 770 digits the
// expansion is exact: a double's decimal expansion is finite and never longer.
Decimal decimalDigits(double positive, int precision) {
  std::array<char, 800> buffer{};
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), positive,
                                 std::chars_format::scientific, precision - 1);
  (void)ec;  // the buffer holds the longest expansion
  std::string_view sci(buffer.data(), end - buffer.data());
  const auto ePos = sci.find('e');
  Decimal d;
  for (char c : sci.substr(0, ePos))
    if (c != '.') d.digits += c;
  int exp10 = 0;
  const char* expBegin = sci.data() + ePos + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, sci.data() + sci.size(), exp10);
  d.exponent = exp10 + 1;
  return d;
}

// Keeps `keep` leading digits, rounding to nearest with ties away from zero (0.125 to two
// decimals is 0.13), as a hand calculation rounds. The exponent grows when rounding carries
// into a new leading digit.
void roundDigits(Decimal& d, int keep) {
  while (keep < 1) {
    d.digits.insert(0, 1, '0');
    ++d.exponent;
    ++keep;
  }
  if (static_cast<int>(d.digits.size()) > keep) {
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
      int k = keep - 1;
      while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
      if (k >= 0) {
        ++d.digits[k];
      } else {
        d.digits.insert(0, 1, '1');
        ++d.exponent;
      }
    }
  }
  if (static_cast<int>(d.digits.size()) < keep) d.digits.append(keep - d.digits.size(), '0');
}

// Digits of the value rounded to `keepFor(exponent)` leading digits. A short expansion decides
// the rounding unless its digits after the kept ones read exactly 5000...: then the exact
// expansion tells a true tie (rounded away from zero) from a value just below or above it.
template <typename KeepFor>
Decimal roundedDecimal(double positive, KeepFor keepFor) {
  constexpr int kShortDigits = 40;
  constexpr int kAllDigits = 770;
  Decimal d = decimalDigits(positive, kShortDigits);
  const int keep = keepFor(d.exponent);
  bool decided = keep < kShortDigits - 1;
  if (decided && keep >= 0) {
    const std::string_view tail = std::string_view(d.digits).substr(keep);
    decided = !(tail.front() == '5' && tail.find_first_not_of('0', 1) == std::string_view::npos);
  }
  if (!decided) {
    d = decimalDigits(positive, kAllDigits);
    roundDigits(d, keepFor(d.exponent));
    return d;
  }
  roundDigits(d, keep);
  return d;
}

bool allZeroDigits(std::string_view digits) {
  for (char c : digits)
    if (c >= '1' && c <= '9') return false;
  return true;
}

}  // namespace

std::string fmtF(double value, int width, int decimals) {
  if (width <= 0) return {};
  if (decimals < 0) return stars(width);
  if (!std::isfinite(value)) return nonFinite(value, width);

  std::string intPart = "0";
  std::string fracPart(decimals, '0');
  if (value != 0.0) {
    if (std::fabs(value) >= 1.0e300) return stars(width);  // far too many integer digits
    Decimal d = roundedDecimal(std::fabs(value), [decimals](int exponent) { return exponent + decimals; });
    if (d.exponent > width + 1) return stars(width);
    if (d.exponent > 0) {
      intPart = d.digits.substr(0, d.exponent);
      fracPart = d.digits.substr(d.exponent);
    } else {
      fracPart = std::string(-d.exponent, '0') + d.digits;
    }
    const auto firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
  }
  const std::string body = intPart + "." + fracPart;  // the point is always written

  const bool negative = value < 0.0 && !allZeroDigits(body);
  std::string text = (negative ? "-" : "") + body;
  if (static_cast<int>(text.size()) > width && decimals > 0 && intPart == "0") {
    text = (negative ? "-" : "") + body.substr(1);  // drop the optional leading zero
  }
  return rightAligned(text, width);
}

std::string fmtE(double value, int width, int decimals) {
  if (width <= 0) return {};
  if (decimals < 1) return stars(width);
  if (!std::isfinite(value)) return nonFinite(value, width);

  std::string digits(decimals, '0');
  int exponent = 0;
  if (value != 0.0) {
    Decimal d = roundedDecimal(std::fabs(value), [decimals](int) { return decimals; });
    digits = d.digits.substr(0, decimals);
    exponent = d.exponent;
  }

  const int magnitude = std::abs(exponent);
  if (magnitude > 999) return stars(width);
  std::string expDigits = std::to_string(magnitude);
  std::string expText;
  if (magnitude <= 99) {
    if (expDigits.size() < 2) expDigits.insert(0, 1, '0');
    expText = std::string("E") + (exponent < 0 ? '-' : '+') + expDigits;
  } else {
    expText = std::string(1, exponent < 0 ? '-' : '+') + expDigits;
  }

  const bool negative = value < 0.0;
  std::string text = (negative ? "-" : "") + std::string("0.") + digits + expText;
  if (static_cast<int>(text.size()) > width) {
    text = (negative ? "-" : "") + std::string(".") + digits + expText;  // optional leading zero
  }
  return rightAligned(text, width);
}

std::string fmtI(int64_t value, int width) {
  if (width <= 0) return {};
  std::array<char, 32> buffer{};
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return stars(width);
  return rightAligned(std::string(buffer.data(), end), width);
}

std::string fmtX(int count) { return std::string(count > 0 ? count : 0, ' '); }

std::string fmtA(std::string_view text, int width) {
  if (width <= 0) return {};
  if (static_cast<int>(text.size()) >= width) return std::string(text.substr(0, width));
  return std::string(width - text.size(), ' ') + std::string(text);
}

}  // namespace corvex
