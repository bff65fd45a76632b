#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CaseName.h"
#include "SystemTables.h"

using namespace quarlo;

namespace {

struct TableCase {
    const char* name;
    std::function<TGridTableChart&(const SystemTables&)> table;
    int identifier;
    const char* caption;
    int minRows;
    int maxRows;
    int columns;
    bool chart;
    const char* componentName;
};

class ChartTables : public testing::TestWithParam<TableCase> {};

}  // namespace

TEST_P(ChartTables, HaveTheirIdentifiersCaptionsAndLimits) {
    const TableCase& expected = GetParam();
    SystemTables tables;
    const TGridTableChart& table = expected.table(tables);
    EXPECT_EQ(table.Identifier(), expected.identifier);
    EXPECT_EQ(table.Caption(), expected.caption);
    EXPECT_EQ(table.MinRows(), expected.minRows);
    EXPECT_EQ(table.MaxRows(), expected.maxRows);
    EXPECT_EQ(table.ColumnCount(), expected.columns);
    EXPECT_EQ(table.Chart().ShowChart, expected.chart);
    EXPECT_EQ(table.Chart().GetDataFromFile, expected.chart);
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(table.Name(), expected.componentName);
    EXPECT_EQ(TGridTableChart::FindByIdentifier(expected.identifier), &table);
}

INSTANTIATE_TEST_SUITE_P(
    All, ChartTables,
    testing::Values(
        TableCase{"D2", [](const SystemTables& t) -> TGridTableChart& { return t.D2(); }, 0, "Soil Layers", 1, 30, 3,
                  false, "D2"},
        TableCase{"Clay", [](const SystemTables& t) -> TGridTableChart& { return t.tblDataClay2(); }, 1,
                  "Clay Layer Data", 2, 2, 8, false, "tblDataClay2"},
        TableCase{"Sand", [](const SystemTables& t) -> TGridTableChart& { return t.tblDataSand2(); }, 2,
                  "Sand Layer Data", 2, 2, 8, false, "tblDataSand2"},
        TableCase{"TzDepth", [](const SystemTables& t) -> TGridTableChart& { return t.TblTZDepth2(); }, 3,
                  "Depths for User-Defined t-z Curves", 2, 100, 2, false, "TblTZDepth2"},
        TableCase{"TzCurves", [](const SystemTables& t) -> TGridTableChart& { return t.TblTZCurves2(); }, 4,
                  "t-z curve", 2, 100, 2, true, "TblTZCurves2"},
        TableCase{"QwCurve", [](const SystemTables& t) -> TGridTableChart& { return t.TblQwcurve2(); }, 5,
                  "Tip Load vs. Tip Movement", 2, 50, 2, true, "TblQwcurve2"},
        TableCase{"Settlement", [](const SystemTables& t) -> TGridTableChart& { return t.TblSettlement2(); }, 6,
                  "Soil Settlement Profile", 2, 100, 2, true, "TblSettlement2"},
        TableCase{"TzFactors", [](const SystemTables& t) -> TGridTableChart& { return t.TblTZFactors2(); }, 7,
                  "Modification Factors on t-z Curves", 2, 50, 3, true, "TblTZFactors2"},
        TableCase{"AE", [](const SystemTables& t) -> TGridTableChart& { return t.TblAE2(); }, 8,
                  "Axial Stiffness (AE) of Pile Sections", 2, 50, 2, true, "TblAE2"}),
    CaseName());

TEST(LayerTemplates, HideTheColumnsTheirSoilHasNoUseFor) {
    SystemTables tables;
    const auto visibility = [](const TGridTableChart& table) {
        std::string shown;
        for (int c = 0; c < table.ColumnCount(); ++c) {
            shown += table.Column(c).Visible() ? '1' : '0';
        }
        return shown;
    };
    EXPECT_EQ(visibility(tables.tblDataClay2()), "11100110");
    EXPECT_EQ(visibility(tables.tblDataSand2()), "10011110");
}

TEST(LayerTemplates, CarryTheirCommentsAndCornerText) {
    SystemTables tables;
    const std::string comments =
        "Enter data for the top and the bottom of each layer. \r"
        "Linear interpretation will be used for any depth between the top and the bottom.";
    EXPECT_EQ(tables.tblDataClay2().Comments(), comments);
    EXPECT_EQ(tables.tblDataSand2().Comments(), comments);
    EXPECT_EQ(tables.tblDataSand2().TopLeft(), "Location, 1=Top, 2=Bottom");
}

TEST(LayerTemplates, ShowTheirUnitsInTheCaptions) {
    SystemTables tables;
    const TGridTableChart& clay = tables.tblDataClay2();
    EXPECT_EQ(clay.Column(0).CaptionLine(1), "Weight, (lbs/in^3)  ");
    EXPECT_EQ(clay.Column(5).CaptionLine(1), "Side Friction, (lbs/in^2)  ");
    EXPECT_EQ(clay.Column(2).CaptionLine(0), "e50");
}

TEST(SoilLayerTable, OffersTheSixSoilTypes) {
    SystemTables tables;
    const auto& soilType = dynamic_cast<const TEnumColumnChart&>(tables.D2().Column(0));
    ASSERT_EQ(soilType.Items().size(), 6u);
    EXPECT_EQ(soilType.Items()[2], "Drilled Shaft in Clay (Reese & O'Neill)");
    EXPECT_EQ(soilType.CaptionLine(0), "Soil Type" + std::string(58, ' '));
    const auto& layerData = dynamic_cast<const TTableColumnChart&>(tables.D2().Column(2));
    ASSERT_EQ(layerData.Templates().Count(), 6);
    EXPECT_EQ(layerData.Templates().Resolve(4), &tables.tblDataClay2());
    EXPECT_EQ(layerData.Templates().Resolve(5), &tables.tblDataSand2());
}

TEST(PlainTables, HoldTipMovementsAndPileHeadLoads) {
    SystemTables tables;
    EXPECT_EQ(tables.TblTipMove().Identifier(), 179);
    EXPECT_EQ(tables.TblTipMove().Name(), "TblTipMove");
    EXPECT_EQ(tables.TblTopload().Name(), "TblTopload");
    EXPECT_EQ(tables.TblTipMove().Caption(), "Tip Movements");
    EXPECT_EQ(tables.TblTipMove().MinRows(), 2);
    EXPECT_EQ(tables.TblTipMove().MaxRows(), 100);
    EXPECT_EQ(tables.TblTopload().Identifier(), 10);
    EXPECT_EQ(tables.TblTopload().MinRows(), 1);
    EXPECT_EQ(tables.TblTopload().MaxRows(), 50);
    EXPECT_EQ(tables.TblTopload().Comments(), "Axial loads must be positive numbers");
    EXPECT_EQ(tables.TblTopload().Column(0).CaptionLine(0), "Axial Load at Pile Head (lbs)  ");
}

TEST(PlainTables, CellAccessorOffersTextAndFloatSetter) {
    SystemTables tables;
    TGridTable& tipMove = tables.TblTipMove();
    tipMove.SetRowCount(tipMove.MinRows());
    tipMove.Data(0, 1).SetAsFloat(0.25L);
    EXPECT_EQ(tipMove.Data(0, 1).Text(), "0.25");
}
