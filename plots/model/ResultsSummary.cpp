#include "ResultsSummary.h"

#include <algorithm>

#include "PlotFileReader.h"

namespace quarlo {

namespace {

// The engine takes a tip movement of at most this as the start of an uplift analysis.
constexpr long double kUpliftTipMovement = 1e-10L;

SummaryRow rowOf(SummaryRowKind kind, int number, const PlotResultRow& values)
{
    SummaryRow row;
    row.Kind = kind;
    row.Number = number;
    row.HeadLoad = values.HeadLoad;
    row.HeadMovement = values.HeadMovement;
    row.TipMovement = values.TipMovement;
    row.TipLoad = values.TipLoad;
    row.ShaftLoad = values.HeadLoad - values.TipLoad;
    if (values.HeadLoad > 0)
        row.TipShare = values.TipLoad / values.HeadLoad;
    return row;
}

bool isUplift(const PlotData& data)
{
    return std::any_of(data.Settlement.begin(), data.Settlement.end(),
                       [](const PlotResultRow& row) { return row.TipMovement <= kUpliftTipMovement; });
}

void addTipMovementRows(ResultsSummary& summary, const PlotData& data, const DowndragSite& site)
{
    const bool uplift = isUplift(data);
    for (std::size_t i = 0; i < data.Settlement.size(); ++i) {
        SummaryRow row = rowOf(SummaryRowKind::TipMovement, static_cast<int>(i + 1), data.Settlement[i]);
        if (summary.DownDrag && uplift)
            row.Plane = NeutralPlaneNotComputed("an uplift run has no neutral plane");
        else if (summary.DownDrag)
            row.Plane = FindNeutralPlane(i < data.Distribution.size() ? data.Distribution[i] : std::vector<PlotSegment>{},
                                         site, row.HeadLoad);
        summary.Rows.push_back(std::move(row));
    }
}

void addHeadLoadRows(ResultsSummary& summary, const PlotData& data)
{
    for (std::size_t j = 0; j < data.HeadLoads.size(); ++j) {
        const PlotHeadLoadRow& written = data.HeadLoads[j];
        SummaryRow row;
        if (written.Reached) {
            row = rowOf(SummaryRowKind::HeadLoad, static_cast<int>(j + 1), written.Row);
        } else {
            row.Kind = SummaryRowKind::HeadLoad;
            row.Number = static_cast<int>(j + 1);
            row.Reached = false;
            row.HeadLoad = written.Row.HeadLoad;
        }
        // The head-load search writes only the head values of its last solve, not the load
        // distribution along the pile.
        if (summary.DownDrag)
            row.Plane = NeutralPlaneNotComputed(written.Reached ? "the run writes no load distribution for pile-head loads"
                                                    : "the head load was not reached");
        summary.Rows.push_back(std::move(row));
    }
}

}  // namespace

ResultsSummary SummarizeRun(const PlotData& data, const DowndragSite& site)
{
    ResultsSummary summary;
    summary.Units = data.Units;
    summary.DownDrag = site.DownDrag;
    summary.HeadLoadsProblem = data.HeadLoadsProblem;
    addTipMovementRows(summary, data, site);
    addHeadLoadRows(summary, data);
    return summary;
}

ResultsSummary SummarizeRunFile(const std::string& plotFile, const TProgramData& project)
{
    const PlotData data = ReadPlotFile(plotFile);
    return SummarizeRun(data, DowndragSiteOf(project, data.Units));
}

}  // namespace quarlo
