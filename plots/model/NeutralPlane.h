#pragma once

#include <string>
#include <vector>

#include "DowndragSite.h"
#include "PlotData.h"

namespace quarlo {

enum class NeutralPlaneState {
    Found,
    PileMovesMore,    // no neutral plane: the pile moves more than the soil everywhere
    SoilSettlesMore,  // no neutral plane: the soil settles more than the pile down to the tip
    NotComputed,      // the row has no load distribution to find it in (see Reason)
};

// Where the pile's movement equals the soil settlement, with the soil settling more above
// it (negative skin friction, the drag) and the pile moving more below it (support): the
// axial load is largest there.
struct NeutralPlane {
    NeutralPlaneState State = NeutralPlaneState::NotComputed;
    long double Depth = 0;         // below the pile head
    long double LargestLoad = 0;   // the axial load at the neutral plane
    long double DragLoad = 0;      // LargestLoad less the head load
    std::string Reason;            // NotComputed only
};

// The neutral plane of one row of the load distribution (segments tip first, as the plot
// data file holds them), for a run whose head load was `headLoad`.
//
// The relative movement (segment middle's movement less the soil settlement there, at the
// depth where the engine looked the settlement up) is interpolated linearly between segment
// middles to where it turns from negative above to positive below. Where it turns more than
// once, the turn with the largest load counts. The load there is the axial load carried to
// that depth along the trend of the two middles on each side, the mean of the two sides,
// never less than the load interpolated between the middles around it: the largest load
// stands where the two trends meet, between the middles.
NeutralPlane FindNeutralPlane(const std::vector<PlotSegment>& segments, const DowndragSite& site,
                              long double headLoad);

// A neutral plane that was not computed, and why.
NeutralPlane NeutralPlaneNotComputed(std::string reason);

// The words for a state without a neutral plane: "no neutral plane along the pile: ...",
// or the reason it was not computed. Empty for Found.
std::string NeutralPlaneWords(const NeutralPlane& plane);

}  // namespace quarlo
