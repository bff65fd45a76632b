#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "EAssignError.h"
#include "FakeTableWindow.h"
#include "GridTableAccess.h"
#include "SystemTables.h"

using namespace quarlo;

namespace {

class WindowAccess : public testing::Test {
protected:
    void SetUp() override {
        tables.D2().SetRowCount(2);
        tables.TblAE2().SetRowCount(2);
    }

    TGridTableChart& clayOfLayer(int row) const { return *tables.D2().Data(2, row).SubTable(); }

    FakeWindowScope<ChartVariant> windows;
    SystemTables tables;
};

}  // namespace

TEST_F(WindowAccess, ATypedEntryIsStoredAndMarksTheTableChanged) {
    auto access = GridTableAccess::For(tables.TblAE2());
    EXPECT_TRUE(access->StoreEntry(1, 0, "2*3.5E8"));
    EXPECT_EQ(access->CellText(1, 0), "7E8");
    EXPECT_TRUE(tables.TblAE2().GetChanged());
}

TEST_F(WindowAccess, TheTextTheCellShowsStoresNothing) {
    auto access = GridTableAccess::For(tables.TblAE2());
    EXPECT_FALSE(access->StoreEntry(0, 1, "0"));
    EXPECT_FALSE(tables.TblAE2().GetChanged());
}

TEST_F(WindowAccess, ARefusedEntryLeavesValueAndMarkAlone) {
    auto access = GridTableAccess::For(tables.TblAE2());
    access->StoreEntry(0, 1, "720");
    tables.TblAE2().SetChanged(false);
    EXPECT_THROW(access->StoreEntry(0, 1, "72o"), EAssignError);
    EXPECT_EQ(access->CellText(0, 1), "720");
    EXPECT_FALSE(tables.TblAE2().GetChanged());
}

TEST_F(WindowAccess, SeesOnlyTheShownColumns) {
    auto access = GridTableAccess::For(clayOfLayer(0));
    ASSERT_EQ(access->ColumnCount(), 5);
    EXPECT_EQ(access->HeaderLine(3, 0), "Ultimate Unit");
    EXPECT_EQ(access->HeaderLineCount(), 2);
    EXPECT_EQ(access->HeaderLine(2, 1), "");
    EXPECT_EQ(access->TopLeft(), "Location, 1=Top, 2=Bottom");
}

TEST_F(WindowAccess, CellChangesArriveWithShownColumnNumbers) {
    TGridTableChart& clay = clayOfLayer(0);
    auto access = GridTableAccess::For(clay);
    std::vector<std::pair<int, int>> changed;
    access->InstallHooks({nullptr, [&](int column, int row) { changed.emplace_back(column, row); }, nullptr, nullptr});
    clay.Show();
    clay.Data(5, 1).SetAsFloat(2.5L);
    clay.Data(7, 0).SetAsFloat(1.0L);
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{3, 1}}));
}

TEST_F(WindowAccess, KindsOfTheSoilLayerColumns) {
    auto access = GridTableAccess::For(tables.D2());
    EXPECT_EQ(access->Kind(0), CellKind::Choice);
    EXPECT_EQ(access->Kind(1), CellKind::Text);
    EXPECT_EQ(access->Kind(2), CellKind::SubTable);
    EXPECT_EQ(access->ChoiceItems(0).size(), 6u);
}

TEST_F(WindowAccess, ChoosingASandTypeReCaptionsTheRowsButton) {
    auto access = GridTableAccess::For(tables.D2());
    tables.D2().Show();
    access->AttachControls(tables.D2().Window(), 0, 2);
    access->ChooseItem(0, 1, 1);
    EXPECT_EQ(access->Control(2, 1).caption, "2: Sand Layer Data");
    EXPECT_EQ(access->Control(0, 1).selectedIndex, 1);
    EXPECT_EQ(access->Control(2, 0).caption, "1: Clay Layer Data");
    EXPECT_TRUE(tables.D2().GetChanged());
}

TEST_F(WindowAccess, SubTableWindowsAreNamedWithTheirNumberPath) {
    EXPECT_EQ(GridTableAccess::For(clayOfLayer(1))->WindowName(), "tblDataClay2_2");
    EXPECT_EQ(GridTableAccess::For(tables.D2())->WindowName(), "D2");
    EXPECT_EQ(GridTableAccess::For(clayOfLayer(1))->WindowTitle(), "Clay Layer Data  2");
}

TEST_F(WindowAccess, RowCommandsMarkTheTableChanged) {
    auto access = GridTableAccess::For(tables.TblAE2());
    access->AddRowGroup();
    EXPECT_EQ(access->RowCount(), 3);
    EXPECT_TRUE(tables.TblAE2().GetChanged());
}

TEST_F(WindowAccess, ImportedRowsReplaceTheTableEvenBelowItsLeastRows) {
    auto access = GridTableAccess::For(tables.TblAE2());
    access->ImportRows({{0.0L, 7.5E8L}, {240.0L, 7.0E8L}, {720.0L, 6.5E8L}});
    ASSERT_EQ(access->RowCount(), 3);
    EXPECT_EQ(access->CellText(0, 2), "720");
    EXPECT_EQ(access->CellText(1, 1), "7E8");
    access->ImportRows({{10.0L, 1.0L}});
    EXPECT_EQ(access->RowCount(), 1);
    EXPECT_TRUE(tables.TblAE2().GetChanged());
}

TEST_F(WindowAccess, AnOpeningWindowGetsTheLeastRows) {
    TGridTable& loads = tables.TblTopload();
    auto access = GridTableAccess::For(loads);
    access->EnsureMinRows();
    EXPECT_EQ(loads.RowCount(), 1);
    EXPECT_EQ(access->Chart(), nullptr);
}
