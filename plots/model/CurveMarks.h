#pragma once

#include <string>
#include <vector>

#include "TFloatPoint.h"

namespace quarlo {

// A point that stands out on one curve of a graph (the neutral plane on a load-distribution
// curve), in the graph's units. It is drawn only while its curve is drawn, in its colour.
struct CurveMark {
    int CurveIndex = 0;
    TFloatPoint At;
};

// The marked points of a graph and the legend's word for what they are.
struct CurveMarks {
    std::vector<CurveMark> Points;
    std::string Note;
};

}  // namespace quarlo
