#pragma once

#include "RunContext.h"

namespace quarlo {

// The stages the input reader and the run sequence call, in run order. Each writes its
// own report and plot sections; a stage that stops the run sets ctx.ISTAT.

// Generated curves only, after record 8 is read: every t-z curve at the generation depths,
// their report section and plot block, then the tip curve with its section and block.
void generateCurves(RunContext& ctx);

// After record 12 / record 13 are read and echoed (only when present).
void applyTzFactors(RunContext& ctx);
void applyQwFactors(RunContext& ctx);

// After all input is read: the load transfer for every tip movement, the summary table,
// then the head-load pass when loads are given.
void solveLoadTransfer(RunContext& ctx);

}  // namespace quarlo
