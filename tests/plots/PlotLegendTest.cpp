#include "PlotColors.h"
#include "PlotCurves.h"
#include "PlotLegend.h"
#include "FixedWidthMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

// A plot of `curves` straight curves of three points each.
void makeCurves(TGraphPlot& plot, int curves)
{
    plot.SetCurveCount(curves);
    plot.SetPointCount(3);
    for (int i = 0; i < curves; ++i)
        plot.Curve(i).Points = {{0, 0}, {1, 1.0L * i}, {2, 2.0L * i}};
}

TEST(ActiveCurvesTest, AtMostTwentyWhenLimited)
{
    TGraphPlot plot;
    makeCurves(plot, 25);
    ActivateCurves(plot);
    const std::vector<LegendEntry> entries = LegendEntries(plot);
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_FALSE(plot.Curve(20).Active);
    EXPECT_EQ(entries[19].CurveIndex, 19);
    // Colours run through the table and start again: slot 17 is black like slot 0.
    EXPECT_EQ(CurveColor(entries[17].ColorSlot), CurveColor(0));
    EXPECT_EQ(CurveColor(entries[19].ColorSlot), (PlotColor{255, 0, 0}));
    const PlotMapping mapping({0, 2, 0, 48}, {0, 0, 100, 100}, true);
    EXPECT_EQ(CurvePaths(plot, mapping).size(), 20u);

    plot.LimitActiveCurves = false;
    ActivateCurves(plot);
    EXPECT_EQ(LegendEntries(plot).size(), 25u);
}

TEST(ActiveCurvesTest, HidingACurveKeepsTheOtherColours)
{
    TGraphPlot plot;
    makeCurves(plot, 5);
    ActivateCurves(plot);
    plot.Curve(1).Shown = false;
    const std::vector<LegendEntry> entries = LegendEntries(plot);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(LegendItemText(entries[0]), "Curve #1 *");
    EXPECT_EQ(LegendItemText(entries[1]), "Curve #2");
    const std::vector<CurvePath> paths = CurvePaths(plot, PlotMapping({0, 2, 0, 8}, {0, 0, 100, 100}, true));
    ASSERT_EQ(paths.size(), 4u);
    EXPECT_EQ(paths[1].CurveIndex, 2);
    EXPECT_EQ(paths[1].ColorSlot, 2);
    EXPECT_EQ(entries[2].ColorSlot, 2);
}

TEST(ActiveCurvesTest, InactiveCurvesTakeNoColourSlot)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    plot.Curve(0).Active = false;
    const std::vector<CurvePath> paths = CurvePaths(plot, PlotMapping({0, 2, 0, 4}, {0, 0, 100, 100}, true));
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].CurveIndex, 1);
    EXPECT_EQ(paths[0].ColorSlot, 0);
    EXPECT_EQ(LegendEntries(plot).front().CurveIndex, 1);
}

TEST(ActiveCurvesTest, TheCaptionHandlerMayChangeALegendText)
{
    TGraphPlot plot;
    makeCurves(plot, 2);
    plot.onGetCaption = [](int index, std::string& text) { text += index == 1 ? " (last)" : ""; };
    EXPECT_EQ(LegendEntries(plot)[1].Text, "Curve #2 (last)");
}

TEST(CurvePathsTest, PointsInPixelsWithAMarkerOnEveryNthPoint)
{
    TGraphPlot plot;
    plot.SetCurveCount(1);
    plot.Curve(0).Points = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
    plot.Markers = 3;
    const std::vector<CurvePath> paths = CurvePaths(plot, PlotMapping({0, 6, 0, 6}, {10, 10, 70, 70}, false));
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0].Points[1], (PixelPoint{20, 60}));
    EXPECT_EQ(paths[0].MarkerPoints, (std::vector<std::size_t>{0, 3, 6}));
    plot.Markers = 0;
    EXPECT_TRUE(CurvePaths(plot, PlotMapping({0, 6, 0, 6}, {10, 10, 70, 70}, false))[0].MarkerPoints.empty());
}

TEST(CurvePathsTest, NothingIsDrawnWhenTheFirstCurveHasFewerThanTwoPoints)
{
    TGraphPlot plot;
    const PlotMapping mapping({0, 1, 0, 1}, {0, 0, 100, 100}, true);
    EXPECT_TRUE(CurvePaths(plot, mapping).empty());
    plot.SetCurveCount(2);
    plot.SetPointCount(1);
    EXPECT_TRUE(CurvePaths(plot, mapping).empty());
}

