// Keeps the process's numeric locale at "C" (decimal point ".") for the length of an engine
// call and puts the previous setting back on every way out.
#pragma once

#include <clocale>
#include <string>

namespace corvex {

class TNumericLocaleGuard {
 public:
  TNumericLocaleGuard() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    saved_ = current ? current : "C";
    std::setlocale(LC_NUMERIC, "C");
  }
  ~TNumericLocaleGuard() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  TNumericLocaleGuard(const TNumericLocaleGuard&) = delete;
  TNumericLocaleGuard& operator=(const TNumericLocaleGuard&) = delete;

 private:
  std::string saved_;
};

}  // namespace corvex
