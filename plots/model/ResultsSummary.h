#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DowndragSite.h"
#include "NeutralPlane.h"
#include "PlotData.h"

namespace quarlo {

class TProgramData;

enum class SummaryRowKind {
    TipMovement,   // a row of the load-settlement table, one per tip movement
    HeadLoad,      // a pile-head load
};

// One row of a run: how the head load divides between shaft and tip and, for a run with
// down-drag, its neutral plane. Values in the engine's units (pounds and inches for an
// English run, kilonewtons and metres for SI), signs as the load-settlement table shows
// them, read from the plot data file (4 significant digits, the load distribution 3).
struct SummaryRow {
    SummaryRowKind Kind = SummaryRowKind::TipMovement;
    int Number = 0;              // from 1, within its kind
    bool Reached = true;         // false: a head load above every computed one; only HeadLoad is set
    long double HeadLoad = 0;
    long double HeadMovement = 0;
    long double TipMovement = 0;
    long double TipLoad = 0;
    long double ShaftLoad = 0;   // head load less tip load
    // Tip load over head load; none unless the head load is positive.
    std::optional<long double> TipShare;
    // Runs with down-drag only.
    std::optional<NeutralPlane> Plane;
};

struct ResultsSummary {
    int Units = 0;                  // the engine's unit flag: 1 English, 2 SI
    bool DownDrag = false;
    std::vector<SummaryRow> Rows;   // the tip-movement rows, then the head-load rows
    // Why the head-load rows are missing or incomplete, when the plot file's end is damaged.
    std::string HeadLoadsProblem;
};

// The summary of a run read completely from its plot data file. In an uplift run (a tip
// movement of 0 or less) the neutral plane is not computed: the pile is pulled up and the
// tables show reversed signs.
ResultsSummary SummarizeRun(const PlotData& data, const DowndragSite& site);

// Reads the run's plot data file (the one reader of that format) and the project's
// settlement profile. EInOutError when the file cannot be read completely.
ResultsSummary SummarizeRunFile(const std::string& plotFile, const TProgramData& project);

}  // namespace quarlo
