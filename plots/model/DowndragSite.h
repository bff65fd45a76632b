#pragma once

#include <vector>

namespace quarlo {

class TProgramData;

// What of a project the neutral plane needs, exactly as the engine read it from the
// project data file: single precision, in the run's units (inches for an English run,
// metres for SI), depths below the pile head.
struct DowndragSite {
    bool DownDrag = false;            // the run had a settlement profile
    float PileLength = 0;
    std::vector<float> Depths;        // settlement profile
    std::vector<float> Settlements;
};

// The project's down-drag input for a run in unit system `runUnits`. The project keeps its
// values in its own unit system, which the user may have switched since the run; they are
// converted to the run's and then taken as the project file would hold them (8 significant
// digits read into single precision).
DowndragSite DowndragSiteOf(const TProgramData& project, int runUnits);

// The soil settlement at depth X as the engine looks it up: none above or below the
// profile, the mean of the two values where a depth stands twice, linear between points,
// computed in single precision in the engine's order.
float SoilSettlement(const DowndragSite& site, float X);

// The depths where the engine looked up each segment, tip first: half an increment above
// the tip, then one increment less for each segment, in single precision.
std::vector<float> SegmentLookupDepths(float pileLength, int segments);

}  // namespace quarlo