// A curve left without points (a t-z curve the file gave none) would otherwise be a path of
// no points, or in a careless painter a marker at (0, 0); the next curve keeps its colour.
TEST(CurvePathsTest, ACurveWithoutPointsIsNotDrawnButKeepsItsColourSlot)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    plot.Curve(1).SetPointCount(0);
    const std::vector<CurvePath> paths = CurvePaths(plot, PlotMapping({0, 2, 0, 4}, {0, 0, 100, 100}, true));
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].CurveIndex, 0);
    EXPECT_EQ(paths[1].CurveIndex, 2);
    EXPECT_EQ(paths[1].ColorSlot, 2);
}

TEST(PlotColorsTest, SeventeenColoursInTheirOrder)
{
    EXPECT_EQ(PlotColors.size(), 17u);
    EXPECT_EQ(CurveColor(1), (PlotColor{0, 0, 255}));
    EXPECT_EQ(CurveColor(8), (PlotColor{128, 128, 0}));
    EXPECT_EQ(CurveColor(16), (PlotColor{0, 255, 255}));
    EXPECT_EQ(CurveColor(18), CurveColor(1));
}

std::vector<LegendEntry> entriesOf(std::initializer_list<const char*> texts)
{
    std::vector<LegendEntry> entries;
    for (const char* text : texts)
        entries.push_back({static_cast<int>(entries.size()), text, true, static_cast<int>(entries.size())});
    return entries;
}

int sixPerCharacter(const std::string& text)
{
    return static_cast<int>(text.size()) * 6;
}

TEST(LegendSizeTest, WideEnoughForTheLongestItemAndItsMark)
{
    const std::vector<LegendEntry> entries = entriesOf({"Curve #1", "Curve #10"});
    // "Curve #10 *" is 11 characters: 66 pixels, and a quarter inch.
    EXPECT_EQ(LegendWidth(entries, kLegendDesignWidth, sixPerCharacter, 96 / 4), 66 + 24);
    EXPECT_EQ(LegendWidth(entries, 200, sixPerCharacter, 96 / 4), 200);
    EXPECT_EQ(LegendHeight(entries, kLegendItemHeight), 2 * 16 + 3);
}

TEST(LegendSizeTest, FontSizeScalesTheLegendFont)
{
    const LegendFont font = LegendFontFor(12, 11);
    EXPECT_EQ(font.PointSize, 13);
    EXPECT_EQ(font.ItemHeight, 19);
}

TEST(LegendSizeTest, TheLegendFontInPoints)
{
    // 15 pixels at 96 dpi are 11.25 points: the legend's base size is 11.
    EXPECT_EQ(PointSizeOfPixels(15, 96), 11);
    EXPECT_EQ(PointSizeOfPixels(15, 72), 15);
    EXPECT_EQ(PointSizeOfPixels(15, 0), 0);
}

struct ItemAtCase {
    const char* name;
    int y;
    int expected;
};

class LegendItemAtTest : public ::testing::TestWithParam<ItemAtCase> {};

