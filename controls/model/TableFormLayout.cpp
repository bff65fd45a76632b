#include "TableFormLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Exception.h"

namespace quarlo {

namespace {

PixelRect at(int left, int top, PixelSize size) {
    return {left, top, size.width, size.height};
}

// Left edge that centres `width` in the gap between two rectangles.
int centredIn(const PixelRect& before, const PixelRect& after, int width) {
    return static_cast<int>(std::lround((before.right() + after.left - width) / 2.0));
}

int rightmost(const TableFormParts& parts, const TableFormGeometry& g) {
    int right = g.grid.right();
    const auto include = [&right](bool shown, const PixelRect& rect) {
        if (shown) {
            right = std::max(right, rect.right());
        }
    };
    include(parts.chartShown, g.chart);
    include(parts.rowButtonsShown, g.remove);
    include(parts.okCancelShown, g.cancel);
    for (const PixelRect* rect : {&g.fileEdit, &g.read, &g.paste}) {
        include(parts.importShown, *rect);
    }
    include(parts.commentsShown, g.comments);
    include(parts.image.height > 0, g.image);
    return right;
}

void placeRowButtons(const TableFormParts& p, TableFormGeometry& g, int top) {
    const int m = p.margin;
    g.add = at(m, top, p.add);
    g.insert = at(g.add.right() + m, top, p.insert);
    g.remove = at(g.insert.right() + m, top, p.remove);
}

void placeOkCancel(const TableFormParts& p, TableFormGeometry& g, int top) {
    g.ok = at(centredIn(g.add, g.insert, p.ok.width), top, p.ok);
    g.cancel = at(centredIn(g.insert, g.remove, p.cancel.width), top, p.cancel);
}

// Label and file name, then Browse, View/Edit and Read, then Paste under Read's right edge.
// Returns the bottom of the group.
int placeImport(const TableFormParts& p, TableFormGeometry& g, int top) {
    const int m = p.margin;
    const int lineHeight = std::max(p.fileLabel.height, p.fileEdit.height);
    g.fileLabel = at(2 * m, top + (lineHeight - p.fileLabel.height) / 2, p.fileLabel);
    g.fileEdit = at(g.fileLabel.right() + m, top + (lineHeight - p.fileEdit.height) / 2, p.fileEdit);
    const int buttonsTop = top + lineHeight + m;
    g.browse = at(2 * m, buttonsTop, p.browse);
    g.view = at(g.browse.right() + m, buttonsTop, p.view);
    g.read = at(g.view.right() + m, buttonsTop, p.read);
    const int pasteTop = buttonsTop + std::max({p.browse.height, p.view.height, p.read.height}) + m;
    g.paste = at(std::max(2 * m, g.read.right() - p.paste.width), pasteTop, p.paste);
    return g.paste.bottom();
}

}  // namespace

TableFormGeometry LayoutTableForm(const TableFormParts& p) {
    const int m = p.margin;
    TableFormGeometry g;
    if (p.chartShown) {
        g.chart = at(m, m, p.chart);
    }
    g.grid = at(m, p.chartShown ? g.chart.bottom() + m : m, p.grid);
    const int rowTop = g.grid.bottom() + m;
    // One step down past the row buttons, none when they are hidden.
    int b = 0;
    if (p.rowButtonsShown) {
        placeRowButtons(p, g, rowTop);
        b = m + std::max({p.add.height, p.insert.height, p.remove.height});
    }
    int below = rowTop + b;  // top of what comes next
    if (p.okCancelShown) {
        placeOkCancel(p, g, rowTop + 2 * m + b);
        below = std::max(g.ok.bottom(), g.cancel.bottom()) + 2 * m;
    }
    if (p.importShown) {
        below = placeImport(p, g, p.okCancelShown ? below : below + m) + 2 * m;
    }
    if (p.commentsShown) {
        g.comments = at(m, below, p.comments);
        below = g.comments.bottom() + m;
    }
    g.image = at(m, below, p.image);
    if (p.image.height > 0) {
        below = g.image.bottom() + m;
    }
    g.client = {rightmost(p, g) + m, below};
    return g;
}

PixelSize GridSize(const GridMetrics& grid, const GridWindow& window, int rowCount) {
    const int columnCount = static_cast<int>(grid.columnWidths.size());
    int width = 2 * grid.frame + grid.numberColumnWidth;
    const int last = std::min(window.firstColumn + window.columns, columnCount);
    for (int c = std::max(window.firstColumn, 0); c < last; ++c) {
        width += grid.columnWidths[static_cast<std::size_t>(c)];
    }
    if (window.rows < rowCount) {
        width += grid.verticalScrollBar;
    }
    int height = 2 * grid.frame + grid.headerHeight + window.rows * grid.rowHeight;
    if (window.columns < columnCount) {
        height += grid.horizontalScrollBar;
    }
    return {width, height};
}

namespace {

class Snapper {
public:
    explicit Snapper(const SnapRequest& request)
        : r(request), columnCount(static_cast<int>(request.grid.columnWidths.size())) {}

