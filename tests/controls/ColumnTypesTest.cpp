#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CaseName.h"
#include "EAssignError.h"
#include "EInvalidCast.h"
#include "Exception.h"
#include "FakeTableWindow.h"
#include "TableChart.h"

using namespace quarlo;

namespace {

template <class Column>
Column& addColumn(TGridTableChart& table) {
    auto column = std::make_unique<Column>(&table);
    Column& added = *column;
    table.AdoptColumn(std::move(column));
    return added;
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAssignError& error) {
        return error.what();
    }
    return "(accepted)";
}

}  // namespace

TEST(FloatColumn, StoresTheValueOfAnExpression) {
    TGridTableChart table;
    auto& column = addColumn<TFloatColumnChart>(table);
    table.SetRowCount(1);
    column.SetText(0, "2*3+1");
    EXPECT_EQ(table.Data(0, 0).AsFloat(), 7.0L);
    EXPECT_EQ(column.GetText(0), "7");
}

TEST(FloatColumn, PassesTheEvaluatorsRefusalOnAndKeepsTheValue) {
    TGridTableChart table;
    auto& column = addColumn<TFloatColumnChart>(table);
    table.SetRowCount(1);
    column.SetFloat(0, 5.0L);
    EXPECT_EQ(messageOf([&] { column.SetText(0, ""); }), "Entry could not be evaluated:\rentry cannot be blank");
    EXPECT_EQ(messageOf([&] { column.SetText(0, "lorem"); }),
              "Entry could not be evaluated:\rinvalid character(s) in expression");
    EXPECT_EQ(column.GetFloat(0), 5.0L);
}

TEST(FloatColumn, ShowsEightSignificantDigits) {
    TGridTableChart table;
    auto& column = addColumn<TFloatColumnChart>(table);
    table.SetRowCount(2);
    column.SetFloat(0, 123456789.0L);
    column.SetFloat(1, 0.000015L);
    EXPECT_EQ(column.GetText(0), "1.2345679E8");
    EXPECT_EQ(column.GetText(1), "1.5E-5");
}

struct IntEntryCase {
    const char* name;
    const char* text;
    bool windowOpen;
    const char* message;  // empty: accepted
    int stored;
};

class IntColumnEntry : public testing::TestWithParam<IntEntryCase> {};

