#include <gtest/gtest.h>

#include <vector>

#include "CaseName.h"
#include "GridRules.h"

using namespace quarlo;

namespace {

struct RowButtonCase {
    const char* name;
    int rowCount, minRows, maxRows;
    bool shown, addEnabled, deleteEnabled;
};

class RowButtons : public testing::TestWithParam<RowButtonCase> {};

struct VisibleRowsCase {
    const char* name;
    int visibleRows, rowCount, rowGroup;
    bool chart;
    int expected;
};

class GrowingGrid : public testing::TestWithParam<VisibleRowsCase> {};

struct EnterCase {
    const char* name;
    GridCell from;
    int rowCount;
    std::vector<bool> typedColumns;
    GridCell expected;
};

class EnterKey : public testing::TestWithParam<EnterCase> {};

}  // namespace

TEST_P(RowButtons, FollowTheRowLimits) {
    const RowButtonCase& c = GetParam();
    const RowButtonRules rules = RowButtonState(c.rowCount, c.minRows, c.maxRows);
    EXPECT_EQ(rules.shown, c.shown);
    EXPECT_EQ(rules.addEnabled, c.addEnabled);
    EXPECT_EQ(rules.deleteEnabled, c.deleteEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RowButtons,
    testing::Values(RowButtonCase{"LayerDataHasFixedRows", 2, 2, 2, false, false, false},
                    RowButtonCase{"AtMinRowsOnlyAdding", 2, 2, 100, true, true, false},
                    RowButtonCase{"BetweenTheLimitsBoth", 5, 2, 100, true, true, true},
                    RowButtonCase{"AtMaxRowsOnlyDeleting", 30, 1, 30, true, false, true}),
    CaseName());

TEST(OpeningGrid, ShowsFiveRowsBesideAChartAndTenWithout) {
    EXPECT_EQ(OpeningVisibleRows(12, true), 5);
    EXPECT_EQ(OpeningVisibleRows(12, false), 10);
    EXPECT_EQ(OpeningVisibleRows(3, true), 3);
}

TEST_P(GrowingGrid, GrowsOnlyWhileItShowsEveryRow) {
    const VisibleRowsCase& c = GetParam();
    EXPECT_EQ(GrownVisibleRows(c.visibleRows, c.rowCount, c.rowGroup, c.chart), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GrowingGrid,
    testing::Values(VisibleRowsCase{"AllShownGrowsByTheGroup", 3, 3, 2, true, 5},
                    VisibleRowsCase{"StopsAtTheChartLimit", 4, 4, 2, true, 5},
                    VisibleRowsCase{"StopsAtTheLimitWithoutChart", 10, 10, 1, false, 10},
                    VisibleRowsCase{"ScrolledGridStays", 5, 8, 1, true, 5},
                    VisibleRowsCase{"GridSizedLargerByTheUserStays", 14, 14, 1, false, 14}),
    CaseName());

TEST(RowNumbers, AllRowsOfAGroupShareTheNumber) {
    EXPECT_EQ(GroupNumber(0, 1), 1);
    EXPECT_EQ(GroupNumber(4, 1), 5);
    EXPECT_EQ(GroupNumber(2, 2), 2);
    EXPECT_EQ(GroupNumber(3, 2), 2);
}

TEST_P(EnterKey, MovesTheCursor) {
    const EnterCase& c = GetParam();
    EXPECT_EQ(NextCellOnEnter(c.from, c.rowCount, c.typedColumns), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, EnterKey,
    testing::Values(EnterCase{"OneRowDown", {1, 0}, 5, {true, true}, {2, 0}},
                    EnterCase{"LastRowToTheNextColumn", {4, 0}, 5, {true, true}, {0, 1}},
                    EnterCase{"LastCellBackToTheFirstColumn", {4, 1}, 5, {true, true}, {0, 0}},
                    EnterCase{"PassesOverListAndButtonColumns", {0, 1}, 1, {false, true, false}, {0, 1}},
                    EnterCase{"NoTypedColumnStays", {2, 0}, 3, {false, false}, {2, 0}}),
    CaseName());
