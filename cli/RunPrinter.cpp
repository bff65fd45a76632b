#include "RunPrinter.h"

namespace quarlo::cli {

std::string describeStatus(int status) {
    switch (status) {
    case 0: return "completed";
    case 4: return "a depth lies below the unit-weight profile";
    case 5: return "a depth lies below the undrained-shear-strength profile";
    case 6: return "a depth lies below the side-friction profile";
    case 7: return "a depth lies below the tip-resistance profile";
    case 8: return "a depth lies below the friction-angle profile";
    case 10: return "names.dat is missing or unreadable";
    case 11: return "a file cannot be opened";
    case 12: return "the project data file cannot be read";
    case 13: return "a count in the project data file is negative";
    case 14: return "an output file could not be written";
    case 15: return "internal engine failure";
    default: break;
    }
    if (status >= 20 && status <= 29)
        return "curve generation stopped the run";
    if (status >= 30 && status <= 39)
        return "the load-transfer solution stopped the run";
    return "stopped";
}

void printRun(std::ostream& out, const ProjectRun& run) {
    const int status = run.outcome.status;
    out << run.files.input << ": status " << status << " (" << describeStatus(status) << ")\n";
    if (!run.outcome.failure.empty())
        out << "  " << run.outcome.failure << '\n';
    out << "  report:    " << run.files.report << '\n';
    out << "  plot data: " << run.files.plot << '\n';
    // The notes go with the status, so that a run whose results go to a spreadsheet still
    // tells of segments that did not settle and loads that were not reached.
    for (const std::string& note : run.outcome.results.notes)
        out << "  note: " << note << '\n';
}

}  // namespace quarlo::cli
