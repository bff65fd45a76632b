#include "LoadPlotFile.h"
#include "PlotFileReader.h"
#include "PlotFileText.h"

#include "../controls/CaseName.h"
#include "../shell/ProjectFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace quarlo {
namespace {

using testing::PlotFileText;

constexpr int kEnglish = 1;
constexpr int kSI = 2;

// Reads `text` into a fresh set of graphs; the reader's error text, empty when none.
std::string fill(GraphDefinitions& graphs, const std::string& text, int projectUnits = kEnglish)
{
    TWordReader words = TWordReader::FromText(text);
    PlotData data;
    std::string error;
    try {
        ReadPlotData(words, data);
    } catch (const EInOutError& e) {
        error = e.what();
    }
    FillGraphs(graphs, data, projectUnits);
    return error;
}

// Three t-z curves of 3, 5 and 4 points, as an engine run with user curves writes them.
std::string threeCurves()
{
    PlotFileText text;
    text.count(3)
        .curve(1, {{0, 0}, {10, 0.1}, {20, 0.2}}, 0)
        .curve(2, {{0, 0}, {11, 0.1}, {21, 0.2}, {31, 0.3}, {41, 0.4}}, 120)
        .curve(3, {{0, 0}, {12, 0.1}, {22, 0.2}, {32, 0.3}}, 240.5)
        .count(2).values({0, 0}).values({5000, 0.5})
        .counts(1, 2, 1).values({360, 2400, 0.1}).values({120, 3600, 0.12})
        .values({3600, 0.13, 0.1, 5000});
    return text.str();
}

TEST(LoadPlotFileCurves, ShorterTzCurvesEndInCopiesOfTheirLastPoint)
{
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, threeCurves()), "");
    const TGraphPlot& tz = graphs.pltTZcurves;
    ASSERT_EQ(tz.CurveCount(), 3);
    EXPECT_EQ(tz.PointCount(), 5);
    EXPECT_EQ(tz.CurvePoint(0, 2), (TFloatPoint{0.2L, 20}));
    EXPECT_EQ(tz.CurvePoint(0, 3), tz.CurvePoint(0, 2));
    EXPECT_EQ(tz.CurvePoint(0, 4), tz.CurvePoint(0, 2));
    EXPECT_EQ(tz.CurvePoint(1, 4), (TFloatPoint{0.4L, 41}));
    EXPECT_EQ(tz.CurvePoint(2, 4), tz.CurvePoint(2, 3));
    EXPECT_EQ(tz.CurvePoint(2, 3), (TFloatPoint{0.3L, 32}));
}

TEST(LoadPlotFileCurves, TzCurvesAreNamedByDepthInTheProjectsUnitsNotTheFiles)
{
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, threeCurves(), kSI), "");
    EXPECT_EQ(graphs.pltTZcurves.Curve(0).LegendText(), "0 m");
    EXPECT_EQ(graphs.pltTZcurves.Curve(2).LegendText(), "240.5 m");
    ASSERT_EQ(fill(graphs, threeCurves(), kEnglish), "");
    EXPECT_EQ(graphs.pltTZcurves.Curve(1).LegendText(), "120 in");
}

TEST(LoadPlotFileCurves, OnePointCurvesStillGetTwoPoints)
{
    PlotFileText text;
    text.count(2).curve(1, {{3, 0.2}}, 0).curve(2, {{4, 0.3}}, 10).count(0).counts(0, 0, 2);
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, text.str()), "");
    ASSERT_EQ(graphs.pltTZcurves.PointCount(), 2);
    EXPECT_EQ(graphs.pltTZcurves.CurvePoint(1, 0), (TFloatPoint{0.3L, 4}));
    EXPECT_EQ(graphs.pltTZcurves.CurvePoint(1, 1), graphs.pltTZcurves.CurvePoint(1, 0));
}

