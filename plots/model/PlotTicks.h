#pragma once

#include <string>
#include <vector>

#include "PlotGeometry.h"
#include "PlotMapping.h"
#include "PlotTextMetrics.h"

namespace quarlo {

// The tick spacing of one axis: minor ticks at k x Minor for k from First to Last; every
// fifth (k a multiple of 5) is a major tick with a grid line and a label.
struct AxisTicks {
    long double Minor = 0;
    long long First = 0;   // the lowest k <= 0 with k x Minor >= the axis minimum
    long long Last = 0;    // the highest k >= 0 with k x Minor <= the axis maximum

    // Grid, ticks and labels are drawn only when the range holds more than one tick.
    bool Drawn() const { return Last > First; }
};

// Label intervals that fit along an axis of `extent` pixels: one per six text heights
// (`textHeight` the layout's h).
int TickIntervals(int extent, int textHeight);

// The spacing for a range split into `intervals` parts: the major step is 1, 2, 5 or 10
// times the power of ten at or below the part's width, the minor step a fifth of it. No
// ticks (Drawn() false) when `intervals` is 0 or the range is empty.
AxisTicks ComputeTicks(long double min, long double max, int intervals);

// The tick spacing of both axes of a view drawn in `plotRect` with text height h. An axis
// too short for one label interval (six text heights) leaves both axes without grid, ticks
// and labels.
struct TickStep {
    AxisTicks X;
    AxisTicks Y;
};
TickStep ComputeTickStep(const PlotRange& view, const PixelRect& plotRect, int h);

// One tick as drawn: a short mark from the axis into the graph and, for a major tick, a
// dotted grid line across the graph and its label.
struct TickMark {
    long long Index = 0;       // k
    long double Value = 0;     // k x Minor
    int Pixel = 0;             // x of an X tick, y of a Y tick
    bool Major = false;
    PixelLine Tick;
    PixelLine Grid;            // major ticks only
    std::string Label;         // major ticks only
    PixelPoint LabelAt;        // major ticks only; see PlotTextMetrics for upward text
};

// The ticks of the X axis whose pixel lies inside the plot rectangle, in increasing value.
// Labels are upright and centred on their tick, above the graph with the X axis on top and
// below it otherwise; marks are 1/16 inch long, from that side into the graph.
std::vector<TickMark> XTickMarks(const AxisTicks& ticks, const PlotMapping& mapping, Resolution ppi,
                                 const PlotTextMetrics& metrics);

// The same for the Y axis: labels read upward left of the graph, centred on their tick;
// marks run from the left edge into the graph.
std::vector<TickMark> YTickMarks(const AxisTicks& ticks, const PlotMapping& mapping, Resolution ppi,
                                 const PlotTextMetrics& metrics);

}  // namespace quarlo
