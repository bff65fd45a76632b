#pragma once

#include <vector>

namespace quarlo {

// The small rules of a table's edit window that are plain arithmetic: which row buttons it
// offers, how many rows it shows, how rows are numbered and where Enter moves the cursor.

// Rows a window shows at most when it opens or grows by itself: fewer beside a chart, which
// takes the room above the grid.
constexpr int kVisibleRowsWithChart = 5;
constexpr int kVisibleRowsWithoutChart = 10;

struct RowButtonRules {
    bool shown = false;          // Add, Insert and Delete are offered at all
    bool addEnabled = false;     // Add and Insert
    bool deleteEnabled = false;  // Delete
};

// A table of a fixed row count (MinRows equal to MaxRows) has no row buttons; rows can be
// added up to MaxRows and deleted down to MinRows.
RowButtonRules RowButtonState(int rowCount, int minRows, int maxRows);

// Rows the grid is sized to show when the window opens.
int OpeningVisibleRows(int rowCount, bool chartShown);

// Rows the grid shows after a row group is added or inserted: a grid that showed every row
// grows with the table, up to the opening limit; a larger grid the user sized stays.
int GrownVisibleRows(int visibleRows, int rowCount, int rowGroup, bool chartShown);

// Number shown beside a data row: all rows of a row group share their group's number.
int GroupNumber(int row, int rowGroup);

struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// Where Enter moves the cursor: one row down; from the last row to the first row of the next
// column that takes typed entries, and from the last of those back to the first. Columns
// edited through lists or buttons are passed over, since the cursor cannot stand in them.
// A table without such columns or rows keeps the cursor where it is.
GridCell NextCellOnEnter(GridCell current, int rowCount, const std::vector<bool>& typedColumns);

}  // namespace quarlo
