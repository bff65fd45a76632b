#include <gtest/gtest.h>

#include <string>

#include "Exception.h"
#include "EInvalidCast.h"
#include "FakeTableWindow.h"
#include "SystemTables.h"
#include "Table.h"

using namespace quarlo;

namespace {

// The soil-layer table D2: column 0 soil type, 1 bottom of layer, 2 layer data sub-table.
class SoilLayers : public testing::Test {
protected:
    TGridTableChart* layerData(int row) const { return d2.Data(2, row).SubTable(); }
    TTableColumnChart& layerColumn() const { return dynamic_cast<TTableColumnChart&>(d2.Column(2)); }

    SystemTables tables;
    TGridTableChart& d2 = tables.D2();
};

}  // namespace

TEST_F(SoilLayers, EachNewLayerGetsANumberedClayTable) {
    d2.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        const TGridTableChart* data = layerData(row);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->Caption(), "Clay Layer Data");
        EXPECT_EQ(data->Name(), "tblDataClay2");
        EXPECT_EQ(data->Number(), row + 1);
        EXPECT_EQ(data->RowCount(), 2);
        EXPECT_EQ(data->Owner(), &d2);
    }
    EXPECT_EQ(layerData(0)->WindowTitle(), "Clay Layer Data  1");
}

TEST_F(SoilLayers, DeletingALayerRenumbersTheOthersAndRetitlesTheirWindows) {
    FakeWindowScope<ChartVariant> windows;
    d2.SetRowCount(3);
    const TGridTableChart* second = layerData(1);
    layerData(2)->Show();
    d2.DeleteRowGroup(0);
    ASSERT_EQ(d2.RowCount(), 2);
    EXPECT_EQ(layerData(0), second);
    EXPECT_EQ(layerData(0)->Number(), 1);
    EXPECT_EQ(layerData(1)->Number(), 2);
    EXPECT_EQ(static_cast<FakeTableWindow*>(layerData(1)->Window())->title, "Clay Layer Data  2");
}

TEST_F(SoilLayers, ChangingTheSoilTypeReplacesTheDataTableAndKeepsItsValues) {
    d2.SetRowCount(1);
    layerData(0)->Data(0, 0).SetAsFloat(120.0L);
    layerData(0)->Data(5, 1).SetAsFloat(300.0L);
    d2.Column(0).SetText(0, "2");
    const TGridTableChart* sand = layerData(0);
    EXPECT_EQ(sand->Caption(), "Sand Layer Data");
    EXPECT_EQ(sand->Number(), 1);
    EXPECT_EQ(sand->Data(0, 0).AsFloat(), 120.0L);
    EXPECT_EQ(sand->Data(5, 1).AsFloat(), 300.0L);
    EXPECT_FALSE(sand->Column(1).Visible());
    EXPECT_TRUE(sand->Column(3).Visible());
}

TEST_F(SoilLayers, SettingTheSameSoilTypeKeepsTheDataTable) {
    d2.SetRowCount(1);
    const TGridTableChart* before = layerData(0);
    d2.Data(0, 0).SetAsInteger(1);
    EXPECT_EQ(layerData(0), before);
}

TEST_F(SoilLayers, TemplateTablesKeepTheirOwnValues) {
    d2.SetRowCount(1);
    layerData(0)->Data(0, 0).SetAsFloat(120.0L);
    d2.Data(0, 0).SetAsInteger(2);
    EXPECT_EQ(tables.tblDataClay2().RowCount(), 0);
    EXPECT_EQ(tables.tblDataSand2().RowCount(), 0);
}

TEST_F(SoilLayers, ButtonCaptionNumbersTheSubTable) {
    d2.SetRowCount(3);
    d2.Data(0, 2).SetAsInteger(4);
    EXPECT_EQ(layerColumn().ButtonCaption(0), "1: Clay Layer Data");
    EXPECT_EQ(layerColumn().ButtonCaption(2), "3: Sand Layer Data");
}

TEST_F(SoilLayers, ChangedMarksReachThroughSubTables) {
    d2.SetRowCount(2);
    EXPECT_FALSE(d2.GetChanged());
    layerData(1)->SetChanged(true);
    EXPECT_TRUE(d2.GetChanged());
    d2.SetChanged(false);
    EXPECT_FALSE(layerData(1)->GetChanged());
    EXPECT_FALSE(d2.GetChanged());
}

// Expected values from the unit table's factors (1 m = 39.37007874 in, 1 kN = 224.8089237 lbs),
// so 100 in give 2.5400000000102 m rather than exactly 2.54.
// The layer's data were typed in, so its data table was marked changed; choosing another
// soil type in the list replaces that table, and the choice itself must keep the mark.
TEST_F(SoilLayers, ChoosingASoilTypeInTheListMarksTheTableChanged) {
    d2.SetRowCount(1);
    layerData(0)->SetChanged(true);
    auto& soilType = dynamic_cast<TEnumColumnChart&>(d2.Column(0));
    FakeTableWindow window(false);
    soilType.AttachControls(&window, 0, 1);
    soilType.ControlChanged(0, 1);
    EXPECT_EQ(layerData(0)->Caption(), "Sand Layer Data");
    EXPECT_TRUE(d2.GetChanged());
    d2.SetChanged(false);
    soilType.ControlChanged(0, 1);
    EXPECT_FALSE(d2.GetChanged());
}