// A curve with no points has no last point to repeat: it is left out of the graph instead
// of standing as a point at the origin with a depth in the legend.
TEST(LoadPlotFileCurves, ACurveWithoutPointsIsLeftOut)
{
    PlotFileText text;
    text.count(3).curve(1, {{3, 0.2}}, 0).curve(2, {}, 10).curve(3, {{5, 0.4}, {6, 0.5}}, 20).count(0).counts(0, 0, 1);
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, text.str()), "");
    ASSERT_EQ(graphs.pltTZcurves.CurveCount(), 2);
    EXPECT_EQ(graphs.pltTZcurves.Curve(0).LegendText(), "0 in");
    EXPECT_EQ(graphs.pltTZcurves.Curve(1).LegendText(), "20 in");
    EXPECT_EQ(graphs.pltTZcurves.CurvePoint(1, 1), (TFloatPoint{0.5L, 6}));
}

// The engine writes at most 30 generated curves but any number of the user's; the graph
// takes them all.
TEST(LoadPlotFileCurves, MoreThanAHundredAndOneCurvesAreAllRead)
{
    PlotFileText text;
    text.count(150);
    for (int i = 1; i <= 150; ++i)
        text.curve(i, {{1.0 * i, 0.1}}, 2.0 * i);
    text.count(0).counts(0, 0, 2);
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, text.str(), kSI), "");
    ASSERT_EQ(graphs.pltTZcurves.CurveCount(), 150);
    EXPECT_EQ(graphs.pltTZcurves.Curve(149).LegendText(), "300 m");
    EXPECT_EQ(graphs.pltTZcurves.CurvePoint(149, 1), (TFloatPoint{0.1L, 150}));
}

TEST(LoadPlotFileCurves, TipCurveIsLoadAcrossAndMovementDown)
{
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, threeCurves()), "");
    ASSERT_EQ(graphs.PltQW.CurveCount(), 1);
    ASSERT_EQ(graphs.PltQW.PointCount(), 2);
    EXPECT_EQ(graphs.PltQW.CurvePoint(0, 1), (TFloatPoint{5000, 0.5L}));
}

struct UnitFlagCase {
    const char* name;
    int flag;
    TFloatPoint loadPoint;        // depth 24 and load 3000 as written
    TFloatPoint settlementPoint;  // head load 5000 and movement 0.005 as written
    int units;
};

class UnitFlagTest : public ::testing::TestWithParam<UnitFlagCase> {};

// An English run is drawn in feet and kips (24 in = 2 ft, 3000 lbs = 3 kips); any other
// flag leaves the values as written. Every graph takes the flag, clamped to 1..3.
TEST_P(UnitFlagTest, ConvertsEnglishResultsAndSetsTheUnitWords)
{
    PlotFileText text = testing::minimalHead();
    text.counts(1, 1, GetParam().flag).values({24, 3000, 0.005}).values({5000, 0.005, 0.005, 50});
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, text.str()), "");
    EXPECT_EQ(graphs.pltLoad.CurvePoint(0, 0), GetParam().loadPoint);
    EXPECT_EQ(graphs.pltAxial.CurvePoint(0, 1), GetParam().settlementPoint);
    for (TGraphPlot* plot : graphs.All())
        EXPECT_EQ(plot->Units(), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Plots, UnitFlagTest,
                         ::testing::Values(UnitFlagCase{"English", 1, {3, 2}, {5, 0.005L}, 1},
                                           UnitFlagCase{"SI", 2, {3000, 24}, {5000, 0.005L}, 2},
                                           UnitFlagCase{"UnknownIsClamped", 7, {3000, 24}, {5000, 0.005L}, 3}),
                         CaseName());

struct OriginCase {
    const char* name;
    double firstLoad;
    TFloatPoint expected;
};

class LoadSettlementOriginTest : public ::testing::TestWithParam<OriginCase> {};

// The load-settlement curve starts at the origin only when its first load is positive.
TEST_P(LoadSettlementOriginTest, PointZero)
{
    PlotFileText text = testing::minimalHead();
    text.counts(2, 1, 2).values({1, 0, 0.001}).values({1, 0, 0.002});
    text.values({GetParam().firstLoad, 0.004, 0.001, 10}).values({20, 0.008, 0.002, 15});
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, text.str()), "");
    ASSERT_EQ(graphs.pltAxial.PointCount(), 3);
    EXPECT_EQ(graphs.pltAxial.CurvePoint(0, 0), GetParam().expected);
    EXPECT_EQ(graphs.pltAxial.CurvePoint(0, 2), (TFloatPoint{20, 0.008L}));
}