    SnapResult candidate(int index) const {
        const bool fitColumns = index == 1 || index == 3;
        const bool fitRows = index == 2 || index == 3;
        SnapResult result;
        result.candidate = index;
        GridWindow& w = result.window;
        w = {0, columnCount, 0, r.rowCount};
        if (fitRows) {
            fittedRows(w, fitColumns);
        }
        if (fitColumns) {
            fittedColumns(w);
        }
        const PixelSize grid = GridSize(r.grid, w, r.rowCount);
        result.size = {std::max(r.chrome.width + grid.width, r.minimumWidth), r.chrome.height + grid.height};
        return result;
    }

    std::int64_t overshoot(PixelSize size) const {
        const std::int64_t w = size.width, h = size.height;
        const std::int64_t W = r.dragged.width, H = r.dragged.height;
        if (w <= W && h <= H) {
            return 0;
        }
        if (w <= W) {
            return W * (h - H);
        }
        if (h <= H) {
            return H * (w - W);
        }
        return w * h - W * H;
    }

private:
    int windowWidth(const GridWindow& w) const { return r.chrome.width + GridSize(r.grid, w, r.rowCount).width; }

    // Whole columns from the first one in view rightwards, then leftwards, while the window is
    // still narrower than its other parts or the next column fits the dragged width.
    void fittedColumns(GridWindow& w) const {
        if (!r.widthDragged) {
            w.firstColumn = r.current.firstColumn;
            w.columns = r.current.columns;
            return;
        }
        w.firstColumn = std::clamp(r.current.firstColumn, 0, columnCount - 1);
        w.columns = 0;
        const auto takes = [&](int column) {
            const int width = windowWidth(w);
            return width < r.minimumWidth ||
                   width + r.grid.columnWidths[static_cast<std::size_t>(column)] <= r.dragged.width;
        };
        while (w.firstColumn + w.columns < columnCount && takes(w.firstColumn + w.columns)) {
            ++w.columns;
        }
        while (w.firstColumn > 0 && takes(w.firstColumn - 1)) {
            --w.firstColumn;
            ++w.columns;
        }
        if (w.columns == 0) {
            w.columns = 1;
        }
    }

    // Whole rows, at least one, while the window stays within the dragged height; the first
    // row in view moves up when fewer rows remain below it.
    void fittedRows(GridWindow& w, bool horizontalBar) const {
        if (!r.heightDragged) {
            w.firstRow = r.current.firstRow;
            w.rows = r.current.rows;
            return;
        }
        GridWindow probe = w;
        probe.columns = horizontalBar ? 0 : columnCount;
        const auto heightFor = [&](int rows) {
            probe.rows = rows;
            return r.chrome.height + GridSize(r.grid, probe, r.rowCount).height;
        };
        int rows = std::min(1, r.rowCount);
        while (rows < r.rowCount && heightFor(rows + 1) <= r.dragged.height) {
            ++rows;
        }
        w.rows = rows;
        w.firstRow = std::clamp(r.current.firstRow, 0, r.rowCount - rows);
    }

    const SnapRequest& r;
    int columnCount;
};

}  // namespace

SnapResult SnapTableForm(const SnapRequest& request) {
    if (request.grid.columnWidths.empty()) {
        throw Exception("There must be at least 2 columns in grid");
    }
    const Snapper snapper(request);
    SnapResult best = snapper.candidate(0);
    std::int64_t least = snapper.overshoot(best.size);
    for (const int index : {2, 1, 3}) {
        const SnapResult next = snapper.candidate(index);
        const std::int64_t over = snapper.overshoot(next.size);
        if (over < least) {
            best = next;
            least = over;
        }
    }
    return best;
}

}  // namespace quarlo
