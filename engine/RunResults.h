#pragma once

#include "Real.h"

#include <string>
#include <vector>

namespace quarlo {

// One row of the load-settlement summary, signs as written to the report.
struct SettlementRow {
    Real headLoad = 0;
    Real headMovement = 0;
    Real tipMovement = 0;
    Real tipLoad = 0;
};

// Load distribution of one segment for one tip movement (as written to the plot data file).
struct SegmentResult {
    Real depth = 0;          // depth of the segment's middle
    Real averageLoad = 0;
    Real movement = 0;       // movement of the segment's middle
};

// Result of one pile-head load of the head-load pass.
struct HeadLoadRow {
    SettlementRow row;       // head load = the wanted load
    bool reached = true;     // false: above the largest computed head load, not solved
};

// What a run computed, kept for callers that want more than the files (the runner).
struct RunResults {
    int KUNITS = 0;                                      // units of the values: 1 English, else SI
    std::vector<SettlementRow> summary;                  // one per tip movement
    std::vector<std::vector<SegmentResult>> distribution; // per tip movement, tip first
    std::vector<HeadLoadRow> headLoads;                  // one per pile-head load
    std::vector<std::string> notes;                      // run-notes lines, as written
};

}  // namespace quarlo