INSTANTIATE_TEST_SUITE_P(Plots, LoadSettlementOriginTest,
                         ::testing::Values(OriginCase{"PositiveLoadStartsAtTheOrigin", 5, {0, 0}},
                                           OriginCase{"ZeroLoadRepeatsPointOne", 0, {0, 0.004L}},
                                           OriginCase{"NegativeLoadRepeatsPointOne", -3, {-3, 0.004L}}),
                         CaseName());

TEST(LoadPlotFileResults, FixedCurveCountsOfTheOtherGraphs)
{
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, threeCurves()), "");
    EXPECT_EQ(graphs.pltSkin.CurveCount(), 9);
    EXPECT_EQ(graphs.pltUSkin.CurveCount(), 9);
    EXPECT_EQ(graphs.pltTip.CurveCount(), 9);
    EXPECT_EQ(graphs.pltTotal.CurveCount(), 9);
    EXPECT_EQ(graphs.pltCombine.CurveCount(), 3);
}

TEST(LoadPlotFileResults, AReloadKeepsTheNamesAndShownFlagsOfSurvivingCurves)
{
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, threeCurves()), "");
    graphs.pltLoad.Curve(0).Name = "my legend";
    graphs.pltLoad.Curve(0).Shown = false;
    ASSERT_EQ(fill(graphs, threeCurves()), "");
    EXPECT_EQ(graphs.pltLoad.Curve(0).LegendText(), "my legend");
    EXPECT_FALSE(graphs.pltLoad.Curve(0).Shown);
}

struct BrokenCase {
    const char* name;
    std::string text;
    std::string error;
};

class BrokenPlotFileTest : public ::testing::TestWithParam<BrokenCase> {};

// A damaged file is refused with the reader's text, and a count the file cannot hold is
// refused before anything is sized by it.
TEST_P(BrokenPlotFileTest, IsRefusedWithLineAndItem)
{
    GraphDefinitions graphs;
    EXPECT_EQ(fill(graphs, GetParam().text), GetParam().error);
}

std::string truncatedRows()
{
    std::string text = threeCurves();
    return text.substr(0, text.rfind("  3600"));
}

INSTANTIATE_TEST_SUITE_P(
    Plots, BrokenPlotFileTest,
    ::testing::Values(
        BrokenCase{"Empty", "", "This file either invalid or incomplete."},
        BrokenCase{"TruncatedInTheLoadSettlementRows", truncatedRows(), "This file either invalid or incomplete."},
        BrokenCase{"HugeCurveCount", " 2000000000\r\n 1 2 0\r\n", "Error on Line 1 Item 1\rThe count 2000000000 asks for more values than the file holds."},
        BrokenCase{"HugePointCount", " 1\r\n 1 1000000000 0\r\n 1 2\r\n",
                   "Error on Line 2 Item 2\rThe count 1000000000 asks for more values than the file holds."},
        BrokenCase{"HugeDistribution", " 0\r\n 0\r\n 50000 50000 1\r\n 1 2 3\r\n",
                   "Error on Line 3 Item 1\rThe count 50000 asks for more values than the file holds."},
        BrokenCase{"HugeSegmentCount", " 0\r\n 0\r\n 1 2000000000 1\r\n 1 2 3 4\r\n",
                   "Error on Line 3 Item 2\rThe count 2000000000 asks for more values than the file holds."},
        BrokenCase{"NegativeCount", " -1\r\n", "Error on Line 1 Item 1\rA count of 0 or more was expected."},
        BrokenCase{"TextForANumber", " 1\r\n 1 1 0.5E+01\r\n x 1\r\n",
                   "Error on Line 3 Item 1\rA floating point number was expected but not found."}),
    CaseName());