TEST_F(SoilLayers, UnitSwitchConvertsLayersAndTheirDataTables) {
    constexpr double inchesPerMetre = 39.37007874;
    constexpr double poundsPerKilonewton = 224.8089237;
    d2.SetRowCount(1);
    d2.Data(1, 0).SetAsFloat(100.0L);             // in
    layerData(0)->Data(1, 0).SetAsFloat(100.0L);  // lbs/in^2
    layerData(0)->Data(0, 0).SetAsFloat(1.0L);    // lbs/in^3
    layerData(0)->Data(2, 0).SetAsFloat(0.01L);   // e50, no unit
    d2.SetUnits(2);
    EXPECT_NEAR(static_cast<double>(d2.Data(1, 0).AsFloat()), 100.0 / inchesPerMetre, 1e-13);
    EXPECT_NEAR(static_cast<double>(layerData(0)->Data(1, 0).AsFloat()),
                100.0 * inchesPerMetre * inchesPerMetre / poundsPerKilonewton, 1e-10);
    EXPECT_NEAR(static_cast<double>(layerData(0)->Data(0, 0).AsFloat()),
                inchesPerMetre * inchesPerMetre * inchesPerMetre / poundsPerKilonewton, 1e-10);
    EXPECT_EQ(layerData(0)->Data(2, 0).AsFloat(), 0.01L);
    EXPECT_EQ(layerData(0)->Units(), 2);
    EXPECT_EQ(d2.Column(1).CaptionLine(0), "Bottom of Layer (m)  ");

    const long double bottom = d2.Data(1, 0).AsFloat();
    d2.SetUnits(2);
    EXPECT_EQ(d2.Data(1, 0).AsFloat(), bottom);
}

TEST_F(SoilLayers, NewLayersAfterAUnitSwitchAreInTheNewUnits) {
    d2.SetUnits(2);
    d2.SetRowCount(1);
    EXPECT_EQ(layerData(0)->Units(), 2);
}

TEST_F(SoilLayers, RowButtonOpensTheSubTableLikeItsOwnersWindow) {
    FakeWindowScope<ChartVariant> windows;
    d2.SetRowCount(1);
    d2.ShowModal();
    layerColumn().AttachControls(d2.Window(), 0, 1);
    EXPECT_EQ(layerColumn().Control(0).caption, "1: Clay Layer Data");
    layerColumn().ButtonClick(0);
    EXPECT_TRUE(layerData(0)->WindowOpen());
    EXPECT_TRUE(windows.lastModal);

    d2.CloseForms();
    EXPECT_FALSE(layerData(0)->WindowOpen());
    d2.Show();
    layerColumn().AttachControls(d2.Window(), 0, 1);
    layerColumn().ButtonClick(0);
    EXPECT_FALSE(windows.lastModal);
}

TEST_F(SoilLayers, ButtonsMustCoverExistingRows) {
    FakeTableWindow window(false);
    d2.SetRowCount(2);
    try {
        layerColumn().AttachControls(&window, 2, 1);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "ATopRow 2");
    }
    try {
        layerColumn().AttachControls(&window, 1, 3);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "ACount 3");
    }
}

TEST(TzCurves, EachDepthGetsAChartTableOfItsOwn) {
    SystemTables tables;
    tables.TblTZDepth2().SetRowCount(2);
    const TGridTableChart* curve = tables.TblTZDepth2().Data(1, 1).SubTable();
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->Caption(), "t-z curve");
    EXPECT_EQ(curve->RowCount(), 2);
    EXPECT_TRUE(curve->Chart().ShowChart);
    EXPECT_TRUE(curve->Chart().GetDataFromFile);
    EXPECT_EQ(curve->Chart().XColumn, 1);
    EXPECT_EQ(curve->Chart().YColumn, 0);
    EXPECT_THROW(tables.TblTZDepth2().Data(0, 0).SubTable(), EInvalidCast);
}

// A table column that names its own table: the nested clone must not nest again.
TEST(TemplateCycle, ATableThatIsItsOwnTemplateNestsOnce) {
    TGridTableChart table;
    table.SetIdentifier(5100);
    auto column = std::make_unique<TTableColumnChart>(&table);
    column->Templates() = TGridTableListChart();
    column->Templates().AddIdentifier(5100);
    table.AdoptColumn(std::move(column));
    table.SetRowCount(1);
    const TGridTableChart* nested = table.Data(0, 0).SubTable();
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->RowCount(), 1);
    EXPECT_EQ(nested->Data(0, 0).SubTable(), nullptr);
}

namespace {

struct RecordedObject : RowObject {
    explicit RecordedObject(int type) : enumType(type) {}
    int enumType;
    int row = -1;
};

}  // namespace

TEST(RowObjects, TableWithoutTemplatesAsksTheApplication) {
    TGridTableChart table;
    auto column = std::make_unique<TTableColumnChart>(&table);
    TTableColumnChart& rows = *column;
    table.AdoptColumn(std::move(column));
    table.Events.OnInitRow = [](TGridTableChart&, int, int, int type, std::unique_ptr<RowObject>& data) {
        data = std::make_unique<RecordedObject>(type);
    };
    table.Events.OnSetRow = [](TGridTableChart&, int, RowObject* data, int row) {
        static_cast<RecordedObject*>(data)->row = row;
    };
    table.Events.OnGetButtonCaption = [](TGridTableChart&, int, int, RowObject*, std::string& caption) {
        caption = "Curve";
    };
    table.SetRowCount(2);
    table.DeleteRowGroup(0);
    auto* object = static_cast<RecordedObject*>(rows.GetObject(0));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->enumType, 1);
    EXPECT_EQ(object->row, 0);
    EXPECT_EQ(rows.ButtonCaption(0), "1: Curve");
    EXPECT_THROW(rows.GetSubTable(0), EInvalidCast);
}

TEST(PlainTableColumn, RefusesAnEmptyButtonRange) {
    TGridTable table;
    table.AdoptColumn(std::make_unique<TTableColumn>(&table));
    table.SetRowCount(1);
    FakeTableWindow window(false);
    try {
        table.Column(0).AttachControls(&window, 0, 0);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "ACount 0");
    }
}
