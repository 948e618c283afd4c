// The load-transfer and load-settlement step of a run: builds the t-z and q-w curves from
// the t-z method's results (st.settlement.source, filled by the driver), writes them, marches
// the nine assumed tip movements and writes the load distributions and the load-settlement
// curve to the report and the plot-data file.
#pragma once

#include <ostream>

#include "core/run_state.h"

namespace corvex {

// Takes the t-z method's load-transfer column and unfactored tip resistance at the printed
// depth rows from the capacity computation (the curves see the method's values at the
// depths the report prints), then computes and writes everything. embeddedLength is in ft
// or m. Ends the run with a RunFailure (status 2) when the curves do not fit their table.
void runLoadSettlement(RunState& state, double embeddedLength);

// The source table alone, from the computation's load-transfer input.
void takeLoadTransferSource(const ComputationState& computation, LoadTransferSource& source);

// The same over explicit streams (the run's report and plot-data files, or test buffers).
// Throws RunFailure when the profile needs more t-z curves than the table holds.
void computeLoadSettlement(const InputModel& input, const RunContext& context,
                           SettlementState& st, double embeddedLength, std::ostream& report,
                           std::ostream& plot);

}  // namespace corvex