// Three items of 16 pixels and the 3-pixel border below them.
TEST_P(LegendItemAtTest, TheItemUnderThePointer)
{
    EXPECT_EQ(LegendItemAt(GetParam().y, 16, 3), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, LegendItemAtTest,
                         ::testing::Values(ItemAtCase{"FirstItemTop", 0, 0}, ItemAtCase{"FirstItemBottom", 15, 0},
                                           ItemAtCase{"SecondItem", 16, 1}, ItemAtCase{"LastItem", 47, 2},
                                           ItemAtCase{"BorderBelow", 48, -1}, ItemAtCase{"AboveTheLegend", -1, -1}),
                         [](const ::testing::TestParamInfo<ItemAtCase>& info) { return info.param.name; });

TEST(LegendVisibleTest, ShownWithItemsAndOfferedWhileHidden)
{
    TGraphPlot plot;
    EXPECT_FALSE(LegendVisible(plot, LegendEntries(plot)));
    EXPECT_FALSE(ShowLegendOffered(LegendEntries(plot)));
    makeCurves(plot, 2);
    EXPECT_TRUE(LegendVisible(plot, LegendEntries(plot)));
    // Hidden by the user: the entry that brings it back stays on offer.
    plot.ShowLegend = false;
    EXPECT_FALSE(LegendVisible(plot, LegendEntries(plot)));
    EXPECT_TRUE(ShowLegendOffered(LegendEntries(plot)));
}

TEST(LegendPlaceTest, CornerOfTheGraphThenInsideTheWindow)
{
    EXPECT_EQ(LegendAtCorner({41, 41, 769, 569}, {90, 51}), (PixelRect{679, 518, 769, 569}));
    EXPECT_EQ(KeepInside({900, 600, 1000, 700}, {950, 650}), (PixelRect{850, 550, 950, 650}));
    EXPECT_EQ(KeepInside({-20, -5, 80, 45}, {950, 650}), (PixelRect{0, 0, 100, 50}));
    // Larger than the window: its top left corner stays visible.
    EXPECT_EQ(KeepInside({0, 0, 2000, 900}, {500, 500}), (PixelRect{0, 0, 2000, 900}));
}

TEST(LegendPlaceTest, ADraggedLegendKeepsItsGrabPointUnderThePointer)
{
    EXPECT_EQ(DragLegend({100, 100, 190, 151}, {300, 200}, {10, 5}, {950, 650}), (PixelRect{290, 195, 380, 246}));
    EXPECT_EQ(DragLegend({100, 100, 190, 151}, {3, 2}, {10, 5}, {950, 650}), (PixelRect{0, 0, 90, 51}));
}

TEST(LegendBoxTest, ListsTheShownCurvesWhereTheScreenLegendStands)
{
    std::vector<LegendEntry> entries = entriesOf({"0.5 in", "1 in", "10 in"});
    entries[1].Shown = false;
    // On screen at (500, 400) of a 1000 x 800 window; on paper an area twice as large.
    const LegendBox box = PlaceLegendBox(entries, {0, 0, 2000, 1600}, {500, 400}, {1000, 800}, {96, 96}, fixedWidthMetrics(6, 14));
    ASSERT_EQ(box.Items.size(), 2u);
    EXPECT_EQ(box.Items[1].Text, "10 in");
    EXPECT_EQ(box.Items[1].ColorSlot, 2);
    EXPECT_EQ(box.Items[0].MarkerAt, (PixelPoint{1000 + 6, 800 + 3 + 7}));
    EXPECT_EQ(box.Items[0].TextAt, (PixelPoint{1000 + 12, 800 + 3}));
    EXPECT_EQ(box.Items[1].TextAt, (PixelPoint{1000 + 12, 800 + 3 + 17}));
    // Widest listed text "0.5 in" (36 pixels) and 3/16 inch; two lines of 3 + 14 and 3 below.
    EXPECT_EQ(box.Box, (PixelRect{1000, 800, 1000 + 36 + 18, 800 + 2 * 17 + 3}));
}

// The box shows the marker each curve is drawn with, also when an inactive curve comes
// before it and its legend position differs from its curve index.
TEST(LegendBoxTest, ItemsCarryTheirCurvesMarker)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    plot.Curve(0).Active = false;
    const LegendBox box = PlaceLegendBox(LegendEntries(plot), {0, 0, 800, 600}, {0, 0}, {800, 600}, {96, 96},
                                         fixedWidthMetrics(6, 14));
    ASSERT_EQ(box.Items.size(), 2u);
    EXPECT_EQ(box.Items[0].CurveIndex, 1);
    EXPECT_EQ(box.Items[0].ColorSlot, 0);
}

// On a picture smaller than the window the box keeps its size in pixels: placed by the
// legend's share of the window it would reach past the picture's edges, and is pushed back
// inside, its lines with it. The legend at (830, 465) of a 960 x 640 window is at (373, 209)
// of a 432 x 288 picture; its two lines of 3 + 14 pixels and 3 more make it 37 high.
TEST(LegendBoxTest, StaysInsideASmallPicture)
{
    const std::vector<LegendEntry> entries = entriesOf({"Curve #10", "Curve #11"});
    const LegendBox box =
        PlaceLegendBox(entries, {0, 0, 432, 288}, {830, 465}, {960, 640}, {96, 96}, fixedWidthMetrics(6, 14));
    // 9 characters of 6 pixels and 3/16 inch: 72 wide.
    EXPECT_EQ(box.Box, (PixelRect{432 - 72, 209, 432, 209 + 37}));
    EXPECT_EQ(box.Items[0].TextAt, (PixelPoint{432 - 72 + 12, 209 + 3}));

    const LegendBox low =
        PlaceLegendBox(entries, {0, 0, 432, 288}, {100, 620}, {960, 640}, {96, 96}, fixedWidthMetrics(6, 14));
    EXPECT_EQ(low.Box.Bottom, 288);
    EXPECT_EQ(low.Box.Left, 45);
    EXPECT_EQ(low.Items[1].MarkerAt, (PixelPoint{45 + 6, 288 - 37 + 3 + 17 + 7}));
}

}  // namespace
}  // namespace quarlo
