// The list of t-z curves along the pile: three per profile interval (top, middle, bottom),
// preceded by three zero curves on the stick-up, ordered by depth from the pile head.
#pragma once

#include <string>

#include "core/run_state.h"

namespace corvex::settlement {

// Pile data the curves need, in the working units (in or m).
struct CurvePile {
  bool english = true;
  bool usace = false;
  double od = 0.0;            // outer diameter, working length unit
  double stickUp = 0.0;       // stick-up length, working length unit
};

// Fills st.curves, st.curveCount and st.stickUpCurveCount from the profile of `input` and
// the t-z method's skin friction in st.source. Returns false, with a reason for the
// report, when the profile needs more curves than the table holds.
bool buildTzCurveList(SettlementState& st, const InputModel& input, const CurvePile& pile,
                      std::string& reason);

// Profile point index at or below the given depth (ft or m); the last point when none is.
int profilePointAtOrBelow(const InputModel& input, double depth);

}  // namespace corvex::settlement
