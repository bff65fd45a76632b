#include <gtest/gtest.h>

#include "Exception.h"
#include "TableFormLayout.h"

using namespace quarlo;

namespace {

// A chart table with import (the t-z curve window) at 96 pixels per inch: margin 4.
TableFormParts chartWithImport() {
    TableFormParts parts;
    parts.margin = 4;
    parts.chartShown = true;
    parts.chart = {285, 170};
    parts.grid = {200, 150};
    parts.rowButtonsShown = true;
    parts.add = parts.insert = parts.remove = {81, 21};
    parts.importShown = true;
    parts.fileLabel = {60, 16};
    parts.fileEdit = {200, 21};
    parts.browse = {60, 21};
    parts.view = {80, 21};
    parts.read = {110, 21};
    parts.paste = {177, 21};
    return parts;
}

// Three data columns of 100, 120 and 80 pixels, five rows of 25 under a header of two rows.
GridMetrics threeColumns() {
    GridMetrics grid;
    grid.frame = 1;
    grid.rowHeight = 25;
    grid.headerHeight = 50;
    grid.numberColumnWidth = 40;
    grid.columnWidths = {100, 120, 80};
    grid.verticalScrollBar = 16;
    grid.horizontalScrollBar = 16;
    return grid;
}

// Around the grid: 20 pixels of width and 100 of height; never narrower than 200.
SnapRequest dragTo(PixelSize size, bool widthDragged = true, bool heightDragged = true) {
    SnapRequest request;
    request.grid = threeColumns();
    request.rowCount = 5;
    request.chrome = {20, 100};
    request.minimumWidth = 200;
    request.dragged = size;
    request.widthDragged = widthDragged;
    request.heightDragged = heightDragged;
    request.current = {0, 3, 0, 5};
    return request;
}

}  // namespace

// Positions worked out by hand from the margin rules.
TEST(FormLayout, StacksChartGridRowButtonsAndImportGroup) {
    const TableFormGeometry g = LayoutTableForm(chartWithImport());
    EXPECT_EQ(g.chart, (PixelRect{4, 4, 285, 170}));
    EXPECT_EQ(g.grid, (PixelRect{4, 178, 200, 150}));
    EXPECT_EQ(g.add, (PixelRect{4, 332, 81, 21}));
    EXPECT_EQ(g.insert, (PixelRect{89, 332, 81, 21}));
    EXPECT_EQ(g.remove, (PixelRect{174, 332, 81, 21}));
    EXPECT_EQ(g.fileLabel, (PixelRect{8, 363, 60, 16}));
    EXPECT_EQ(g.fileEdit, (PixelRect{72, 361, 200, 21}));
    EXPECT_EQ(g.browse, (PixelRect{8, 386, 60, 21}));
    EXPECT_EQ(g.view, (PixelRect{72, 386, 80, 21}));
    EXPECT_EQ(g.read, (PixelRect{156, 386, 110, 21}));
    EXPECT_EQ(g.paste, (PixelRect{89, 411, 177, 21}));
    EXPECT_EQ(g.client, (PixelSize{293, 440}));
}

TEST(FormLayout, WithoutRowButtonsCommentsAndPictureFollowTheGrid) {
    TableFormParts parts;
    parts.grid = {300, 100};
    parts.commentsShown = true;
    parts.comments = {250, 32};
    parts.image = {50, 40};
    const TableFormGeometry g = LayoutTableForm(parts);
    EXPECT_EQ(g.comments, (PixelRect{4, 108, 250, 32}));
    EXPECT_EQ(g.image, (PixelRect{4, 144, 50, 40}));
    EXPECT_EQ(g.client, (PixelSize{308, 188}));
}

TEST(FormLayout, OkAndCancelStandUnderTheGapsBetweenTheRowButtons) {
    TableFormParts parts = chartWithImport();
    parts.importShown = false;
    parts.okCancelShown = true;
    parts.ok = parts.cancel = {75, 25};
    const TableFormGeometry g = LayoutTableForm(parts);
    EXPECT_EQ(g.ok, (PixelRect{50, 365, 75, 25}));
    EXPECT_EQ(g.cancel, (PixelRect{135, 365, 75, 25}));
    EXPECT_EQ(g.client.height, 398);
}

TEST(FormLayout, WideImportGroupWidensTheWindow) {
    TableFormParts parts = chartWithImport();
    parts.fileEdit = {300, 21};
    EXPECT_EQ(LayoutTableForm(parts).client.width, 72 + 300 + 4);
}

TEST(GridSizes, AddScrollBarsForRowsAndColumnsOutOfView) {
    EXPECT_EQ(GridSize(threeColumns(), {0, 3, 0, 5}, 5), (PixelSize{342, 177}));
    EXPECT_EQ(GridSize(threeColumns(), {1, 1, 2, 3}, 5), (PixelSize{2 + 40 + 120 + 16, 2 + 50 + 75 + 16}));
}

TEST(Snapping, AWindowLargeEnoughShowsEverything) {
    const SnapResult snap = SnapTableForm(dragTo({400, 300}));
    EXPECT_EQ(snap.candidate, 0);
    EXPECT_EQ(snap.window, (GridWindow{0, 3, 0, 5}));
    EXPECT_EQ(snap.size, (PixelSize{362, 277}));
}

// Hand check: with both scroll bars two columns (40 + 100 + 120 + 16 + 22 = 298) and one row
// (100 + 52 + 25 + 16 = 193) fit 362 x 200 exactly; every other layout overshoots.
TEST(Snapping, ASmallerWindowFitsWholeRowsAndColumns) {
    const SnapResult snap = SnapTableForm(dragTo({362, 200}));
    EXPECT_EQ(snap.candidate, 3);
    EXPECT_EQ(snap.window, (GridWindow{0, 2, 0, 1}));
    EXPECT_EQ(snap.size, (PixelSize{298, 193}));
}

// Only the bottom edge moved: the columns stay; fitted rows (three, with the vertical bar)
// overshoot the width by the bar alone, and win the tie with both fitted.
TEST(Snapping, DraggingTheBottomEdgeKeepsTheColumns) {
    const SnapResult snap = SnapTableForm(dragTo({362, 230}, false, true));
    EXPECT_EQ(snap.candidate, 2);
    EXPECT_EQ(snap.window, (GridWindow{0, 3, 0, 3}));
    EXPECT_EQ(snap.size, (PixelSize{378, 227}));
}

TEST(Snapping, TheFirstRowInViewMovesUpWhenFewerRowsRemainBelowIt) {
    SnapRequest request = dragTo({378, 227});
    request.current = {0, 3, 4, 1};
    EXPECT_EQ(SnapTableForm(request).window.firstRow, 2);
}

TEST(Snapping, NeedsADataColumn) {
    SnapRequest request = dragTo({300, 300});
    request.grid.columnWidths.clear();
    EXPECT_THROW(SnapTableForm(request), Exception);
}
