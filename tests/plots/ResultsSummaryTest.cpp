#include "LoadPlotFile.h"
#include "PlotFileText.h"
#include "ResultsSummary.h"

#include "../controls/CaseName.h"
#include "../shell/ProjectFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

// The closed-form down-drag case, in SI. A rigid pile (AE so large that it does not
// shorten) 10 m long in 10 increments, of diameter 1/3.1416 m so that each 1 m segment has
// 1 m2 of shaft; one linear t-z curve t = 1000 kPa per m of relative movement; a linear
// tip curve Q = 10000 kN per m; a settling fill layer: 0.01 m of settlement, uniform from
// the head down to 5 m, none below. Tip movement 0.005 m.
//
// Worked by hand: the pile moves 0.005 m everywhere. Below 5 m it moves 0.005 m more than
// the soil: t = +5 kPa, +5 kN per segment. Above, the soil settles 0.005 m more: t = -5 kPa,
// the load falls by 5 kN per segment going up. Tip load 10000 x 0.005 = 50 kN. Node loads
// from the tip up: 50, 55, 60, 65, 70, 75 at 5 m, then 70, 65, 60, 55, 50 at the head; each
// segment's average load is the mean of its two nodes. So the neutral plane lies at 5 m,
// where the relative movement turns from -0.005 to +0.005; the largest axial load is 75 kN;
// the drag load 75 - 50 = 25 kN, which is also perimeter x k x (settlement - movement) x
// depth = 1 x 1000 x 0.005 x 5, the negative skin friction above the neutral plane.
std::vector<PlotSegment> closedFormSegments(long double movement)
{
    return {{9.5L, 52.5L, movement}, {8.5L, 57.5L, movement}, {7.5L, 62.5L, movement}, {6.5L, 67.5L, movement},
            {5.5L, 72.5L, movement}, {4.5L, 72.5L, movement}, {3.5L, 67.5L, movement}, {2.5L, 62.5L, movement},
            {1.5L, 57.5L, movement}, {0.5L, 52.5L, movement}};
}

DowndragSite fillLayer()
{
    return {true, 10.0f, {0.0f, 5.0f}, {0.01f, 0.01f}};
}

PlotData closedFormRun()
{
    PlotData data;
    data.Units = 2;
    data.TipMovementCount = 1;
    data.SegmentCount = 10;
    data.Distribution = {closedFormSegments(0.005L)};
    data.Settlement = {{50, 0.005L, 0.005L, 50}};
    data.Complete = true;
    return data;
}

void expectFound(const SummaryRow& row, long double depth, long double largest, long double drag)
{
    ASSERT_TRUE(row.Plane.has_value());
    ASSERT_EQ(row.Plane->State, NeutralPlaneState::Found) << row.Plane->Reason;
    // The settlement is a single-precision value (0.01 read as 0.0099999998): the depth
    // agrees to 1e-6 m; the loads follow from the written loads alone, to rounding.
    EXPECT_NEAR(static_cast<double>(row.Plane->Depth), static_cast<double>(depth), 1e-6 * static_cast<double>(depth));
    EXPECT_NEAR(static_cast<double>(row.Plane->LargestLoad), static_cast<double>(largest), 1e-9);
    EXPECT_NEAR(static_cast<double>(row.Plane->DragLoad), static_cast<double>(drag), 1e-9);
}

TEST(NeutralPlaneClosedForm, FillLayerOverFirmSoil)
{
    const ResultsSummary summary = SummarizeRun(closedFormRun(), fillLayer());
    ASSERT_EQ(summary.Rows.size(), 1u);
    EXPECT_TRUE(summary.DownDrag);
    expectFound(summary.Rows[0], 5, 75, 25);
    EXPECT_EQ(summary.Rows[0].ShaftLoad, 0);
    EXPECT_EQ(summary.Rows[0].TipShare, 1);
}

