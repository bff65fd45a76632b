#include "RunPrinter.h"

#include "RunNotes.h"
#include "RunStatus.h"

namespace quarlo::cli {

void printRun(std::ostream& out, const ProjectRun& run) {
    const int status = run.outcome.status;
    out << run.files.input << ": status " << status << " (" << StatusSummary(status) << ")\n";
    if (!run.outcome.failure.empty())
        out << "  " << run.outcome.failure << '\n';
    out << "  report:    " << run.files.report << '\n';
    out << "  plot data: " << run.files.plot << '\n';
    // The notes go with the status, so that a run whose results go to a spreadsheet still
    // tells of segments that did not settle and loads that were not reached. They are the
    // lines the run wrote to its notes file, read as the program reads that file.
    for (const RunNote& note : ParseRunNotes(run.outcome.results.notes))
        out << "  note: " << note.Text << '\n';
    if (!run.summaryProblem.empty())
        out << "  results summary: " << run.summaryProblem << '\n';
}

}  // namespace quarlo::cli
