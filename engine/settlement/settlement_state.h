// Tables filled by the load-transfer curve generator and the load-settlement solver.
#pragma once

namespace corvex {

struct SettlementState {
};

}  // namespace corvex