// The same pile and soil in English units: 400 in long in 40 in increments, 0.4 in of
// settlement down to 200 in, tip movement 0.2 in; 500 lbs per segment, tip load 5000 lbs.
// Neutral plane 200 in, largest load 7500 lbs, drag load 2500 lbs. The plot data file is
// read as written and the settlement profile taken from the project.
class NeutralPlaneEnglish : public quarlo::testing::ProjectTest {
protected:
    void SetUp() override
    {
        project->PileLength = 400;
        project->DowndragOn = true;
        TGridTableChart& profile = tables.TblSettlement2();
        profile.SetRowCount(2);
        profile.Data(0, 0).SetAsFloat(0);
        profile.Data(1, 0).SetAsFloat(0.4L);
        profile.Data(0, 1).SetAsFloat(200);
        profile.Data(1, 1).SetAsFloat(0.4L);
    }

    std::string plotFile()
    {
        testing::PlotFileText text = testing::minimalHead();
        text.counts(1, 10, 1);
        const double loads[] = {5250, 5750, 6250, 6750, 7250, 7250, 6750, 6250, 5750, 5250};
        for (int s = 0; s < 10; ++s)
            text.values({380.0 - 40 * s, loads[s], 0.2});
        text.values({5000, 0.2, 0.2, 5000});
        const std::string path = dir.file("run.qv3p");
        quarlo::testing::writeBytes(path, text.str());
        return path;
    }
};

TEST_F(NeutralPlaneEnglish, InInchesAndPounds)
{
    const ResultsSummary summary = SummarizeRunFile(plotFile(), *project);
    EXPECT_EQ(summary.Units, 1);
    expectFound(summary.Rows.at(0), 200, 7500, 2500);
}

// The user switched the project to SI after the run: its profile is taken back to the
// run's inches (0.01016 m is 0.4 in again), not compared in metres with inches.
// Read for the graphs, the run marks its neutral plane on the load distribution, in the
// graph's feet and kips: 200 in is 16 2/3 ft, 7500 lbs 7.5 kips.
TEST_F(NeutralPlaneEnglish, TheLoadDistributionMarksTheNeutralPlane)
{
    GraphDefinitions graphs;
    ASSERT_TRUE(LoadPlotFile(graphs, plotFile(), *project).Loaded);
    const CurveMarks& marks = graphs.pltLoad.Marks;
    ASSERT_EQ(marks.Points.size(), 1u);
    EXPECT_EQ(marks.Points[0].CurveIndex, 0);
    EXPECT_NEAR(static_cast<double>(marks.Points[0].At.X), 7.5, 1e-9);
    EXPECT_NEAR(static_cast<double>(marks.Points[0].At.Y), 200.0 / 12, 1e-6);
    EXPECT_EQ(marks.Note, "Neutral plane");

    // Read again without the project (or for a project without down-drag) the marks go.
    ASSERT_TRUE(LoadPlotFile(graphs, plotFile(), 1).Loaded);
    EXPECT_TRUE(graphs.pltLoad.Marks.Points.empty());
    ASSERT_TRUE(LoadPlotFile(graphs, plotFile(), *project).Loaded);
    project->DowndragOn = false;
    ASSERT_TRUE(LoadPlotFile(graphs, plotFile(), *project).Loaded);
    EXPECT_TRUE(graphs.pltLoad.Marks.Points.empty());
    EXPECT_TRUE(graphs.pltLoad.Marks.Note.empty());
}

TEST_F(NeutralPlaneEnglish, AfterTheProjectWasSwitchedToSI)
{
    project->SetUnits(2);
    const DowndragSite site = DowndragSiteOf(*project, 1);
    EXPECT_EQ(site.PileLength, 400.0f);
    EXPECT_EQ(site.Settlements, (std::vector<float>{0.4f, 0.4f}));
    expectFound(SummarizeRunFile(plotFile(), *project).Rows.at(0), 200, 7500, 2500);
}

