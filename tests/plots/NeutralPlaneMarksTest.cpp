#include "NeutralPlaneMarks.h"
#include "PlotLegend.h"
#include "PlotMarks.h"
#include "FixedWidthMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

SummaryRow tipMovementRow(int number, NeutralPlaneState state, long double depth, long double load)
{
    SummaryRow row;
    row.Number = number;
    NeutralPlane plane;
    plane.State = state;
    plane.Depth = depth;
    plane.LargestLoad = load;
    row.Plane = plane;
    return row;
}

void expectMark(const CurveMark& mark, int curve, double x, double y)
{
    EXPECT_EQ(mark.CurveIndex, curve);
    EXPECT_NEAR(static_cast<double>(mark.At.X), x, 1e-12);
    EXPECT_NEAR(static_cast<double>(mark.At.Y), y, 1e-12);
}

// Tip movement k is curve k - 1 of the load distribution. Only found planes are marked;
// the pile-head load rows have no curve of their own.
TEST(NeutralPlaneMarksTest, EachFoundPlaneOnItsTipMovementsCurve)
{
    ResultsSummary summary;
    summary.Units = 2;
    summary.DownDrag = true;
    summary.Rows = {tipMovementRow(1, NeutralPlaneState::Found, 5, 75),
                    tipMovementRow(2, NeutralPlaneState::PileMovesMore, 0, 0),
                    tipMovementRow(3, NeutralPlaneState::NotComputed, 0, 0),
                    tipMovementRow(4, NeutralPlaneState::Found, 9.949L, 205.2L)};
    SummaryRow headLoad = tipMovementRow(1, NeutralPlaneState::Found, 4, 60);
    headLoad.Kind = SummaryRowKind::HeadLoad;
    summary.Rows.push_back(headLoad);

    const CurveMarks marks = NeutralPlaneMarks(summary);
    ASSERT_EQ(marks.Points.size(), 2u);
    expectMark(marks.Points[0], 0, 75, 5);
    expectMark(marks.Points[1], 3, 205.2, 9.949);
    EXPECT_EQ(marks.Note, "Neutral plane");
}

// An English run writes inches and pounds; its graph shows feet and kips: 200 in and
// 7500 lbs are 16 2/3 ft and 7.5 kips.
TEST(NeutralPlaneMarksTest, EnglishRunsInFeetAndKips)
{
    ResultsSummary summary;
    summary.Units = 1;
    summary.Rows = {tipMovementRow(1, NeutralPlaneState::Found, 200, 7500)};
    const CurveMarks marks = NeutralPlaneMarks(summary);
    ASSERT_EQ(marks.Points.size(), 1u);
    expectMark(marks.Points[0], 0, 7.5, 200.0 / 12);
}

TEST(NeutralPlaneMarksTest, NoPlaneNoMarkAndNoNote)
{
    ResultsSummary summary;
    summary.Units = 2;
    summary.Rows = {tipMovementRow(1, NeutralPlaneState::SoilSettlesMore, 0, 0)};
    summary.Rows.push_back(SummaryRow{});   // a run without down-drag: no plane at all
    const CurveMarks marks = NeutralPlaneMarks(summary);
    EXPECT_TRUE(marks.Points.empty());
    EXPECT_TRUE(marks.Note.empty());
}

class MarkStrokesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plot.SetCurveCount(3);
        plot.SetPointCount(2);
        for (int i = 0; i < 3; ++i)
            plot.Curve(i).Points = {{0, 0}, {100, 10}};
        plot.Marks = {{{0, {50, 5}}, {1, {25, 2}}, {2, {100, 10}}}, "Neutral plane"};
    }

    std::vector<MarkStroke> strokes() const { return MarkStrokes(plot.Marks, CurvePaths(plot, mapping), mapping, kScreen); }

    // 0 to 100 across 1000 pixels from x = 100, 0 to 10 downward over 500 from y = 100.
    static constexpr Resolution kScreen{96, 96};
    const PlotMapping mapping{{0, 100, 0, 10}, {100, 100, 1100, 600}, true};
    TGraphPlot plot;
};

