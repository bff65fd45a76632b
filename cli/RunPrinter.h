#pragma once

#include "RunSequence.h"

#include <ostream>
#include <string>

namespace quarlo::cli {

// The files of one project: the project data file and the three outputs beside it.
struct ProjectRun {
    RunFiles files;
    RunOutcome outcome;
};

// The runner's account of one finished project: its status line, where its outputs are
// and its run notes.
void printRun(std::ostream& out, const ProjectRun& run);

}  // namespace quarlo::cli
