#pragma once

#include "CurveMarks.h"
#include "ResultsSummary.h"

namespace quarlo {

// The legend's word for the marks on the load distribution.
inline constexpr const char* kNeutralPlaneNote = "Neutral plane";

// The neutral plane of every tip movement of a run that has one, as a mark on that tip
// movement's load-distribution curve (tip movement k is curve k - 1) at the plane's depth and
// its largest load, in the graph's units. Tip movements without a neutral plane (none along
// the pile, an uplift run, a project that no longer matches the run) and the pile-head load
// rows, which have no curve, get no mark; a run without down-drag gets none at all.
CurveMarks NeutralPlaneMarks(const ResultsSummary& summary);

}  // namespace quarlo
