#pragma once

#include "TGraphPlot.h"

namespace quarlo {

// The data window of a graph (its ViewRange, or the FullRange it opened on).
struct PlotRange {
    long double XMin = 0;
    long double XMax = 0;
    long double YMin = 0;
    long double YMax = 0;

    friend bool operator==(const PlotRange&, const PlotRange&) = default;
};

// The range a plot window opens on: 0, every point of every curve (active or not, shown or
// not) and every marked point, each axis then widened outward to multiples of a round step.
PlotRange DataRange(const TGraphPlot& plot);

// One axis widened outward: an empty range becomes min - 0.01 to max + 0.01; the step is
// the power of ten below the width, a tenth of it when the width's leading digits are below
// 3; both ends move away from zero to multiples of the step. Data 0 to 87 give 0 to 90,
// data 0 to 25 give 0 to 25.
void RoundAxisRange(long double& min, long double& max);

}  // namespace quarlo