// (50, 5) is pixel (600, 350); the stroke reaches 96 / 12 = 8 pixels to either side.
TEST_F(MarkStrokesTest, AShortStrokeAcrossEachDrawnCurvesMark)
{
    const std::vector<MarkStroke> drawn = strokes();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].Line, (PixelLine{{592, 350}, {608, 350}}));
    EXPECT_EQ(drawn[1].Line, (PixelLine{{342, 200}, {358, 200}}));
    EXPECT_EQ(drawn[2].Line, (PixelLine{{1092, 600}, {1108, 600}}));
    EXPECT_EQ(drawn[2].ColorSlot, 2);
}

// A hidden curve takes its mark with it; an inactive one also gives up its colour slot, so
// the marks keep the colours of their curves as drawn.
TEST_F(MarkStrokesTest, OnlyDrawnCurvesInTheirColours)
{
    plot.Curve(1).Shown = false;
    std::vector<MarkStroke> drawn = strokes();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].CurveIndex, 2);
    EXPECT_EQ(drawn[1].ColorSlot, 2);

    plot.Curve(0).Active = false;
    drawn = strokes();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].CurveIndex, 2);
    EXPECT_EQ(drawn[0].ColorSlot, 1);
}

TEST_F(MarkStrokesTest, TheLegendNotesTheMarksWhileOneIsShown)
{
    EXPECT_EQ(MarkNote(plot.Marks, LegendEntries(plot)), "Neutral plane");
    for (int i = 0; i < 3; ++i)
        plot.Curve(i).Shown = false;
    EXPECT_EQ(MarkNote(plot.Marks, LegendEntries(plot)), "");
    plot.Curve(2).Shown = true;
    plot.Curve(2).Active = false;
    EXPECT_EQ(MarkNote(plot.Marks, LegendEntries(plot)), "");
}

TEST(MarkPenTest, HeavierThanTheCurves)
{
    EXPECT_EQ(MarkPenWidth({96, 96}, 1), 2);
    EXPECT_EQ(MarkPenWidth({1200, 1200}, 2), 10 + 12);
}

// On screen the note is one more line of the legend: a stroke 96 / 8 = 12 pixels long from
// the items' indent of 4, and the text from 4 + 12 + 4 = 20.
TEST(LegendNoteTest, OneMoreLineOnScreen)
{
    const std::vector<LegendEntry> entries{{0, "Curve #1", true, 0}, {1, "Curve #2", true, 1}};
    const auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 6; };
    EXPECT_EQ(LegendHeight(entries, 16, true), 3 * 16 + 3);
    EXPECT_EQ(LegendNoteIndent(96), 20);
    // "Curve #1 *" is 60 pixels; "Neutral plane" 78 after 20 of indent.
    EXPECT_EQ(LegendWidth(entries, 21, width, 24), 60 + 24);
    EXPECT_EQ(LegendWidth(entries, 21, width, 24, "Neutral plane", 20), 20 + 78 + 24);
}

// On paper the note is the box's last line, its stroke a marker wide where the markers
// stand, its text where the items' texts start.
TEST(LegendNoteTest, TheBoxsLastLineOnPaper)
{
    const std::vector<LegendEntry> entries{{0, "Curve #1", true, 0}, {1, "Curve #2", false, 1}};
    const LegendBox box = PlaceLegendBox(entries, {0, 0, 800, 600}, {100, 200}, {800, 600}, {96, 96},
                                         fixedWidthMetrics(6, 14), "Neutral plane");
    ASSERT_TRUE(box.Note.has_value());
    // One listed item of 3 + 14 pixels; the note's line starts 17 pixels lower.
    EXPECT_EQ(box.Note->TextAt, (PixelPoint{100 + 6 + 6, 200 + 3 + 17}));
    EXPECT_EQ(box.Note->Stroke, (PixelLine{{100 + 6 - 3, 200 + 3 + 17 + 7}, {100 + 6 + 3, 200 + 3 + 17 + 7}}));
    // "Neutral plane" (78 pixels) is wider than "Curve #1" (48).
    EXPECT_EQ(box.Box, (PixelRect{100, 200, 100 + 78 + 18, 200 + 2 * 17 + 3}));
    EXPECT_FALSE(PlaceLegendBox(entries, {0, 0, 800, 600}, {100, 200}, {800, 600}, {96, 96}, fixedWidthMetrics(6, 14))
                     .Note.has_value());
}

}  // namespace
}  // namespace quarlo
