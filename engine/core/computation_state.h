// Tables filled by the computation driver and the capacity methods: increments, nodes,
// stresses, segment table, depth rows and the per-method result columns.
#pragma once

namespace corvex {

struct ComputationState {
};

}  // namespace corvex
