// Fixed-width field notation of the report and plot-data files.
//
// Every function returns exactly the field it describes, right-aligned and blank-padded;
// a value that does not fit is written as a field of w asterisks. Output never depends on
// the process locale (no printf family, no streams with a locale).
//
//   fmtF(v, w, d)  Fw.d  fixed notation, d decimals:            fmtF(3.14159, 8, 3) == "   3.142"
//   fmtE(v, w, d)  Ew.d  0.ddddE+xx form, d digits after point:  fmtE(123.4, 11, 4) == " 0.1234E+03"
//   fmtI(n, w)     Iw    integer:                                fmtI(-42, 5)        == "  -42"
//   fmtX(n)        nX    n blanks
//   fmtA(t, w)     Aw    text in w columns: a shorter text is padded on the left, a longer
//                        one keeps its leftmost w characters
//
// Rounding is to the nearest decimal of the exact binary value, ties away from zero (0.125
// in F5.2 is " 0.13"; 2.675 is stored just below 2.675 and gives " 2.67"). A value that
// rounds to zero is written without a minus sign. When the field is one column short, the leading zero of a
// value below 1 is left out (".50", "-.1234E+03"), as line-printer notation allows.
// Exponents beyond two digits are written as three digits without the letter E
// ("0.1234+100"). Infinite and NaN values are written as "Inf", "-Inf", "NaN", right-aligned.
//
// ReportLine strings fields together:
//   ReportLine().x(10).a("DEPTH").f(12.5, 8, 2).str() == "          DEPTH   12.50"
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvex {

std::string fmtF(double value, int width, int decimals);
std::string fmtE(double value, int width, int decimals);
std::string fmtI(int64_t value, int width);
std::string fmtX(int count);
std::string fmtA(std::string_view text, int width);

// Builds one line of fields from left to right.
class ReportLine {
 public:
  ReportLine& f(double value, int width, int decimals) { text_ += fmtF(value, width, decimals); return *this; }
  ReportLine& e(double value, int width, int decimals) { text_ += fmtE(value, width, decimals); return *this; }
  ReportLine& i(int64_t value, int width) { text_ += fmtI(value, width); return *this; }
  ReportLine& x(int count) { text_ += fmtX(count); return *this; }
  ReportLine& a(std::string_view text) { text_ += text; return *this; }
  ReportLine& a(std::string_view text, int width) { text_ += fmtA(text, width); return *this; }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

}  // namespace corvex
