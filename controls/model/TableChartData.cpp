#include "TableChartData.h"

#include <algorithm>

namespace quarlo {

namespace {

// Visible columns of a table whose third column joins the second as another series.
constexpr int kTwoSeriesColumns = 3;

const TFloatColumnChart* floatColumn(const TGridTableChart& table, int index) {
    if (index < 0 || index >= table.ColumnCount()) {
        return nullptr;
    }
    return dynamic_cast<const TFloatColumnChart*>(&table.Column(index));
}

std::vector<double> columnValues(const TFloatColumnChart* column) {
    std::vector<double> values;
    for (int row = 0; column != nullptr && row < column->RowCount(); ++row) {
        values.push_back(static_cast<double>(column->GetFloat(row)));
    }
    return values;
}

// The caption's first line without the blanks that pad it for the grid's column width.
std::string axisTitle(const TGridTableChart& table, int index) {
    if (index < 0 || index >= table.ColumnCount() || table.Column(index).CaptionLineCount() == 0) {
        return {};
    }
    std::string title = table.Column(index).CaptionLine(0);
    title.erase(title.find_last_not_of(' ') + 1);
    return title;
}

bool allEqualTo(const std::vector<double>& values, double value) {
    return std::all_of(values.begin(), values.end(), [value](double v) { return v == value; });
}

std::vector<ChartPoint> sortedPoints(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<ChartPoint> points;
    for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i) {
        points.push_back({x[i], y[i]});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
    return points;
}

void finishAxis(ChartAxis& axis, AxisRange range) {
    axis.range = range;
    axis.format = ChooseLabelFormat(range);
    axis.ticks = AxisTicks(range, axis.format, kChartAxisTicks);
}

}  // namespace

TableChartData BuildTableChart(const TGridTableChart& table) {
    const ChartSettings& settings = table.Chart();
    TableChartData chart;
    chart.hasSecond = table.VisibleColumnCount() == kTwoSeriesColumns && settings.XColumn == 0 &&
                      settings.YColumn == 1;
    const std::vector<double> x = columnValues(floatColumn(table, settings.XColumn));
    std::vector<double> y = columnValues(floatColumn(table, settings.YColumn));
    const std::vector<double> y2 = chart.hasSecond ? columnValues(floatColumn(table, 2)) : std::vector<double>();

    const bool varying = y.size() <= 1 || !allEqualTo(y, y.front()) || !allEqualTo(y2, y.front());
    const double constant = y.empty() ? 0.0 : y.front();
    if (!varying) {
        y[1] *= 1.001;
    }
    chart.first = sortedPoints(x, y);
    chart.second = sortedPoints(x, y2);
    if (chart.hasSecond) {
        chart.firstTitle = axisTitle(table, 1);
        chart.secondTitle = axisTitle(table, 2);
    }

    chart.bottom.title = axisTitle(table, settings.XColumn);
    chart.bottom.inverted = settings.InvertedXAxis;
    finishAxis(chart.bottom, DataRange(x));
    chart.left.title = axisTitle(table, settings.YColumn);
    chart.left.inverted = settings.InvertedYAxis;
    std::vector<double> plotted = y;
    plotted.insert(plotted.end(), y2.begin(), y2.end());
    finishAxis(chart.left, varying ? DataRange(plotted) : ConstantValueRange(constant));
    return chart;
}

}  // namespace quarlo
