// Unit load transfer at any depth along the pile and any movement, from the t-z curve list.
#pragma once

#include "settlement/settlement_state.h"

namespace corvex::settlement {

// t at depth (from the pile head) and movement z: the first curve deeper than the depth
// and the curve before it are each read at z, and the two values are interpolated
// linearly in depth. Above the first curve the first curve holds, below the last curve the
// last one.
double unitLoadTransferAt(const SettlementState& st, double depth, double z);

}  // namespace corvex::settlement