TEST_P(IntColumnEntry, ChecksTypedEntriesOnlyWhileTheWindowIsOpen) {
    const IntEntryCase& entry = GetParam();
    FakeWindowScope<ChartVariant> windows;
    TGridTableChart table;
    auto& column = addColumn<TIntColumnChart>(table);
    column.SetMinValue(1);
    column.SetMaxValue(10);
    table.SetRowCount(1);
    if (entry.windowOpen) {
        table.Show();
        ASSERT_TRUE(table.WindowOpen());
    }
    const std::string message = messageOf([&] { column.SetText(0, entry.text); });
    if (*entry.message != '\0') {
        EXPECT_EQ(message, entry.message);
        EXPECT_EQ(column.GetInteger(0), 0);
    } else {
        EXPECT_EQ(message, "(accepted)");
        EXPECT_EQ(column.GetInteger(0), entry.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntColumnEntry,
    testing::Values(IntEntryCase{"AboveMaximum", "11", true, "Entry must be between 1 and 10.", 0},
                    IntEntryCase{"BelowMinimum", "0", true, "Entry must be between 1 and 10.", 0},
                    IntEntryCase{"PositiveFraction", "2.5", true, "Entry must be an integer.", 0},
                    IntEntryCase{"NegativeFraction", "-2.5", true, "Entry must be an integer.", 0},
                    IntEntryCase{"WithinTolerance", "4.00000000005", true, "", 4},
                    IntEntryCase{"ProgramValueAboveMaximum", "11", false, "", 11},
                    IntEntryCase{"ProgramHalfRoundsToEvenDown", "2.5", false, "", 2},
                    IntEntryCase{"ProgramHalfRoundsToEvenUp", "3.5", false, "", 4},
                    IntEntryCase{"ProgramValueBeyond32Bits", "3000000000", false,
                                 "Entry must be between -2147483648 and 2147483647.", 0}),
    CaseName());

TEST(EnumColumn, RefusesFractionsAndIndexesThatNameNoItem) {
    TGridTableChart table;
    auto& column = addColumn<TEnumColumnChart>(table);
    column.SetItems({"a", "b", "c"});
    table.SetRowCount(1);
    EXPECT_EQ(messageOf([&] { column.SetText(0, "1.5"); }), "Value must be an integer.");
    EXPECT_EQ(messageOf([&] { column.SetText(0, "4"); }), "Entry must be between 1 and 3.");
    column.SetText(0, "1+2");
    EXPECT_EQ(column.GetInteger(0), 3);
    EXPECT_EQ(column.GetText(0), "3");
}

TEST(EnumColumn, ListBoxShowsTheValueAndNotifiesOnlyRealChanges) {
    TEnumColumnChart column(nullptr);
    column.SetItems({"a", "b", "c"});
    column.InsertRows(nullptr, 0, 1);
    column.SetInteger(0, 3);
    int notified = 0;
    column.CellChangedHook = [&](TColumnChart&, int) { ++notified; };
    FakeTableWindow window(false);
    column.AttachControls(&window, 0, 1);
    EXPECT_EQ(column.Control(0).selectedIndex, 2);

    column.ControlChanged(0, 0);
    EXPECT_EQ(column.GetInteger(0), 1);
    EXPECT_EQ(column.Control(0).selectedIndex, 0);
    EXPECT_EQ(notified, 1);

    column.ControlChanged(0, 0);
    EXPECT_EQ(notified, 1);
}

TEST(EnumColumn, ListBoxOfNoRowRefusesAChoice) {
    TEnumColumnChart column(nullptr);
    column.SetItems({"a", "b"});
    column.InsertRows(nullptr, 0, 1);
    FakeTableWindow window(false);
    column.AttachControls(&window, -1, 2);
    EXPECT_EQ(column.Control(0).selectedIndex, -1);
    EXPECT_EQ(column.Control(1).selectedIndex, 0);
    try {
        column.ControlChanged(0, 1);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Unexpected row for combobox");
    }
    EXPECT_EQ(column.GetInteger(0), 1);
}

TEST(EnumColumn, RefusesAnotherParentWhileControlsAreAttached) {
    TEnumColumnChart column(nullptr);
    column.InsertRows(nullptr, 0, 1);
    FakeTableWindow first(false);
    FakeTableWindow second(false);
    EXPECT_THROW(column.AttachControls(nullptr, 0, 1), Exception);
    column.AttachControls(&first, 0, 1);
    try {
        column.AttachControls(&second, 0, 1);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Error attempt to change parent with controls already allocated");
    }
}

TEST(ColumnBase, RefusesValuesOfTheWrongKind) {
    TGridTableChart table;
    addColumn<TEnumColumnChart>(table);
    table.SetRowCount(1);
    try {
        table.Data(0, 0).AsFloat();
        FAIL();
    } catch (const EInvalidCast& error) {
        EXPECT_STREQ(error.what(), "Data of wrong type");
    }
}

TEST(GroupValue, SettingOneRowSetsItsWholeGroup) {
    TGridTableChart table;
    table.SetRowGroup(2);
    auto& column = addColumn<TFloatColumnChart>(table);
    column.SetGroupValue(true);
    table.SetRowCount(4);
    column.SetFloat(3, 9.0L);
    EXPECT_EQ(column.GetFloat(0), 0.0L);
    EXPECT_EQ(column.GetFloat(1), 0.0L);
    EXPECT_EQ(column.GetFloat(2), 9.0L);
    EXPECT_EQ(column.GetFloat(3), 9.0L);
}

TEST(FloatColumn, LastCaptionLineCarriesTheUnitWordsOfTheTable) {
    TGridTableChart table;
    auto& column = addColumn<TFloatColumnChart>(table);
    column.GetCaptions() = {"Ultimate Unit", "Side Friction,"};
    column.SetUnitsText("F/L^2");
    EXPECT_EQ(column.CaptionLine(0), "Ultimate Unit");
    EXPECT_EQ(column.CaptionLine(1), "Side Friction, (lbs/in^2)  ");
    table.SetUnits(2);
    EXPECT_EQ(column.CaptionLine(1), "Side Friction, (kN/m^2)  ");
}

TEST(FloatColumn, EmptyUnitStringKeepsValuesAcrossUnitSystems) {
    TGridTableChart table;
    auto& column = addColumn<TFloatColumnChart>(table);
    table.SetRowCount(1);
    column.SetFloat(0, 0.35L);
    table.SetUnits(2);
    EXPECT_EQ(column.GetFloat(0), 0.35L);
}

TEST(CellAccessor, KeepsItsLogicalRowAcrossInsertionsAndDeletions) {
    TGridTableChart table;
    auto& column = addColumn<TFloatColumnChart>(table);
    table.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        column.SetFloat(row, 10.0L * (row + 1));
    }
    TDataChart& third = table.Data(0, 2);
    table.InsertRowGroup(0);
    EXPECT_EQ(third.Row(), 3);
    EXPECT_EQ(third.AsFloat(), 30.0L);
    table.DeleteRowGroup(0);
    table.DeleteRowGroup(0);
    EXPECT_EQ(third.Row(), 1);
    EXPECT_EQ(third.AsFloat(), 30.0L);
}

// Rows hold [top, bottom] depths 0-10, 10-20, 20-30.
class TopDepthPair : public testing::Test {
protected:
    void SetUp() override {
        top = &addColumn<TFloatColumnChart>(table);
        top->SetTopDepth(true);
        bottom = &addColumn<TFloatColumnChart>(table);
        table.SetRowCount(3);
        for (int row = 0; row < 3; ++row) {
            bottom->SetFloat(row, 10.0L * (row + 1));
        }
    }

    TGridTableChart table;
    TFloatColumnChart* top = nullptr;
    TFloatColumnChart* bottom = nullptr;
};

TEST_F(TopDepthPair, SettingABottomMovesTheTopOfTheNextRow) {
    EXPECT_EQ(top->GetFloat(1), 10.0L);
    EXPECT_EQ(top->GetFloat(2), 20.0L);
    top->SetFloat(2, 25.0L);
    EXPECT_EQ(bottom->GetFloat(1), 25.0L);
}

TEST_F(TopDepthPair, InsertedRowJoinsBothNeighbours) {
    table.InsertRowGroup(1);
    EXPECT_EQ(top->GetFloat(1), 10.0L);
    EXPECT_EQ(bottom->GetFloat(1), 10.0L);
    EXPECT_EQ(top->GetFloat(2), 10.0L);
}

TEST_F(TopDepthPair, DeletedRowLeavesNoGap) {
    table.DeleteRowGroup(1);
    EXPECT_EQ(top->GetFloat(1), 10.0L);
    EXPECT_EQ(bottom->GetFloat(1), 30.0L);
}

TEST(TopDepth, NeedsAFloatColumnAfterIt) {
    TGridTableChart table;
    addColumn<TFloatColumnChart>(table).SetTopDepth(true);
    addColumn<TStringColumnChart>(table);
    try {
        table.SetRowCount(1);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "If column if a topdepth then the next column must be a float column");
    }
}

