#pragma once

#include "RunFiles.h"
#include "RunResults.h"

#include <string>

namespace quarlo {

// What one run ended with: its status (0 completed; docs/status-codes.md lists the rest),
// a one-line account of a failure (empty when none) and the computed results.
struct RunOutcome {
    int status = 0;
    std::string failure;
    RunResults results;
};

// One complete analysis of the project `files.input`, writing the report, plot data and
// run-notes files. Every run has its own state, so runs may proceed on several threads.
// Never throws: every failure ends in a status and, when the report is open, a line there.
RunOutcome runAnalysis(const RunFiles& files, const RunOptions& options) noexcept;

// The same, with the version and file names read from names.dat in the current directory,
// as the program hands them over.
int runFromNamesFile(const RunOptions& options) noexcept;

}  // namespace quarlo
