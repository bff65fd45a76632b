#include "GraphDefinitions.h"
#include "TGraphPlot.h"

#include <gtest/gtest.h>

#include "../controls/CaseName.h"

#include <string>

namespace quarlo {
namespace {

TEST(GraphPlotCurves, NewCurvesAreNumberedAndTakeTheFirstCurvesPointCount)
{
    TGraphPlot plot;
    plot.SetCurveCount(1);
    plot.SetPointCount(3);
    plot.CurvePoint(0, 2) = {4, 5};
    plot.SetCurveCount(3);
    ASSERT_EQ(plot.CurveCount(), 3);
    EXPECT_EQ(plot.Curve(1).Points.size(), 3u);
    EXPECT_EQ(plot.CurvePoint(2, 2), (TFloatPoint{0, 0}));
    EXPECT_EQ(plot.Curve(0).LegendText(), "Curve #1");
    EXPECT_EQ(plot.Curve(2).LegendText(), "Curve #3");
    EXPECT_TRUE(plot.Curve(2).Shown);
    EXPECT_TRUE(plot.Curve(2).Active);
}

TEST(GraphPlotCurves, RemovingCurvesKeepsTheFirstOnesWithTheirNameAndShownFlag)
{
    TGraphPlot plot;
    plot.SetCurveCount(4);
    plot.Curve(1).Name = "kept";
    plot.Curve(1).Shown = false;
    plot.SetCurveCount(2);
    plot.SetCurveCount(3);
    EXPECT_EQ(plot.Curve(1).LegendText(), "kept");
    EXPECT_FALSE(plot.Curve(1).Shown);
    EXPECT_EQ(plot.Curve(2).LegendText(), "Curve #3");
    EXPECT_TRUE(plot.Curve(2).Shown);
}

TEST(GraphPlotCurves, NoCurvesMeansNoPointsAndNegativeCountsAreZero)
{
    TGraphPlot plot;
    plot.SetCurveCount(2);
    plot.SetPointCount(5);
    plot.SetCurveCount(0);
    EXPECT_EQ(plot.CurveCount(), 0);
    EXPECT_EQ(plot.PointCount(), 0);
    plot.SetCurveCount(-3);
    EXPECT_EQ(plot.CurveCount(), 0);
    plot.SetCurveCount(1);
    plot.SetPointCount(-1);
    EXPECT_EQ(plot.PointCount(), 0);
}

TEST(GraphPlotCurves, SurplusPointsGoFromTheEndAndMissingOnesAreTheOrigin)
{
    TGraphPlot plot;
    plot.SetCurveCount(1);
    plot.SetPointCount(3);
    plot.CurvePoint(0, 0) = {1, 1};
    plot.CurvePoint(0, 2) = {3, 3};
    plot.SetPointCount(2);
    plot.SetPointCount(4);
    EXPECT_EQ(plot.CurvePoint(0, 0), (TFloatPoint{1, 1}));
    EXPECT_EQ(plot.CurvePoint(0, 2), (TFloatPoint{0, 0}));
    EXPECT_THROW(plot.CurvePoint(0, 4), std::out_of_range);
    EXPECT_THROW(plot.Curve(1), std::out_of_range);
}

TEST(GraphPlotCurves, LegendTextUsesTheCurveNameOfItsPlot)
{
    TGraphPlot plot;
    plot.CurveName = "Tip movement ";
    plot.SetCurveCount(12);
    EXPECT_EQ(plot.Curve(11).LegendText(), "Tip movement 12");
}

TEST(GraphPlotUnits, SettingUnitsClampsToOneToThree)
{
    TGraphPlot plot;
    EXPECT_EQ(plot.Units(), 1);
    plot.SetUnits(7);
    EXPECT_EQ(plot.Units(), 3);
    plot.SetUnits(0);
    EXPECT_EQ(plot.Units(), 1);
    plot.SetUnits(-4);
    EXPECT_EQ(plot.Units(), 1);
    plot.SetUnits(2);
    EXPECT_EQ(plot.Units(), 2);
}

struct ExpandCase {
    const char* name;
    const char* unitString;
    int code;
    const char* expected;
};

class ExpandUnitsTest : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandUnitsTest, GivesOneForceAndOneLengthFamily)
{
    EXPECT_EQ(TGraphPlot::ExpandUnits(GetParam().unitString, GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, ExpandUnitsTest,
    ::testing::Values(ExpandCase{"KipsPerSquareFootEnglish", "F1/L2^2", 1, "kips/ft^2"},
                      ExpandCase{"KipsPerSquareFootSI", "F1/L2^2", 2, "kN/m^2"},
                      ExpandCase{"PoundsPerSquareInch", "F/L^2", 1, "lbs/in^2"},
                      ExpandCase{"LengthUnchangedForSymbols", "L", 3, "L"},
                      ExpandCase{"OnlyTheFirstForceFamily", "F2*F", 1, "tons*F"}),
    CaseName());

TEST(GraphPlotTitles, AxisTitleKeepsTheCaptionsTrailingBlank)
{
    GraphDefinitions graphs;
    EXPECT_EQ(graphs.pltLoad.XAxisTitle(), "Total Capacity  (kips)");
    EXPECT_EQ(graphs.pltLoad.YAxisTitle(), "Depth  (ft)");
    graphs.pltLoad.SetUnits(2);
    EXPECT_EQ(graphs.pltLoad.XAxisTitle(), "Total Capacity  (kN)");
    EXPECT_EQ(graphs.pltLoad.YAxisTitle(), "Depth  (m)");
    graphs.pltTZcurves.SetUnits(3);
    EXPECT_EQ(graphs.pltTZcurves.YAxisTitle(), "Unit Load Transfer, t (F/L^2)");
}

TEST(GraphPlotTitles, AnAxisWithoutUnitStringShowsItsCaptionAlone)
{
    TGraphPlot plot;
    plot.XCaption = "Q ";
    EXPECT_EQ(plot.XAxisTitle(), "Q ");
}

TEST(GraphDefinitionsTest, TheFourShownGraphsCarryTheirCaptionsAndAxes)
{
    GraphDefinitions graphs;
    EXPECT_EQ(graphs.pltLoad.Caption, "Load Distribution");
    EXPECT_TRUE(graphs.pltLoad.XOnTop);
    EXPECT_EQ(graphs.pltAxial.Caption, "Axial Load vs Settlement");
    EXPECT_EQ(graphs.pltAxial.XAxisTitle(), "Axial Load  (kips)");
    EXPECT_EQ(graphs.pltAxial.YAxisTitle(), "Settlement  (in)");
    EXPECT_EQ(graphs.pltTZcurves.Caption, "t-z Curves");
    EXPECT_FALSE(graphs.pltTZcurves.XOnTop);
    EXPECT_EQ(graphs.pltTZcurves.XAxisTitle(), "Displacement, z (in)");
    EXPECT_EQ(graphs.pltTZcurves.YAxisTitle(), "Unit Load Transfer, t (lbs/in^2)");
    EXPECT_EQ(graphs.PltQW.Caption, "Tip Resistance Curve");
    EXPECT_EQ(graphs.PltQW.XAxisTitle(), "Q (lbs)");
    EXPECT_EQ(graphs.PltQW.YAxisTitle(), "w (in)");
    EXPECT_EQ(graphs.ResultGraphs(), (std::array<TGraphPlot*, 4>{&graphs.pltLoad, &graphs.pltAxial,
                                                                  &graphs.pltTZcurves, &graphs.PltQW}));
    for (TGraphPlot* plot : graphs.All()) {
        EXPECT_EQ(plot->CurveName, "Curve #");
        EXPECT_TRUE(plot->ShowLegend);
        EXPECT_EQ(plot->Markers, 1);
        EXPECT_EQ(plot->SizeFont, 10);
        EXPECT_EQ(plot->LegendFont, 11);
        EXPECT_EQ(plot->WidthLine, 1);
        EXPECT_EQ(plot->Units(), 1);
        EXPECT_EQ(plot->CurveCount(), 0);
    }
}

}  // namespace
}  // namespace quarlo
