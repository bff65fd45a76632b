#include "RunPrinter.h"

#include "StatusCodes.h"

namespace quarlo::cli {

std::string describeStatus(int code) {
    switch (code) {
    case status::kCompleted: return "completed";
    case status::kBeyondUnitWeight: return "a depth lies below the unit-weight profile";
    case status::kBeyondShearStrength: return "a depth lies below the undrained-shear-strength profile";
    case status::kBeyondSideFriction: return "a depth lies below the side-friction profile";
    case status::kBeyondTipResistance: return "a depth lies below the tip-resistance profile";
    case status::kBeyondFrictionAngle: return "a depth lies below the friction-angle profile";
    case status::kNamesFile: return "names.dat is missing or unreadable";
    case status::kFileOpen: return "a file cannot be opened";
    case status::kProjectRead: return "the project data file cannot be read";
    case status::kNegativeCount: return "a count in the project data file is negative";
    case status::kFileWrite: return "an output file could not be written";
    case status::kInternal: return "internal engine failure";
    default: break;
    }
    if (code >= status::kTipBelowLayers && code <= 29)
        return "curve generation stopped the run";
    if (code >= status::kZeroStiffness && code <= 39)
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