// What was read before the fault stays; the unit words change only with a complete file.
TEST(BrokenPlotFile, WhatWasReadBeforeTheFaultStays)
{
    PlotFileText si = testing::minimalHead();
    si.counts(1, 1, 2).values({9.5, 72.5, 0.005}).values({50, 0.005, 0.005, 50});
    GraphDefinitions graphs;
    ASSERT_EQ(fill(graphs, si.str()), "");
    ASSERT_NE(fill(graphs, truncatedRows()), "");
    EXPECT_EQ(graphs.pltTZcurves.CurveCount(), 3);
    EXPECT_EQ(graphs.pltLoad.CurvePoint(0, 1), (TFloatPoint{3.6L, 10}));
    EXPECT_EQ(graphs.pltLoad.Units(), 2);
}

TEST(PlotFileHeadLoads, ReachedAndNotReachedRowsAsTheEngineWritesThem)
{
    PlotFileText text = testing::minimalHead();
    text.counts(1, 1, 2).values({9.5, 72.5, 0.005}).values({50, 0.005, 0.005, 50});
    text.line("       0.8000E+03      0.7188E-02      0.3750E-02      0.3061E+03");
    text.line("       0.2000E+05" + std::string(48, '*'));
    TWordReader words = TWordReader::FromText(text.str());
    PlotData data;
    ReadPlotData(words, data);
    ASSERT_EQ(data.HeadLoads.size(), 2u);
    EXPECT_TRUE(data.HeadLoads[0].Reached);
    EXPECT_EQ(data.HeadLoads[0].Row.TipLoad, 306.1L);
    EXPECT_FALSE(data.HeadLoads[1].Reached);
    EXPECT_EQ(data.HeadLoads[1].Row.HeadLoad, 20000);
    EXPECT_EQ(data.HeadLoadsProblem, "");
}

TEST(PlotFileHeadLoads, ADamagedEndKeepsTheRestOfTheFile)
{
    PlotFileText text = testing::minimalHead();
    text.counts(1, 1, 2).values({9.5, 72.5, 0.005}).values({50, 0.005, 0.005, 50});
    text.line("       0.8000E+03      0.7188E-02      x");
    TWordReader words = TWordReader::FromText(text.str());
    PlotData data;
    ReadPlotData(words, data);
    EXPECT_TRUE(data.Complete);
    EXPECT_TRUE(data.HeadLoads.empty());
    EXPECT_EQ(data.HeadLoadsProblem, "Error on Line 10 Item 3\rA floating point number was expected but not found.");
}

class LoadPlotFileOnDisk : public ::testing::Test {
protected:
    quarlo::testing::TempDir dir;
    GraphDefinitions graphs;

    PlotLoadResult loadFileHolding(const std::string& text)
    {
        const std::string path = dir.file("run.qv3p");
        quarlo::testing::writeBytes(path, text);
        return LoadPlotFile(graphs, path, kEnglish);
    }
};

TEST_F(LoadPlotFileOnDisk, AFileReadCompletelyIsLoaded)
{
    const PlotLoadResult result = loadFileHolding(threeCurves());
    EXPECT_TRUE(result.Loaded);
    EXPECT_EQ(result.Message, "");
    EXPECT_EQ(graphs.pltLoad.CurveCount(), 1);
}

TEST_F(LoadPlotFileOnDisk, ATruncatedFileGivesTheLoadersMessageAndTheReadersDetail)
{
    const PlotLoadResult result = loadFileHolding(truncatedRows());
    EXPECT_FALSE(result.Loaded);
    EXPECT_EQ(result.Message, "An error occured in running the main program.");
    EXPECT_EQ(result.Detail, "This file either invalid or incomplete.");
}

TEST_F(LoadPlotFileOnDisk, AMissingFileIsNotLoaded)
{
    const PlotLoadResult result = LoadPlotFile(graphs, dir.file("none.qv3p"), kEnglish);
    EXPECT_FALSE(result.Loaded);
    EXPECT_EQ(result.Message, "An error occured in running the main program.");
    EXPECT_NE(result.Detail.find("Cannot open file"), std::string::npos);
}

}  // namespace
}  // namespace quarlo
