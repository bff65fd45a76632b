#include "PlotMapping.h"
#include "PlotMarkers.h"
#include "PlotZoom.h"

#include <gtest/gtest.h>

#include "../controls/CaseName.h"

#include <string>
#include <vector>

namespace quarlo {
namespace {

const PixelRect kRect{100, 50, 1000, 650};

TEST(PlotMappingTest, XRunsLeftToRight)
{
    const PlotMapping mapping({0, 90, 0, 30}, kRect, true);
    EXPECT_EQ(mapping.PixelX(0), 100);
    EXPECT_EQ(mapping.PixelX(45), 550);
    EXPECT_EQ(mapping.PixelX(90), 1000);
}

TEST(PlotMappingTest, YGrowsDownwardWithTheXAxisOnTop)
{
    const PlotMapping depth({0, 90, 0, 30}, kRect, true);
    EXPECT_EQ(depth.PixelY(0), 50);
    EXPECT_EQ(depth.PixelY(30), 650);
    const PlotMapping upward({0, 90, 0, 30}, kRect, false);
    EXPECT_EQ(upward.PixelY(0), 650);
    EXPECT_EQ(upward.PixelY(10), 450);
}

// 1 of 4 over 10 pixels is 2.5, 3 of 4 is 7.5: halves go to the even pixel.
TEST(PlotMappingTest, HalfPixelsRoundToEven)
{
    const PlotMapping mapping({0, 4, 0, 4}, {0, 0, 10, 10}, false);
    EXPECT_EQ(mapping.PixelX(1), 2);
    EXPECT_EQ(mapping.PixelX(3), 8);
    EXPECT_EQ(mapping.PixelY(1), 10 - 2);
}

TEST(PlotMappingTest, PixelToDataIsTheInverse)
{
    for (const bool xOnTop : {true, false}) {
        const PlotMapping mapping({-3.7L, 90.1L, -0.013L, 0.029L}, kRect, xOnTop);
        for (const PixelPoint p : {PixelPoint{100, 50}, PixelPoint{433, 271}, PixelPoint{1000, 650}}) {
            const TFloatPoint data = mapping.ToData(p);
            EXPECT_EQ(mapping.ToPixel(data), p) << p.X << "," << p.Y << (xOnTop ? " on top" : "");
        }
    }
    const PlotMapping mapping({0, 90, 0, 30}, kRect, true);
    EXPECT_EQ(mapping.ToData({550, 350}), (TFloatPoint{45, 15}));
}

TEST(PlotMappingTest, APixelBesideTheGraphGivesTheOrigin)
{
    const PlotMapping mapping({10, 90, 10, 30}, kRect, true);
    EXPECT_EQ(mapping.ToData({99, 300}), (TFloatPoint{0, 0}));
    EXPECT_EQ(mapping.ToData({1001, 300}), (TFloatPoint{0, 0}));
}

TEST(PlotMappingTest, FarValuesStayFarWithoutWrappingAround)
{
    const PlotMapping mapping({0, 1, 0, 1}, kRect, true);
    EXPECT_GT(mapping.PixelX(1e30L), 1'000'000);
    EXPECT_LT(mapping.PixelX(-1e30L), -1'000'000);
}

TEST(ClampToRectTest, PointerIsHeldOnTheGraph)
{
    EXPECT_EQ(ClampToRect({20, 700}, kRect), (PixelPoint{100, 650}));
    EXPECT_EQ(ClampToRect({500, 300}, kRect), (PixelPoint{500, 300}));
}

TEST(MarkerShapeTest, TenShapesInTurn)
{
    EXPECT_EQ(MarkerShape(0), 1);
    EXPECT_EQ(MarkerShape(10), 1);
    EXPECT_EQ(MarkerShape(12), 3);
    EXPECT_EQ(MarkerShape(9), 10);
}

struct MarkerCase {
    const char* name;
    int index;
    std::vector<PixelPoint> corners;
};

class MarkerVerticesTest : public ::testing::TestWithParam<MarkerCase> {};

// Corners lie 1/32 inch from the point: sin and cos of the corner angles times 4 pixels at
// 128 dots per inch, rounded, with y growing downward.
TEST_P(MarkerVerticesTest, CornersAroundThePoint)
{
    EXPECT_EQ(MarkerVertices(GetParam().index, {100, 100}, {128, 128}), GetParam().corners);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, MarkerVerticesTest,
    ::testing::Values(
        // pi, pi + 2pi/3, pi + 4pi/3, back: corner straight below, then up left and up right
        // (4 x 0.866 = 3.46 across, 4 x 0.5 = 2 up)
        MarkerCase{"TriangleDown", 0, {{100, 104}, {97, 98}, {103, 98}, {100, 104}}},
        // pi/4 + k pi/2: 4 x 0.707 = 2.83 rounds to 3
        MarkerCase{"Square", 1, {{103, 97}, {103, 103}, {97, 103}, {97, 97}, {103, 97}}},
        MarkerCase{"TriangleUp", 12, {{100, 96}, {103, 102}, {97, 102}, {100, 96}}},
        MarkerCase{"Diamond", 3, {{100, 96}, {104, 100}, {100, 104}, {96, 100}, {100, 96}}}),
    CaseName());

TEST(MarkerVerticesTest, APolygonOfTenCornersIsClosed)
{
    const std::vector<PixelPoint> corners = MarkerVertices(19, {50, 50}, {600, 600});
    ASSERT_EQ(corners.size(), 11u);
    EXPECT_EQ(corners.front(), corners.back());
    EXPECT_EQ(corners.front(), (PixelPoint{50, 50 - 19}));  // 600 / 32 = 18.75
}

const PlotRange kFull{-3.7L, 90.1L, -0.013L, 0.029L};

TEST(ZoomOutTest, RepeatedRightClicksEndOnExactlyTheFullRange)
{
    PlotRange view = ZoomIn(kFull, {10, 0.001L}, {12.5L, 0.0012L});
    for (int click = 0; click < 8; ++click)
        view = ZoomOut(view, kFull, {11, 0.0011L});
    EXPECT_EQ(view, kFull);
}

TEST(ZoomOutTest, EachClickDoublesTheViewAroundThePointWithinTheFullRange)
{
    const PlotRange full{0, 90, 0, 30};
    EXPECT_EQ(ZoomOut({40, 50, 10, 12}, full, {45, 11}), (PlotRange{35, 55, 9, 13}));
    EXPECT_EQ(ZoomOut({40, 50, 10, 12}, full, {5, 29}), (PlotRange{0, 20, 26, 30}));
}

TEST(ZoomInTest, TheRubberBandGivesTheViewInEitherDirection)
{
    const PlotRange full{0, 90, 0, 30};
    const PlotRange expected{10, 30, 5, 20};
    EXPECT_EQ(ZoomIn(full, {10, 5}, {30, 20}), expected);
    EXPECT_EQ(ZoomIn(full, {30, 20}, {10, 5}), expected);
}

TEST(ZoomInTest, ATinyBandStopsAtATwentiethOfTheFullRange)
{
    const PlotRange full{0, 90, 0, 30};
    EXPECT_EQ(ZoomIn(full, {44, 10}, {45, 11}), (PlotRange{42.25L, 46.75L, 9.75L, 11.25L}));
    // Near the ends the widened view is moved back inside the full range.
    EXPECT_EQ(ZoomIn(full, {0.1L, 29.9L}, {0.2L, 29.8L}), (PlotRange{0, 4.5L, 28.5L, 30}));
}

TEST(ZoomInTest, OnlyABandWithWidthAndHeightZooms)
{
    EXPECT_FALSE(IsZoomRectangle({10, 10}, {10, 10}));
    EXPECT_FALSE(IsZoomRectangle({10, 10}, {10, 50}));
    EXPECT_FALSE(IsZoomRectangle({10, 10}, {50, 10}));
    EXPECT_TRUE(IsZoomRectangle({10, 10}, {5, 3}));
}

}  // namespace
}  // namespace quarlo
