#pragma once

namespace quarlo {

// Settings only the chart variant of a table has: what its window shows (chart, owner-drawn
// plot, import group, OK and Cancel) and which columns the chart draws. Column indexes count
// hidden columns.
struct ChartSettings {
    bool GetDataFromFile = false;
    bool OKCancelButtons = false;
    bool InvertedXAxis = false;
    bool InvertedYAxis = false;
    // The graphic parameters, persisted at the end of the column list.
    bool ShowChart = false;
    bool PaintPlot = false;
    int XColumn = 0;
    int YColumn = 0;
    int X2Column = 0;
    int Y2Column = 0;
};

// Stands in for ChartSettings in the plain variant, which has none of them.
struct NoChartSettings {};

}  // namespace quarlo
