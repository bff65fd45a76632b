#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Exception.h"
#include "EListError.h"
#include "FakeTableWindow.h"
#include "Table.h"
#include "TableChart.h"

using namespace quarlo;

namespace {

TFloatColumnChart& addFloat(TGridTableChart& table, bool visible = true) {
    auto column = std::make_unique<TFloatColumnChart>(&table);
    column->SetVisible(visible);
    TFloatColumnChart& added = *column;
    table.AdoptColumn(std::move(column));
    return added;
}

}  // namespace

TEST(TableIdentifier, SettingAHeldValueSwapsTheTwo) {
    TGridTableChart a;
    TGridTableChart b;
    a.SetIdentifier(5000);
    b.SetIdentifier(5001);
    a.SetIdentifier(5001);
    EXPECT_EQ(a.Identifier(), 5001);
    EXPECT_EQ(b.Identifier(), 5000);
    EXPECT_EQ(TGridTableChart::FindByIdentifier(5001), &a);
}

TEST(TableIdentifier, NegativeValueIsIgnored) {
    TGridTableChart a;
    a.SetIdentifier(5002);
    a.SetIdentifier(-1);
    EXPECT_EQ(a.Identifier(), 5002);
}

TEST(TableIdentifier, VariantsHaveSeparateRegistries) {
    TGridTableChart chart;
    TGridTable plain;
    chart.SetIdentifier(5003);
    plain.SetIdentifier(5003);
    EXPECT_EQ(chart.Identifier(), 5003);
    EXPECT_EQ(TGridTable::FindByIdentifier(5003), &plain);
}

// Rows 0..5 hold 0, 10, ..., 50 in a table of row groups of two.
class RowGroups : public testing::Test {
protected:
    void SetUp() override {
        table.SetRowGroup(2);
        column = &addFloat(table);
        table.SetRowCount(6);
        for (int row = 0; row < 6; ++row) {
            column->SetFloat(row, 10.0L * row);
        }
        table.RowsChangedHook = [this] { ++rowsChanged; };
    }

    TGridTableChart table;
    TFloatColumnChart* column = nullptr;
    int rowsChanged = 0;
};

TEST_F(RowGroups, DeletingARowRemovesItsWholeGroup) {
    table.DeleteRowGroup(3);
    ASSERT_EQ(table.RowCount(), 4);
    EXPECT_EQ(column->RowCount(), 4);
    EXPECT_EQ(column->GetFloat(1), 10.0L);
    EXPECT_EQ(column->GetFloat(2), 40.0L);
    EXPECT_EQ(rowsChanged, 1);
}

TEST_F(RowGroups, InsertingGoesBeforeTheGroupOfTheRow) {
    table.InsertRowGroup(3);
    ASSERT_EQ(table.RowCount(), 8);
    EXPECT_EQ(column->GetFloat(1), 10.0L);
    EXPECT_EQ(column->GetFloat(2), 0.0L);
    EXPECT_EQ(column->GetFloat(3), 0.0L);
    EXPECT_EQ(column->GetFloat(4), 20.0L);
}

TEST_F(RowGroups, AddingAppendsOneGroup) {
    table.AddRowGroup();
    EXPECT_EQ(table.RowCount(), 8);
    EXPECT_EQ(column->RowCount(), 8);
}

TEST_F(RowGroups, RowCountKeepsWholeGroups) {
    table.SetRowCount(3);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(column->RowCount(), 4);
    EXPECT_EQ(column->GetFloat(3), 30.0L);
    table.SetRowCount(-2);
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(rowsChanged, 0);
}

TEST(VisibleColumns, SkipHiddenColumnsOnly) {
    TGridTableChart table;
    addFloat(table, false);
    TFloatColumnChart& shown = addFloat(table);
    EXPECT_EQ(table.ColumnCount(), 2);
    EXPECT_EQ(table.VisibleColumnCount(), 1);
    EXPECT_EQ(&table.VisibleColumn(0), &shown);
    try {
        table.VisibleColumn(1);
        FAIL();
    } catch (const EListError& error) {
        EXPECT_STREQ(error.what(), "Index out of bounds");
    }
}

TEST(SyncTemplates, TemplateListsFollowTheItemsOfTheFirstColumn) {
    TGridTableChart table;
    auto soilType = std::make_unique<TEnumColumnChart>(&table);
    TEnumColumnChart& items = *soilType;
    table.AdoptColumn(std::move(soilType));
    auto layers = std::make_unique<TTableColumnChart>(&table);
    TGridTableListChart& templates = layers->Templates();
    templates.AddIdentifier(5200);
    table.AdoptColumn(std::move(layers));
    table.SyncTemplates();
    EXPECT_EQ(templates.Count(), 0);
    items.SetItems({"a", "b", "c"});
    ASSERT_EQ(templates.Count(), 3);
    EXPECT_FALSE(templates.Entry(2).isIdentifier);
    EXPECT_EQ(templates.Entry(2).value, -1);
    items.SetItems({"a"});
    EXPECT_EQ(templates.Count(), 1);
}

