#pragma once

#include <vector>

namespace quarlo {

// Where the parts of a table's edit window stand, how large its grid is for the rows and
// columns it shows, and which whole rows and columns a window the user resizes keeps. All
// sizes are pixels; the window layer measures its widgets and applies the results.

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

// The parts of the window with their sizes; a part not shown keeps its rectangle empty.
struct TableFormParts {
    int margin = 4;  // pixels per inch / 20: every gap
    bool chartShown = false;
    PixelSize chart;
    PixelSize grid;
    bool rowButtonsShown = false;
    PixelSize add, insert, remove;
    bool okCancelShown = false;
    PixelSize ok, cancel;
    bool importShown = false;
    PixelSize fileLabel, fileEdit, browse, view, read, paste;
    bool commentsShown = false;
    PixelSize comments;
    PixelSize image;  // no picture: zero size
};

struct TableFormGeometry {
    PixelRect chart, grid, add, insert, remove, ok, cancel;
    PixelRect fileLabel, fileEdit, browse, view, read, paste, comments, image;
    PixelSize client;
};

// The chart at the top left, the grid below it, the row buttons below the grid, OK and Cancel
// below the gaps between the row buttons, the import group, the comments and the help
// picture, one margin apart. The window is as wide as its widest part and a margin, so
// nothing is cut off.
TableFormGeometry LayoutTableForm(const TableFormParts& parts);

// The grid as the window sizes it. Widths and heights include the grid line of each cell.
struct GridMetrics {
    int frame = 1;  // frame width on each side
    int rowHeight = 25;
    int headerHeight = 25;  // all header rows together
    int numberColumnWidth = 32;
    std::vector<int> columnWidths;  // the shown data columns
    int verticalScrollBar = 16;
    int horizontalScrollBar = 16;
};

// The rows and columns the grid shows: the first of each in view and how many.
struct GridWindow {
    int firstColumn = 0;
    int columns = 0;
    int firstRow = 0;
    int rows = 0;
    bool operator==(const GridWindow&) const = default;
};

// Size of a grid showing `window` of a table of `rowCount` rows: a scroll bar joins when rows
// or columns are out of view.
PixelSize GridSize(const GridMetrics& grid, const GridWindow& window, int rowCount);

// A size the user dragged the window to, and what the window is around its grid.
struct SnapRequest {
    GridMetrics grid;
    int rowCount = 0;
    PixelSize chrome;      // window size less the grid's size
    int minimumWidth = 0;  // the window is never narrower (its other parts)
    PixelSize dragged;
    bool widthDragged = true;   // the left or right edge moved
    bool heightDragged = true;  // the top or bottom edge moved
    GridWindow current;
};

struct SnapResult {
    GridWindow window;
    PixelSize size;
    int candidate = 0;  // 0 all shown, 1 columns fitted, 2 rows fitted, 3 both fitted
};

// The window snaps to whole rows and columns. Of four layouts (everything; columns fitted
// with a horizontal scroll bar; rows fitted with a vertical one; both fitted) the one that
// overshoots the dragged size least wins, ties going to everything, then fitted rows, then
// fitted columns. An edge that was not dragged keeps the rows or columns it showed.
// Exception "There must be at least 2 columns in grid" without any data column.
SnapResult SnapTableForm(const SnapRequest& request);

}  // namespace quarlo
