#include "PlotRange.h"
#include "PlotText.h"
#include "PlotTicks.h"
#include "FixedWidthMetrics.h"

#include <gtest/gtest.h>

#include "../controls/CaseName.h"

#include <string>
#include <vector>

namespace quarlo {
namespace {

// A plot of one curve through the given (x, y) points.
void setPoints(TGraphPlot& plot, const std::vector<TFloatPoint>& points)
{
    plot.SetCurveCount(1);
    plot.SetPointCount(static_cast<int>(points.size()));
    plot.Curve(0).Points = points;
}

struct RangeCase {
    const char* name;
    long double min;
    long double max;
    long double roundedMin;
    long double roundedMax;
};

class AxisRangeTest : public ::testing::TestWithParam<RangeCase> {};

// Expected ends worked out by hand: the step is the power of ten below the width, a tenth
// of it when the width's leading digits are below 3; the ends go outward to multiples of
// the step. Equal within 1e-15 of the width (the step is a binary approximation).
TEST_P(AxisRangeTest, EndsMoveOutwardToRoundSteps)
{
    long double min = GetParam().min;
    long double max = GetParam().max;
    RoundAxisRange(min, max);
    const long double tolerance = 1e-15L * (GetParam().roundedMax - GetParam().roundedMin);
    EXPECT_NEAR(static_cast<double>(min), static_cast<double>(GetParam().roundedMin), static_cast<double>(tolerance));
    EXPECT_NEAR(static_cast<double>(max), static_cast<double>(GetParam().roundedMax), static_cast<double>(tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    Plots, AxisRangeTest,
    ::testing::Values(RangeCase{"ZeroTo87GoesTo90", 0, 87, 0, 90},
                      RangeCase{"ZeroTo25StaysAt25", 0, 25, 0, 25},
                      RangeCase{"EmptyRangeOpensByAHundredth", 0, 0, -0.01L, 0.01L},
                      RangeCase{"WidthOfThreeKeepsTheLargerStep", 0, 3, 0, 3},
                      RangeCase{"PointThreeEndsOnItsStep", 0, 0.3L, 0, 0.3L},
                      RangeCase{"JustBelowThreeTakesTheTenth", 0, 2.9L, 0, 2.9L},
                      RangeCase{"NegativeEndGoesDown", -3.2L, 0, -4, 0},
                      RangeCase{"BothSides", -12.5L, 87, -20, 90},
                      RangeCase{"SmallSettlements", 0, 0.04769L, 0, 0.05L}),
    CaseName());

TEST(DataRangeTest, ZeroIsAlwaysInsideAndEveryCurveCounts)
{
    TGraphPlot plot;
    setPoints(plot, {{3, 5}, {87, 12}});
    plot.SetCurveCount(2);
    plot.Curve(1).Points = {{10, -7}, {20, 1}};
    plot.Curve(1).Active = false;
    plot.Curve(1).Shown = false;
    const PlotRange range = DataRange(plot);
    EXPECT_EQ(range.XMin, 0);
    EXPECT_EQ(range.XMax, 90);
    EXPECT_EQ(range.YMin, -7);   // width 19: step 1
    EXPECT_EQ(range.YMax, 12);
}

// A neutral plane's largest load of 2305 beyond the largest load written, 2296: the range
// reaches 2400 rather than 2300, so the mark is not cut at the frame.
TEST(DataRangeTest, MarkedPointsCountToo)
{
    TGraphPlot plot;
    setPoints(plot, {{2296, 0.5L}, {1126, 19.75L}});
    EXPECT_EQ(DataRange(plot).XMax, 2300);
    plot.Marks.Points = {{0, {2305, 0.51L}}};
    EXPECT_EQ(DataRange(plot).XMax, 2400);
    EXPECT_EQ(DataRange(plot).YMax, 20);
}

TEST(DataRangeTest, AllPointsAtTheOriginGiveAHundredthEitherWay)
{
    TGraphPlot plot;
    setPoints(plot, {{0, 0}, {0, 0}});
    const PlotRange range = DataRange(plot);
    EXPECT_NEAR(static_cast<double>(range.XMin), -0.01, 1e-17);
    EXPECT_NEAR(static_cast<double>(range.XMax), 0.01, 1e-17);
    EXPECT_NEAR(static_cast<double>(range.YMin), -0.01, 1e-17);
    EXPECT_NEAR(static_cast<double>(range.YMax), 0.01, 1e-17);
}

TEST(DataRangeTest, APlotWithoutCurvesStillHasARange)
{
    const PlotRange range = DataRange(TGraphPlot{});
    EXPECT_LT(range.XMin, range.XMax);
    EXPECT_LT(range.YMin, range.YMax);
}

TEST(TickIntervalsTest, OneIntervalPerSixTextHeights)
{
    EXPECT_EQ(TickIntervals(600, 14), 7);
    EXPECT_EQ(TickIntervals(-600, 14), 7);
    EXPECT_EQ(TickIntervals(83, 14), 0);
    EXPECT_EQ(TickIntervals(600, 0), 0);
}

struct TickCase {
    const char* name;
    long double min;
    long double max;
    int intervals;
    long double minor;
    long long first;
    long long last;
};

class TickStepTest : public ::testing::TestWithParam<TickCase> {};

// raw = width / intervals; g the power of ten at or below it; the major step is g, 2g, 5g
// or 10g by raw's leading digit (1; 2-4; 5-8; 9), the minor step a fifth of that.
TEST_P(TickStepTest, MajorStepIsOneTwoOrFiveTimesAPowerOfTen)
{
    const AxisTicks ticks = ComputeTicks(GetParam().min, GetParam().max, GetParam().intervals);
    EXPECT_NEAR(static_cast<double>(ticks.Minor), static_cast<double>(GetParam().minor),
                1e-15 * static_cast<double>(GetParam().minor));
    EXPECT_EQ(ticks.First, GetParam().first);
    EXPECT_EQ(ticks.Last, GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, TickStepTest,
    ::testing::Values(TickCase{"NinetyInSevenParts", 0, 90, 7, 2, 0, 45},        // raw 12.9: major 10
                      TickCase{"TwentyFiveInFourParts", 0, 25, 4, 1, 0, 25},     // raw 6.25: major 5
                      TickCase{"OneInFiveParts", 0, 1, 5, 0.04L, 0, 25},         // raw 0.2: major 0.2
                      TickCase{"AroundTheOrigin", -0.01L, 0.01L, 3, 0.001L, -10, 10},  // raw 0.0067: 0.005
                      TickCase{"NineGoesToTen", 0, 90, 10, 2, 0, 45},            // raw 9: major 10
                      TickCase{"ZoomedAwayFromZero", 5, 10, 5, 0.2L, 0, 50},     // first stays at 0
                      TickCase{"ZoomedBelowZero", -10, -5, 5, 0.2L, -50, 0}),
    CaseName());

TEST(TickStepTest, NoRoomOrNoWidthMeansNoTicks)
{
    EXPECT_FALSE(ComputeTicks(0, 90, 0).Drawn());
    EXPECT_FALSE(ComputeTicks(5, 5, 4).Drawn());
    EXPECT_TRUE(ComputeTicks(0, 90, 1).Drawn());
}

// 900 x 600 pixels with h = 14: 10 intervals across (84 pixels each), 7 down.
TEST(TickStepTest, BothAxesFromTheViewAndTheGraphsSize)
{
    const TickStep step = ComputeTickStep({0, 90, 0, 30}, {100, 50, 1000, 650}, 14);
    EXPECT_EQ(step.X.Minor, 2);      // raw 9: major 10
    EXPECT_EQ(step.X.Last, 45);
    EXPECT_NEAR(static_cast<double>(step.Y.Minor), 0.4, 1e-15);  // raw 4.3: major 2
    EXPECT_EQ(step.Y.Last, 75);
}

TEST(TickStepTest, AnAxisTooShortForALabelLeavesBothWithoutTicks)
{
    const TickStep step = ComputeTickStep({0, 90, 0, 30}, {100, 50, 1000, 120}, 14);
    EXPECT_FALSE(step.X.Drawn());
    EXPECT_FALSE(step.Y.Drawn());
}

TEST(TickMarksTest, XTicksAboveADepthGraph)
{
    const PlotMapping mapping({0, 90, 0, 30}, {100, 50, 1000, 650}, true);
    const std::vector<TickMark> marks =
        XTickMarks(ComputeTicks(0, 90, 7), mapping, {96, 96}, fixedWidthMetrics(7, 14));
    ASSERT_EQ(marks.size(), 46u);
    const TickMark& ten = marks[5];
    EXPECT_TRUE(ten.Major);
    EXPECT_EQ(ten.Label, "10");
    EXPECT_EQ(ten.Pixel, 200);
    EXPECT_EQ(ten.Tick, (PixelLine{{200, 50}, {200, 56}}));
    EXPECT_EQ(ten.Grid, (PixelLine{{200, 50}, {200, 650}}));
    EXPECT_EQ(ten.LabelAt, (PixelPoint{200 - 7, 50 - 14 - 3}));
    EXPECT_FALSE(marks[6].Major);
    EXPECT_EQ(marks[6].Label, "");
}

TEST(TickMarksTest, XTicksBelowAGraphPointIntoIt)
{
    const PlotMapping mapping({0, 90, 0, 30}, {100, 50, 1000, 650}, false);
    const std::vector<TickMark> marks =
        XTickMarks(ComputeTicks(0, 90, 7), mapping, {96, 96}, fixedWidthMetrics(7, 14));
    EXPECT_EQ(marks[5].Tick, (PixelLine{{200, 650}, {200, 644}}));
    EXPECT_EQ(marks[5].LabelAt.Y, 650 + 6);
}

TEST(TickMarksTest, YTicksReadUpwardLeftOfTheGraph)
{
    const PlotMapping mapping({0, 90, 0, 30}, {100, 50, 1000, 650}, false);
    const std::vector<TickMark> marks =
        YTickMarks(ComputeTicks(0, 30, 5), mapping, {96, 96}, fixedWidthMetrics(7, 14));
    ASSERT_FALSE(marks.empty());
    const TickMark& five = marks[5];  // raw 6: major 5, minor 1
    EXPECT_EQ(five.Label, "5");
    EXPECT_EQ(five.Pixel, 650 - 100);
    EXPECT_EQ(five.Tick, (PixelLine{{100, 550}, {106, 550}}));
    EXPECT_EQ(five.Grid, (PixelLine{{100, 550}, {1000, 550}}));
    EXPECT_EQ(five.LabelAt, (PixelPoint{100 - 14 - 3, 550 + 3}));
}

// Only ticks inside the view are listed, so a zoomed view far along an axis does not walk
// every tick from zero.
TEST(TickMarksTest, AZoomedViewListsOnlyItsOwnTicks)
{
    const PlotMapping mapping({40, 50, 0, 30}, {100, 50, 1000, 650}, true);
    const std::vector<TickMark> marks =
        XTickMarks(ComputeTicks(40, 50, 7), mapping, {96, 96}, fixedWidthMetrics(7, 14));
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.front().Value, 40);
    EXPECT_EQ(marks.front().Pixel, 100);
    EXPECT_NEAR(static_cast<double>(marks.back().Value), 50, 1e-12);
}

struct LabelCase {
    const char* name;
    long double value;
    const char* text;
};

class TickLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(TickLabelTest, FourSignificantDigitsAndTwoExponentDigits)
{
    EXPECT_EQ(TickLabel(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Plots, TickLabelTest,
                         ::testing::Values(LabelCase{"Zero", 0, "0"}, LabelCase{"Whole", 90, "90"},
                                           LabelCase{"StepNoise", 3 * 0.2L, "0.6"},
                                           LabelCase{"Negative", -0.005L, "-0.005"},
                                           LabelCase{"Large", 12345, "1.235E04"},
                                           LabelCase{"Small", 0.00005L, "5E-05"}),
                         CaseName());

TEST(CoordinateReadoutTest, CaptionWithFiveDigitCoordinates)
{
    EXPECT_EQ(CoordinateReadout("Load Distribution", 12.34567L, 0.5L), "Load Distribution X: 12.346 Y: 0.5");
    EXPECT_EQ(CoordinateReadout("t-z Curves", 0.000012345L, -250000), "t-z Curves X: 1.2345E-05 Y: -2.5E05");
}

}  // namespace
}  // namespace quarlo
