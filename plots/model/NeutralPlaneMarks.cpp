#include "NeutralPlaneMarks.h"

#include "LoadPlotFile.h"

namespace quarlo {

CurveMarks NeutralPlaneMarks(const ResultsSummary& summary)
{
    CurveMarks marks;
    for (const SummaryRow& row : summary.Rows) {
        if (row.Kind != SummaryRowKind::TipMovement || !row.Plane || row.Plane->State != NeutralPlaneState::Found)
            continue;
        marks.Points.push_back(
            {row.Number - 1, DistributionPoint(row.Plane->LargestLoad, row.Plane->Depth, summary.Units)});
    }
    if (!marks.Points.empty())
        marks.Note = kNeutralPlaneNote;
    return marks;
}

}  // namespace quarlo
