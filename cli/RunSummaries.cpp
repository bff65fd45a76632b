#include "RunSummaries.h"

#include "EInOutError.h"
#include "ProgramData.h"
#include "ProjectInput.h"
#include "ResultPrinter.h"
#include "SolverNotes.h"

namespace quarlo::cli {

namespace {

void summarize(ProjectTables& tables, ProjectRun& run)
{
    const std::string& path = run.files.input;
    const auto project = TProgramData::CreateFromFile(tables, path, !TProgramData::IsOldFormatName(path));
    if (!project->ReadError.empty()) {
        run.summaryProblem = "the project cannot be read: " + OneLine(project->ReadError);
        return;
    }
    try {
        run.summary = SummarizeRunFile(run.files.plot, *project);
    } catch (const EInOutError& error) {
        run.summaryProblem = "the plot data file cannot be read: " + OneLine(error.what());
    }
}

// A value as the run notes write it, with its unit.
std::string valueOf(long double value, const char* unit)
{
    return noteNumber(static_cast<Real>(value)) + " " + unit;
}

std::string rowName(const SummaryRow& row)
{
    return (row.Kind == SummaryRowKind::TipMovement ? "tip movement " : "head load ") + std::to_string(row.Number);
}

}  // namespace

void summarizeRuns(std::vector<ProjectRun>& runs)
{
    // The program's tables exist once per process; every project is read into them in turn.
    ProjectTables tables;
    for (ProjectRun& run : runs) {
        if (run.outcome.status == 0)
            summarize(tables, run);
    }
}

const SummaryRow* summaryRow(const ResultsSummary* summary, SummaryRowKind kind, std::size_t index)
{
    if (summary == nullptr)
        return nullptr;
    for (const SummaryRow& row : summary->Rows) {
        if (row.Kind == kind && static_cast<std::size_t>(row.Number) == index + 1)
            return &row;
    }
    return nullptr;
}

void printDownDragLines(std::ostream& out, const ResultsSummary& summary)
{
    if (!summary.DownDrag)
        return;
    const ResultUnits units = resultUnits(summary.Units);
    out << "  Down-drag\n";
    for (const SummaryRow& row : summary.Rows) {
        const NeutralPlane& plane = *row.Plane;
        out << "  " << rowName(row) << ": ";
        if (plane.State == NeutralPlaneState::Found)
            out << "neutral plane at depth " << valueOf(plane.Depth, units.length) << ", largest axial load "
                << valueOf(plane.LargestLoad, units.force) << ", drag load " << valueOf(plane.DragLoad, units.force) << '\n';
        else
            out << NeutralPlaneWords(plane) << '\n';
    }
}

const char* neutralPlaneKey(NeutralPlaneState state)
{
    switch (state) {
    case NeutralPlaneState::Found: return "found";
    case NeutralPlaneState::PileMovesMore: return "pile_moves_more";
    case NeutralPlaneState::SoilSettlesMore: return "soil_settles_more";
    case NeutralPlaneState::NotComputed: break;
    }
    return "not_computed";
}

}  // namespace quarlo::cli
