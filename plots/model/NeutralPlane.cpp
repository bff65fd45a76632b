#include "NeutralPlane.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quarlo {

namespace {

// One segment middle, head first: its depth, its axial load and how much more the pile
// moves there than the soil settles.
struct Middle {
    long double depth;
    long double load;
    long double relative;
};

// The plot data file writes depths to 3 significant digits: a written depth this far from
// the depth worked out from the project means the project no longer describes the run.
constexpr long double kWrittenDepthTolerance = 0.006L;

std::optional<std::vector<Middle>> middlesHeadFirst(const std::vector<PlotSegment>& segments, const DowndragSite& site)
{
    const std::vector<float> depths = SegmentLookupDepths(site.PileLength, static_cast<int>(segments.size()));
    std::vector<Middle> middles;
    for (std::size_t s = segments.size(); s-- > 0;) {
        const float X = depths[s];
        if (!(std::fabs(segments[s].Depth - X) <= kWrittenDepthTolerance * std::fabs(X)))
            return std::nullopt;
        middles.push_back({X, segments[s].AverageLoad, segments[s].Movement - SoilSettlement(site, X)});
    }
    return middles;
}

// The load at `depth` along the line through the middles a and b.
long double alongTrend(const Middle& a, const Middle& b, long double depth)
{
    return a.load + (b.load - a.load) * (depth - a.depth) / (b.depth - a.depth);
}

// The turn between middles i (above, soil settling more) and i + 1 (below).
NeutralPlane turnBetween(const std::vector<Middle>& m, std::size_t i, long double headLoad)
{
    NeutralPlane plane;
    plane.State = NeutralPlaneState::Found;
    const long double f = -m[i].relative / (m[i + 1].relative - m[i].relative);
    plane.Depth = m[i].depth + f * (m[i + 1].depth - m[i].depth);
    const long double between = m[i].load + f * (m[i + 1].load - m[i].load);
    long double sum = 0;
    int sides = 0;
    if (i >= 1) {
        sum += alongTrend(m[i - 1], m[i], plane.Depth);
        ++sides;
    }
    if (i + 2 < m.size()) {
        sum += alongTrend(m[i + 2], m[i + 1], plane.Depth);
        ++sides;
    }
    plane.LargestLoad = sides > 0 ? std::max(between, sum / sides) : between;
    plane.DragLoad = plane.LargestLoad - headLoad;
    return plane;
}

}  // namespace

NeutralPlane FindNeutralPlane(const std::vector<PlotSegment>& segments, const DowndragSite& site,
                              long double headLoad)
{
    if (segments.empty())
        return NeutralPlaneNotComputed("the run wrote no load distribution for this row");
    const std::optional<std::vector<Middle>> middles = middlesHeadFirst(segments, site);
    if (!middles)
        return NeutralPlaneNotComputed("the project's pile no longer matches the run's load distribution");
    const std::vector<Middle>& m = *middles;
    std::optional<NeutralPlane> best;
    for (std::size_t i = 0; i + 1 < m.size(); ++i) {
        if (!(m[i].relative < 0 && m[i + 1].relative >= 0))
            continue;
        const NeutralPlane turn = turnBetween(m, i, headLoad);
        if (!best || turn.LargestLoad > best->LargestLoad)
            best = turn;
    }
    if (best)
        return *best;
    NeutralPlane none;
    const bool soilSettlesMore = std::any_of(m.begin(), m.end(), [](const Middle& p) { return p.relative < 0; });
    none.State = soilSettlesMore ? NeutralPlaneState::SoilSettlesMore : NeutralPlaneState::PileMovesMore;
    return none;
}

NeutralPlane NeutralPlaneNotComputed(std::string reason)
{
    NeutralPlane plane;
    plane.Reason = std::move(reason);
    return plane;
}

std::string NeutralPlaneWords(const NeutralPlane& plane)
{
    switch (plane.State) {
    case NeutralPlaneState::Found:
        return {};
    case NeutralPlaneState::PileMovesMore:
        return "no neutral plane along the pile: the pile moves more than the soil everywhere";
    case NeutralPlaneState::SoilSettlesMore:
        return "no neutral plane along the pile: the soil settles more than the pile down to the tip";
    case NeutralPlaneState::NotComputed:
        break;
    }
    return plane.Reason;
}

}  // namespace quarlo
