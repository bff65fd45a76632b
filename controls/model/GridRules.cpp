#include "GridRules.h"

#include <algorithm>

namespace quarlo {

namespace {

int visibleRowsLimit(bool chartShown) {
    return chartShown ? kVisibleRowsWithChart : kVisibleRowsWithoutChart;
}

}  // namespace

RowButtonRules RowButtonState(int rowCount, int minRows, int maxRows) {
    RowButtonRules rules;
    rules.shown = minRows != maxRows;
    rules.addEnabled = rowCount != maxRows;
    rules.deleteEnabled = minRows < rowCount;
    return rules;
}

int OpeningVisibleRows(int rowCount, bool chartShown) {
    return std::min(std::max(rowCount, 0), visibleRowsLimit(chartShown));
}

int GrownVisibleRows(int visibleRows, int rowCount, int rowGroup, bool chartShown) {
    const int limit = visibleRowsLimit(chartShown);
    if (visibleRows != rowCount || visibleRows >= limit) {
        return visibleRows;
    }
    return std::min(visibleRows + std::max(rowGroup, 1), limit);
}

int GroupNumber(int row, int rowGroup) {
    return row / std::max(rowGroup, 1) + 1;
}

GridCell NextCellOnEnter(GridCell current, int rowCount, const std::vector<bool>& typedColumns) {
    if (current.row + 1 < rowCount) {
        return {current.row + 1, current.column};
    }
    const int count = static_cast<int>(typedColumns.size());
    for (int step = 1; step <= count; ++step) {
        const int column = (current.column + step) % count;
        if (typedColumns[static_cast<std::size_t>(column)] && rowCount > 0) {
            return {0, column};
        }
    }
    return current;
}

}  // namespace quarlo