TEST_F(NeutralPlaneEnglish, AProjectWhosePileChangedSinceTheRunIsNotCompared)
{
    project->PileLength = 300;
    const ResultsSummary summary = SummarizeRunFile(plotFile(), *project);
    ASSERT_TRUE(summary.Rows.at(0).Plane.has_value());
    EXPECT_EQ(summary.Rows[0].Plane->State, NeutralPlaneState::NotComputed);
    EXPECT_EQ(NeutralPlaneWords(*summary.Rows[0].Plane),
              "the project's pile no longer matches the run's load distribution");
}

TEST_F(NeutralPlaneEnglish, ARunWithoutDownDragHasNoNeutralPlane)
{
    project->DowndragOn = false;
    const ResultsSummary summary = SummarizeRunFile(plotFile(), *project);
    EXPECT_FALSE(summary.DownDrag);
    ASSERT_EQ(summary.Rows.size(), 1u);
    EXPECT_FALSE(summary.Rows[0].Plane.has_value());
    EXPECT_EQ(summary.Rows[0].ShaftLoad, 0);
}

struct NoPlaneCase {
    const char* name;
    long double movement;     // of every segment middle
    DowndragSite site;
    NeutralPlaneState state;
    const char* words;
};

class NoNeutralPlaneTest : public ::testing::TestWithParam<NoPlaneCase> {};

