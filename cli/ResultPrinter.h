#pragma once

#include "ResultsSummary.h"
#include "RunPrinter.h"
#include "RunResults.h"

#include <ostream>
#include <string>
#include <vector>

namespace quarlo::cli {

// How the runner gives a run's computed results on standard output.
enum class ResultFormat {
    Text,   // the tables for a reader, after each run's status line
    Csv,    // one table of rows with a kind column, for a spreadsheet
    Json,   // one array of projects, for a script
};

// The unit words of a run's results: "lb" and "in" for an English run, "kN" and "m" for SI.
struct ResultUnits {
    const char* force;
    const char* length;
};
ResultUnits resultUnits(int engineUnits);

// Reads "text", "csv" or "json"; false for anything else.
bool parseResultFormat(const std::string& text, ResultFormat& format);

// The load-settlement table and the head-load rows of one run, in text.
void printResultTables(std::ostream& out, const RunResults& results);

struct ProjectResults {
    std::string project;
    int status = 0;
    const RunResults* results = nullptr;
    const ResultsSummary* summary = nullptr;   // null when the run has none
};

// All runs as CSV (header first) or as a JSON array, load distribution included; the rows
// of a run with a results summary carry its shaft load, tip share and, with down-drag, the
// neutral plane (docs/file-formats.md).
void printResultsCsv(std::ostream& out, const std::vector<ProjectResults>& runs);
void printResultsJson(std::ostream& out, const std::vector<ProjectResults>& runs);

// The runs in the chosen machine format (csv or json).
void printResults(std::ostream& out, const std::vector<ProjectRun>& runs, ResultFormat format);

}  // namespace quarlo::cli
