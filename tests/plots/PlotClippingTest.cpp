#include "PlotClipping.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarlo {
namespace {

using Line = std::vector<PixelPoint>;
const PixelRect kGraph{100, 100, 200, 200};

TEST(PlotClippingTest, ALineInsideStaysWhole)
{
    const Line line{{110, 110}, {150, 120}, {190, 190}};
    EXPECT_EQ(ClipPolyline(line, kGraph), std::vector<Line>{line});
    // Edges count as inside.
    const Line onEdges{{100, 100}, {200, 200}};
    EXPECT_EQ(ClipPolyline(onEdges, kGraph), std::vector<Line>{onEdges});
}

// From (50, 150) to (150, 150) the line enters at the left edge; from (150, 150) to
// (150, 300) it leaves at the bottom.
TEST(PlotClippingTest, ALineCrossingEdgesEndsOnThem)
{
    EXPECT_EQ(ClipPolyline({{50, 150}, {150, 150}, {150, 300}}, kGraph),
              (std::vector<Line>{{{100, 150}, {150, 150}, {150, 200}}}));
    // Through the whole graph, corner to corner beyond it: (0, 0) to (300, 300).
    EXPECT_EQ(ClipPolyline({{0, 0}, {300, 300}}, kGraph), (std::vector<Line>{{{100, 100}, {200, 200}}}));
}

// Out at the right, back in further down: two parts. A diagonal passing the graph's corner
// from (50, 300) to (300, 50) cuts through it from (150, 200) to (200, 150).
TEST(PlotClippingTest, ALineLeavingAndComingBackGivesTwoParts)
{
    EXPECT_EQ(ClipPolyline({{150, 110}, {250, 110}, {250, 190}, {150, 190}}, kGraph),
              (std::vector<Line>{{{150, 110}, {200, 110}}, {{200, 190}, {150, 190}}}));
    EXPECT_EQ(ClipPolyline({{0, 0}, {50, 300}, {300, 50}}, kGraph), (std::vector<Line>{{{150, 200}, {200, 150}}}));
}

TEST(PlotClippingTest, NothingOutsideIsDrawn)
{
    EXPECT_TRUE(ClipPolyline({{0, 0}, {90, 0}, {90, 90}}, kGraph).empty());
    EXPECT_TRUE(ClipPolyline({{50, 50}}, kGraph).empty());
    EXPECT_EQ(ClipPolyline({{150, 150}}, kGraph), (std::vector<Line>{{{150, 150}}}));
    // A segment of no length inside is a point of the line.
    EXPECT_EQ(ClipPolyline({{150, 150}, {150, 150}}, kGraph), (std::vector<Line>{{{150, 150}, {150, 150}}}));
}

}  // namespace
}  // namespace quarlo
