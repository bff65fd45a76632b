#include "GraphDefinitions.h"
#include "PlotLayout.h"
#include "FixedWidthMetrics.h"

#include <gtest/gtest.h>

#include <string>

namespace quarlo {
namespace {

const PixelRect kClient{0, 0, 800, 600};
const Resolution kScreen{96, 96};

TEST(PlotLayoutTest, TextHeightIsTheBaseFontScaledInTenths)
{
    EXPECT_EQ(PlotTextHeight(14, 10), 14);
    EXPECT_EQ(PlotTextHeight(-14, 12), 16);
    EXPECT_EQ(PlotTextHeight(14, 8), 11);
}

// h = 14 at 96 dots per inch: 2h + 96/8 + h/8 = 41 for the titles, 96/4 + h/2 = 31 margin.
TEST(PlotLayoutTest, ScreenGraphWithTheXAxisOnTop)
{
    TGraphPlot plot;
    EXPECT_EQ(ScreenPlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 41, 769, 569}));
    plot.GraphTitle = "Pile P-3";
    plot.GraphTitleOnTop = true;
    EXPECT_EQ(ScreenPlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 41 + 15, 769, 569}));
    plot.GraphTitleOnTop = false;
    EXPECT_EQ(ScreenPlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 41, 769, 569 - 14}));
}

// An image keeps the graph title's line as the window does. Without it a title on the X
// axis's side would be drawn over the axis labels: the X title moves down to 15 + 16 = 31,
// while the labels of a graph starting at 41 begin at 41 - 16 - 3 = 22.
TEST(PlotLayoutTest, ImageKeepsRoomForTheGraphTitle)
{
    TGraphPlot plot;
    EXPECT_EQ(ImagePlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 41, 769, 569}));
    plot.GraphTitle = "Pile P-3";
    plot.GraphTitleOnTop = true;
    EXPECT_EQ(ImagePlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 41 + 15, 769, 569}));
    plot.XOnTop = false;
    plot.GraphTitleOnTop = false;
    EXPECT_EQ(ImagePlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 7 + 24, 769, 600 - 41 - 14}));
}

TEST(PlotLayoutTest, ScreenGraphWithTheXAxisBelow)
{
    TGraphPlot plot;
    plot.XOnTop = false;
    EXPECT_EQ(ScreenPlotRect(plot, kClient, kScreen, 14), (PixelRect{41, 7 + 24, 769, 600 - 41}));
}

// On paper the margins lie outside the area already; titles take 2h + ppiX/8 + h/8 on
// their sides, 100 + 75 + 6 = 181 pixels at 600 dots per inch with h = 50.
TEST(PlotLayoutTest, PrintedGraphReachesTheMargins)
{
    TGraphPlot plot;
    const PixelRect page{50, 60, 2000, 3000};
    EXPECT_EQ(PrinterPlotRect(plot, page, {600, 600}, 50), (PixelRect{231, 241, 2000, 3000}));
    plot.XOnTop = false;
    plot.GraphTitle = "P-3";
    EXPECT_EQ(PrinterPlotRect(plot, page, {600, 600}, 50), (PixelRect{231, 60, 2000, 3000 - 181 - 300}));
}

TEST(PlotLayoutTest, AnAreaUnderAnInchIsNotDrawn)
{
    EXPECT_FALSE(LargeEnoughToDraw({0, 0, 95, 400}, kScreen));
    EXPECT_FALSE(LargeEnoughToDraw({0, 0, 400, 95}, kScreen));
    EXPECT_TRUE(LargeEnoughToDraw({0, 0, 96, 96}, kScreen));
}

TEST(PlotLayoutTest, CurvePenGrowsWithResolution)
{
    EXPECT_EQ(CurvePenWidth(kScreen, 1), 1);
    EXPECT_EQ(CurvePenWidth({600, 600}, 2), 6);
}

TEST(PlotTitlesTest, XTitleOnTopCentredAndYTitleUpwardAtTheLeft)
{
    GraphDefinitions graphs;
    const PlotTitles titles = PlaceTitles(graphs.pltLoad, kClient, 14, fixedWidthMetrics(8, 16));
    EXPECT_EQ(titles.XTitle.Text, "Total Capacity  (kips)");
    EXPECT_EQ(titles.XTitle.At, (PixelPoint{(800 - 22 * 8) / 2, 0}));
    EXPECT_FALSE(titles.GraphTitle.has_value());
    EXPECT_EQ(titles.YTitle.Text, "Depth  (ft)");
    EXPECT_TRUE(titles.YTitle.Upward);
    EXPECT_EQ(titles.YTitle.At, (PixelPoint{0, (600 + 11 * 8) / 2}));
}

TEST(PlotTitlesTest, TheGraphTitleMovesTheXTitleAside)
{
    TGraphPlot plot;
    plot.XCaption = "Q";
    plot.GraphTitle = "P-3";
    plot.GraphTitleOnTop = true;
    PlotTitles titles = PlaceTitles(plot, kClient, 14, fixedWidthMetrics(8, 16));
    EXPECT_EQ(titles.XTitle.At.Y, 14 / 8 + 14);
    ASSERT_TRUE(titles.GraphTitle.has_value());
    EXPECT_EQ(titles.GraphTitle->At, (PixelPoint{(800 - 24) / 2, 0}));

    plot.XOnTop = false;
    plot.GraphTitleOnTop = false;
    titles = PlaceTitles(plot, kClient, 14, fixedWidthMetrics(8, 16));
    EXPECT_EQ(titles.XTitle.At.Y, 600 - 16 - 15);
    EXPECT_EQ(titles.GraphTitle->At.Y, 600 - 16);
}

TEST(PlotTitlesTest, FrameReachesOnePixelPastTheGraph)
{
    EXPECT_EQ(PlotFrame({41, 41, 769, 569}), (PixelRect{41, 41, 770, 570}));
}

}  // namespace
}  // namespace quarlo