TEST(SyncTemplates, WithoutAnEnumFirstColumnOneTemplate) {
    TGridTableChart table;
    addFloat(table);
    auto layers = std::make_unique<TTableColumnChart>(&table);
    TGridTableListChart& templates = layers->Templates();
    templates = TGridTableListChart();
    templates.AddIdentifier(5200);
    templates.AddIdentifier(5201);
    table.AdoptColumn(std::move(layers));
    table.SyncTemplates();
    ASSERT_EQ(templates.Count(), 1);
    EXPECT_EQ(templates.Entry(0).value, 5200);
}

TEST(TableClone, TakesTextsLimitsAndChartButNeitherValuesNorRowGroup) {
    TGridTableChart source;
    source.SetCaption("t-z curve");
    source.SetComments("Comments");
    source.SetTopLeft("Corner");
    source.SetMinRows(3);
    source.SetMaxRows(9);
    source.SetRowGroup(3);
    source.SetHardwiredButton(true);
    source.Chart().ShowChart = true;
    source.Chart().InvertedYAxis = true;
    source.Chart().Y2Column = 1;
    TFloatColumnChart& column = addFloat(source, false);
    source.SetRowCount(3);
    column.SetFloat(0, 5.0L);
    TGridTableChart owner;
    owner.SetUnits(2);

    const auto clone = TGridTableChart::Clone(&owner, 4, source);
    EXPECT_EQ(clone->Caption(), "t-z curve");
    EXPECT_EQ(clone->Comments(), "Comments");
    EXPECT_EQ(clone->TopLeft(), "Corner");
    EXPECT_EQ(clone->MinRows(), 3);
    EXPECT_EQ(clone->MaxRows(), 9);
    EXPECT_EQ(clone->RowGroup(), 1);
    EXPECT_FALSE(clone->HardwiredButton());
    EXPECT_NE(clone->Identifier(), source.Identifier());
    EXPECT_EQ(clone->Number(), 4);
    EXPECT_EQ(clone->Units(), 2);
    ASSERT_EQ(clone->RowCount(), 3);
    EXPECT_FALSE(clone->Column(0).Visible());
    EXPECT_EQ(clone->Data(0, 0).AsFloat(), 0.0L);
    EXPECT_TRUE(clone->Chart().ShowChart);
    EXPECT_TRUE(clone->Chart().InvertedYAxis);
    EXPECT_EQ(clone->Chart().Y2Column, 1);
}

TEST(TableWindowModel, NoWindowWithoutVisibleColumns) {
    FakeWindowScope<ChartVariant> windows;
    TGridTableChart table;
    addFloat(table, false);
    table.Show();
    EXPECT_FALSE(table.WindowOpen());
    EXPECT_EQ(windows.created, 0);
}

TEST(TableWindowModel, SecondShowBringsTheSameWindowUp) {
    FakeWindowScope<ChartVariant> windows;
    TGridTableChart table;
    table.SetCaption("Soil Layers");
    addFloat(table);
    table.Show();
    table.Show();
    ASSERT_TRUE(table.WindowOpen());
    EXPECT_EQ(windows.created, 1);
    auto* window = static_cast<FakeTableWindow*>(table.Window());
    EXPECT_EQ(window->displayCount, 2);
    EXPECT_EQ(window->title, "Soil Layers ");
    table.CloseForms();
    EXPECT_FALSE(table.WindowOpen());
}

TEST(TableWindowModel, RenumberingRetitlesAnOpenWindow) {
    FakeWindowScope<ChartVariant> windows;
    TGridTableChart owner;
    TGridTableChart table(&owner);
    table.SetCaption("Clay Layer Data");
    addFloat(table);
    table.SetNumber(1);
    table.Show();
    table.SetNumber(2);
    EXPECT_EQ(static_cast<FakeTableWindow*>(table.Window())->title, "Clay Layer Data  2");
}

TEST(TableProperties, MinRowsMustBePositiveOutsideLoading) {
    TGridTableChart table;
    table.SetMinRows(2);
    try {
        table.SetMinRows(0);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Value must be greater than 0");
    }
    EXPECT_EQ(table.MinRows(), 2);
    table.SetLoading(true);
    table.SetMinRows(-3);
    EXPECT_EQ(table.MinRows(), 1);
}

TEST(TableProperties, RowGroupIsAtLeastOne) {
    TGridTableChart table;
    table.SetRowGroup(0);
    EXPECT_EQ(table.RowGroup(), 1);
}

TEST(TableProperties, SubTableTakesItsOwnersUnits) {
    TGridTableChart owner;
    owner.SetUnits(2);
    TGridTableChart table(&owner);
    EXPECT_EQ(table.Units(), 2);
}

TEST(TableChanged, ResetClearsTheFlag) {
    TGridTableChart table;
    EXPECT_FALSE(table.GetChanged());
    table.SetChanged(true);
    EXPECT_TRUE(table.GetChanged());
    table.SetChanged(false);
    EXPECT_FALSE(table.GetChanged());
}

TEST(TableUnits, RefusesCodesOtherThanEnglishAndSI) {
    TGridTableChart table;
    EXPECT_THROW(table.SetUnits(3), Exception);
    EXPECT_EQ(table.Units(), 1);
}
