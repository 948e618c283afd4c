#include "results/page_setup_options.h"

namespace corvex {

namespace {

TPageSetupOptions KeepOneOfPair(TPageSetupOptions current, TPageSetupOptions result,
                                TPageSetupOption a, TPageSetupOption b) {
  const bool newA = (result & a) && !(current & a);
  const bool newB = (result & b) && !(current & b);
  if (newA) return result & ~static_cast<unsigned>(b);
  if (newB) return result & ~static_cast<unsigned>(a);
  return result;
}

}  // namespace

TPageSetupOptions MergePageSetupOptions(TPageSetupOptions current, TPageSetupOptions requested) {
  TPageSetupOptions result = requested;
  result = KeepOneOfPair(current, result, poDefaultMinMargins, poMinMargins);
  result = KeepOneOfPair(current, result, poThousandthsOfInches, poHundredthsOfMillimeters);
  return result;
}

std::string PageSetupError(const std::string& step, const std::string& text) {
  return "Error in " + step + "\r" + text;
}

}  // namespace corvex