TEST(ColumnClone, CopiesSettingsButNeitherValuesNorGroupValue) {
    TGridTableChart source;
    auto& column = addColumn<TIntColumnChart>(source);
    column.GetCaptions() = {"Count"};
    column.SetVisible(false);
    column.SetGroupValue(true);
    column.SetDefault(7);
    column.SetMinValue(2);
    column.SetMaxValue(9);
    source.SetRowCount(1);
    column.SetInteger(0, 5);

    TGridTableChart target;
    auto clone = column.Clone(&target);
    auto& copied = dynamic_cast<TIntColumnChart&>(*clone);
    EXPECT_EQ(copied.GetCaptions(), column.GetCaptions());
    EXPECT_FALSE(copied.Visible());
    EXPECT_FALSE(copied.GroupValue());
    EXPECT_EQ(copied.Default(), 7);
    EXPECT_EQ(copied.MinValue(), 2);
    EXPECT_EQ(copied.MaxValue(), 9);
    EXPECT_EQ(copied.RowCount(), 0);
}

TEST(StringColumn, StoresTextAsTypedForTheWholeGroup) {
    TGridTableChart table;
    table.SetRowGroup(2);
    auto& column = addColumn<TStringColumnChart>(table);
    column.SetGroupValue(true);
    table.SetRowCount(2);
    column.SetText(0, "1+1");
    EXPECT_EQ(column.GetText(0), "1+1");
    EXPECT_EQ(column.GetText(1), "1+1");
}

TEST(ColumnWidth, IsAtLeastTheClassMinimum) {
    const TextMetrics canvas{[](const std::string& text) { return static_cast<int>(text.size()) * 5; }, 96};
    TEnumColumnChart enumColumn(nullptr);
    TFloatColumnChart floatColumn(nullptr);
    TStringColumnChart stringColumn(nullptr);
    TTableColumnChart tableColumn(nullptr);
    EXPECT_EQ(enumColumn.ColumnWidth(canvas), 144);
    EXPECT_EQ(floatColumn.ColumnWidth(canvas), 48);
    EXPECT_EQ(stringColumn.ColumnWidth(canvas), 96);
    EXPECT_EQ(tableColumn.ColumnWidth(canvas), 192);
    floatColumn.GetCaptions() = {std::string(20, 'x')};
    EXPECT_EQ(floatColumn.ColumnWidth(canvas), 110);  // 22 characters of 5 pixels
}
