// Ultimate unit side resistance tmax of a t-z curve: the slope of the t-z method's
// cumulative skin friction with depth, spread over the pile perimeter.
#pragma once

#include "settlement/settlement_state.h"

namespace corvex::settlement {

// tmax at depth (below the ground surface, ft or m). English runs give lb/in2 (od in
// inches), SI runs kPa (od in metres).
double ultimateUnitSideResistance(const LoadTransferSource& source, double depth, bool english,
                                  double od);

}  // namespace corvex::settlement
