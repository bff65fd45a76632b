#pragma once

#include "ResultsSummary.h"
#include "RunSequence.h"

#include <optional>
#include <ostream>
#include <string>

namespace quarlo::cli {

// The files of one project: the project data file and the three outputs beside it, what
// the run gave and, for a completed run, its results summary (or why there is none).
struct ProjectRun {
    RunFiles files;
    RunOutcome outcome;
    std::optional<ResultsSummary> summary;
    std::string summaryProblem;
};

// The runner's account of one finished project: its status line, where its outputs are,
// its run notes and why it has no results summary when it should.
void printRun(std::ostream& out, const ProjectRun& run);

}  // namespace quarlo::cli
