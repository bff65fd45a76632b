#pragma once

#include "ResultsSummary.h"
#include "RunPrinter.h"

#include <ostream>
#include <vector>

namespace quarlo::cli {

// The results summary of every completed run, from the plot data file it wrote and its
// project's settlement profile, read one project at a time; a run whose files cannot be
// read gets the reason instead.
void summarizeRuns(std::vector<ProjectRun>& runs);

// The summary row of the `index`-th (from 0) row of a kind, or null.
const SummaryRow* summaryRow(const ResultsSummary* summary, SummaryRowKind kind, std::size_t index);

// One line per row of a down-drag run: the neutral plane with the largest axial load and
// the drag load, or why there is none. Nothing for a run without down-drag.
void printDownDragLines(std::ostream& out, const ResultsSummary& summary);

// How the machine formats name the neutral plane's state.
const char* neutralPlaneKey(NeutralPlaneState state);

}  // namespace quarlo::cli
