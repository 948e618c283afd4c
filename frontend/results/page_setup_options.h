#pragma once
// The options and margins of the page-setup dialog, and the texts of its failures.

#include <string>

namespace corvex {

enum TPageSetupOption : unsigned {
  poDefaultMinMargins = 1u << 0,
  poDisableMargins = 1u << 1,
  poMargins = 1u << 2,
  poMinMargins = 1u << 3,
  poDisableOrientation = 1u << 4,
  poDisablePaper = 1u << 5,
  poDisablePrinter = 1u << 6,
  poHundredthsOfMillimeters = 1u << 7,
  poThousandthsOfInches = 1u << 8,
};
using TPageSetupOptions = unsigned;

// The options after `requested` replaces `current`: of the pairs default/explicit minimum
// margins and hundredths of a millimetre/thousandths of an inch only one member stays; a
// member newly set removes the other.
TPageSetupOptions MergePageSetupOptions(TPageSetupOptions current, TPageSetupOptions requested);

// "Error in <step>\r<text>".
std::string PageSetupError(const std::string& step, const std::string& text);

}  // namespace corvex