// The closed-form pile again: moving 0.02 m it moves more than the fill settles (0.01 m)
// everywhere; with the fill settling 0.01 m down past the tip, moving 0.005 m it moves less
// everywhere.
TEST_P(NoNeutralPlaneTest, SaysWhichWay)
{
    PlotData data = closedFormRun();
    data.Distribution = {closedFormSegments(GetParam().movement)};
    const ResultsSummary summary = SummarizeRun(data, GetParam().site);
    ASSERT_TRUE(summary.Rows.at(0).Plane.has_value());
    EXPECT_EQ(summary.Rows[0].Plane->State, GetParam().state);
    EXPECT_EQ(NeutralPlaneWords(*summary.Rows[0].Plane), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, NoNeutralPlaneTest,
    ::testing::Values(NoPlaneCase{"PileMovesMoreEverywhere", 0.02L, fillLayer(), NeutralPlaneState::PileMovesMore,
                                  "no neutral plane along the pile: the pile moves more than the soil everywhere"},
                      NoPlaneCase{"SoilSettlesMoreDownToTheTip", 0.005L, {true, 10.0f, {0.0f, 12.0f}, {0.01f, 0.01f}},
                                  NeutralPlaneState::SoilSettlesMore,
                                  "no neutral plane along the pile: the soil settles more than the pile down to the "
                                  "tip"}),
    CaseName());

// Two settling layers with firm soil between: the relative movement turns from negative to
// positive twice; the turn with the larger axial load (75 kN at 5 m against 62.5 at 2 m
// here) is the neutral plane.
TEST(NeutralPlaneTurns, TheTurnWithTheLargestLoadCounts)
{
    PlotData data = closedFormRun();
    data.Distribution[0][8].AverageLoad = 62.5L;   // 1.5 m: settling, load rises
    data.Distribution[0][7].AverageLoad = 62.5L;   // 2.5 m: firm, load falls
    data.Distribution[0][6].AverageLoad = 67.5L;
    const DowndragSite twoLayers{true, 10.0f, {0.0f, 2.0f, 2.0f, 3.0f, 3.0f, 5.0f}, {0.01f, 0.01f, 0, 0, 0.01f, 0.01f}};
    expectFound(SummarizeRun(data, twoLayers).Rows.at(0), 5, 75, 25);
}

TEST(NeutralPlaneTurns, UpliftRunsHaveNone)
{
    PlotData data = closedFormRun();
    data.Settlement[0] = {-50, -0.005L, -0.005L, 0};
    const ResultsSummary summary = SummarizeRun(data, fillLayer());
    ASSERT_TRUE(summary.Rows.at(0).Plane.has_value());
    EXPECT_EQ(NeutralPlaneWords(*summary.Rows[0].Plane), "an uplift run has no neutral plane");
    EXPECT_FALSE(summary.Rows[0].TipShare.has_value());
}

TEST(SummaryRows, ShaftLoadAndTipShareOfEveryRow)
{
    PlotData data = closedFormRun();
    data.Settlement = {{800, 0.007L, 0.004L, 200}, {0, 0.001L, 0.001L, 20}};
    data.Distribution.clear();
    data.HeadLoads = {{{1600, 0.019L, 0.0127L, 665.5L}, true}, {{9000, 0, 0, 0}, false}};
    const ResultsSummary summary = SummarizeRun(data, DowndragSite{});
    ASSERT_EQ(summary.Rows.size(), 4u);
    EXPECT_EQ(summary.Rows[0].ShaftLoad, 600);
    EXPECT_EQ(summary.Rows[0].TipShare, 0.25L);
    EXPECT_FALSE(summary.Rows[1].TipShare.has_value());
    EXPECT_EQ(summary.Rows[2].Kind, SummaryRowKind::HeadLoad);
    EXPECT_EQ(summary.Rows[2].Number, 1);
    EXPECT_EQ(summary.Rows[2].ShaftLoad, 1600 - 665.5L);
    EXPECT_FALSE(summary.Rows[3].Reached);
    EXPECT_EQ(summary.Rows[3].HeadLoad, 9000);
    EXPECT_FALSE(summary.Rows[3].TipShare.has_value());
}

// The search for a head load writes only the head values of its last solve, so a down-drag
// run says why its head-load rows have no neutral plane.
TEST(SummaryRows, HeadLoadRowsOfADownDragRunSayWhyTheyHaveNoNeutralPlane)
{
    PlotData data = closedFormRun();
    data.HeadLoads = {{{60, 0.006L, 0.006L, 60}, true}, {{900, 0, 0, 0}, false}};
    const ResultsSummary summary = SummarizeRun(data, fillLayer());
    ASSERT_EQ(summary.Rows.size(), 3u);
    EXPECT_EQ(NeutralPlaneWords(*summary.Rows[1].Plane), "the run writes no load distribution for pile-head loads");
    EXPECT_EQ(NeutralPlaneWords(*summary.Rows[2].Plane), "the head load was not reached");
}

struct SettlementCase {
    const char* name;
    std::vector<float> depths;
    std::vector<float> settlements;
    float X;
    float expected;
};

class SoilSettlementTest : public ::testing::TestWithParam<SettlementCase> {};

TEST_P(SoilSettlementTest, AsTheEngineLooksItUp)
{
    const DowndragSite site{true, 500, GetParam().depths, GetParam().settlements};
    EXPECT_EQ(SoilSettlement(site, GetParam().X), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, SoilSettlementTest,
    ::testing::Values(SettlementCase{"Interpolated", {0, 240, 480}, {2, 0.5f, 0}, 120, 1.25f},
                      SettlementCase{"BelowTheProfile", {0, 240, 480}, {2, 0.5f, 0}, 500, 0},
                      SettlementCase{"AboveTheProfile", {10, 240}, {2, 0.5f}, 5, 0},
                      SettlementCase{"DoubledDepthTakesTheMean", {0, 100, 100, 200}, {2, 1, 0.6f, 0}, 100, 0.8f},
                      SettlementCase{"DoubledLastDepthTakesTheFirst", {0, 100, 100}, {2, 1, 0.6f}, 100, 1},
                      SettlementCase{"SinglePointAtItsDepth", {50}, {0.3f}, 50, 0.3f},
                      SettlementCase{"SinglePointElsewhere", {50}, {0.3f}, 40, 0}),
    CaseName());

TEST(SegmentLookupDepthsTest, HalfAnIncrementAboveTheTipThenOneIncrementEach)
{
    EXPECT_EQ(SegmentLookupDepths(10, 4), (std::vector<float>{8.75f, 6.25f, 3.75f, 1.25f}));
    EXPECT_TRUE(SegmentLookupDepths(10, 0).empty());
}

}  // namespace
}  // namespace quarlo
