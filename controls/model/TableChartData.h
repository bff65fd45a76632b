#pragma once

#include <string>
#include <vector>

#include "ChartAxisRules.h"
#include "TableChart.h"

namespace quarlo {

// What the chart of a table window shows: up to two series of (x, y) points from the
// table's columns, their titles, and both axes with titles, direction, range and labels.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const ChartPoint&) const = default;
};

struct ChartAxis {
    std::string title;
    bool inverted = false;
    AxisRange range;
    AxisLabelFormat format = AxisLabelFormat::Fixed;
    std::vector<AxisTick> ticks;
};

struct TableChartData {
    // Points of each series, ascending in x.
    std::vector<ChartPoint> first;
    std::vector<ChartPoint> second;
    // A second series (and the legend naming both) is drawn only for a table of exactly three
    // shown columns charting column 1 over column 0: column 2 joins column 1.
    bool hasSecond = false;
    std::string firstTitle;
    std::string secondTitle;
    ChartAxis bottom;
    ChartAxis left;
};

// Labels an axis of the chart carries at most.
constexpr int kChartAxisTicks = 6;

// The chart of `table`: XColumn along the bottom axis, YColumn up the left one. When every
// plotted y equals the first, the second point is raised by a thousandth so the line shows,
// and the left axis is fixed a tenth either side of that value (ConstantValueRange); a table
// of one row counts as varying. A column that holds no real numbers gives no points.
TableChartData BuildTableChart(const TGridTableChart& table);

}  // namespace quarlo
