#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ElevationLayout.h"
#include "ElevationModel.h"
#include "ProgramData.h"

namespace quarlo {
namespace {

// Values worked out by hand from the rules: bounds take in the pile corners (±1.5 D / 2) and
// the layer bottoms, then gain 5 % (× 1.05). Sums and products of a few decimal numbers in
// extended precision: 1e-12 leaves room for their rounding only.
constexpr long double kTolerance = 1e-12L;

struct Layer {
    long double bottom;
    int soilType;
};

// A project with the given pile and soil layers, built through the real tables.
class ElevationTest : public testing::Test {
protected:
    void setProject(long double length, long double diameter, const std::vector<Layer>& layers) {
        project.PileLength = length;
        project.OuterDiameter = diameter;
        TGridTableChart& d2 = tables.D2();
        d2.SetRowCount(static_cast<int>(layers.size()));
        for (int row = 0; row < d2.RowCount(); ++row) {
            d2.Data(0, row).SetAsInteger(layers[static_cast<std::size_t>(row)].soilType);
            d2.Data(1, row).SetAsFloat(layers[static_cast<std::size_t>(row)].bottom);
        }
    }

    void build(int width, int height) {
        model.SetClientSize(width, height);
        model.Build(project);
    }

    ProjectTables tables;
    TProgramData project{tables};
    ElevationModel model;
};

// Model bounds ----------------------------------------------------------------------------

struct BoundsCase {
    const char* name;
    long double length;
    long double diameter;
    std::vector<Layer> layers;
    ElevationBounds expected;
};

class ElevationBoundsTest : public ElevationTest, public testing::WithParamInterface<BoundsCase> {};

TEST_P(ElevationBoundsTest, TakeInPileAndLayersWithFivePercentRoom) {
    const BoundsCase& c = GetParam();
    setProject(c.length, c.diameter, c.layers);
    build(400, 400);
    EXPECT_NEAR(model.Bounds().xMin, c.expected.xMin, kTolerance);
    EXPECT_NEAR(model.Bounds().xMax, c.expected.xMax, kTolerance);
    EXPECT_NEAR(model.Bounds().yMin, c.expected.yMin, kTolerance);
    EXPECT_NEAR(model.Bounds().yMax, c.expected.yMax, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElevationBoundsTest,
    testing::Values(
        // 50 × 1.05 = 52.5; the pile, 1.5 wide, gets ±0.75 × 1.05 = ±0.7875.
        BoundsCase{"PileBelowTheLastLayer", 50, 1, {{40, 1}}, {-0.7875L, 0.7875L, 0, 52.5L}},
        // 60 × 1.05 = 63.
        BoundsCase{"LayersBelowThePile", 50, 1, {{20, 1}, {60, 2}}, {-0.7875L, 0.7875L, 0, 63}},
        // Layers out of order: the deepest bottom, not the last, sets the depth (70 × 1.05).
        BoundsCase{"DeepestLayerNotLast", 50, 1, {{70, 1}, {60, 2}}, {-0.7875L, 0.7875L, 0, 73.5L}},
        // The example's pile in inches: 16 in gives 24 in drawn, ±12 × 1.05 = ±12.6.
        BoundsCase{"DiameterInTheDepthUnit", 720, 16, {{240, 1}, {480, 2}, {900, 5}}, {-12.6L, 12.6L, 0, 945}},
        BoundsCase{"PileWithoutDiameter", 50, 0, {{40, 1}}, {0, 0, 0, 52.5L}}),
    [](const auto& info) { return std::string(info.param.name); });

// View range -------------------------------------------------------------------------------

struct ViewCase {
    const char* name;
    int width;
    int height;
    ElevationBounds expected;
};

class ElevationViewTest : public ElevationTest, public testing::WithParamInterface<ViewCase> {};

// Pile 50 long and 1 in diameter in layers ending at 40: bounds ±0.7875 across, 0 to 52.5
// down, a width-to-depth ratio of 1.575 / 52.5 = 0.03.
TEST_P(ElevationViewTest, KeepsOneScaleAcrossAndDown) {
    const ViewCase& c = GetParam();
    setProject(50, 1, {{40, 1}});
    build(c.width, c.height);
    ASSERT_EQ(model.State(), ElevationState::Usable);
    EXPECT_NEAR(model.View().xMin, c.expected.xMin, kTolerance);
    EXPECT_NEAR(model.View().xMax, c.expected.xMax, kTolerance);
    EXPECT_NEAR(model.View().yMin, c.expected.yMin, kTolerance);
    EXPECT_NEAR(model.View().yMax, c.expected.yMax, kTolerance);
    const long double across = c.width / (model.View().xMax - model.View().xMin);
    const long double down = c.height / (model.View().yMax - model.View().yMin);
    EXPECT_NEAR(across, down, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElevationViewTest,
    testing::Values(
        // Twice as wide as high: the same depth range, 2 × 52.5 = 105 across.
        ViewCase{"TwiceAsWideAsHigh", 400, 200, {-52.5L, 52.5L, 0, 52.5L}},
        ViewCase{"Square", 300, 300, {-26.25L, 26.25L, 0, 52.5L}},
        // 10 / 400 = 0.025 is narrower than 0.03: the depth range grows by 0.03 / 0.025 = 1.2
        // to 63, the width stays.
        ViewCase{"TallAndNarrow", 10, 400, {-0.7875L, 0.7875L, 0, 63}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ElevationTest, APileWithoutDiameterIsScaledByItsDepthAndDrawnAsALine) {
    setProject(50, 0, {{40, 1}});
    build(400, 200);
    ASSERT_EQ(model.State(), ElevationState::Usable);
    EXPECT_NEAR(model.View().xMin, -52.5L, kTolerance);
    EXPECT_NEAR(model.View().xMax, 52.5L, kTolerance);
    const ElevationScene scene = elevationScreenScene(model, 12);
    ASSERT_EQ(scene.pile.size(), 1u);
    for (const ElevationScene::Point& corner : scene.pile[0]) {
        EXPECT_EQ(corner.x, 200);
    }
    EXPECT_EQ(scene.pile[0][0].y, 0);
    EXPECT_EQ(scene.pile[0][2].y, 190);  // 50 / 52.5 × 200 = 190.48
}

// Mapping and read-out ---------------------------------------------------------------------

TEST_F(ElevationTest, MapsDepthsToPixelsAndBack) {
    setProject(50, 1, {{40, 1}});
    build(400, 200);
    EXPECT_EQ(model.PixelY(0), 0);
    EXPECT_EQ(model.PixelY(52.5L), 200);
    EXPECT_EQ(model.PixelY(40), 152);  // 40 / 52.5 × 200 = 152.38
    EXPECT_EQ(model.PixelX(0), 200);
    EXPECT_EQ(model.PixelX(-52.5L), 0);
    EXPECT_NEAR(model.DepthAt(100), 26.25L, kTolerance);
}

TEST_F(ElevationTest, ReadOutGivesTheDepthWithOneDecimal) {
    setProject(50, 1, {{40, 1}});
    build(400, 200);
    EXPECT_EQ(model.ReadOut(40), "  Depth: 10.5");  // 40 / 200 × 52.5
    EXPECT_EQ(model.ReadOut(57), "  Depth: 15.0");  // 14.9625
    EXPECT_EQ(model.ReadOut(0), "  Depth: 0.0");
}

// Labels -----------------------------------------------------------------------------------

struct LabelCase {
    const char* name;
    int soilType;
    const char* expected;
};

class ElevationLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(ElevationLabelTest, NamesTheSoilKindOfTheType) {
    EXPECT_EQ(ElevationModel::LayerLabel("10", "22.5", GetParam().soilType), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ElevationLabelTest,
                         testing::Values(LabelCase{"DrivenClayCoyleReese", 1, "depth= 10 - 22.5; Clay"},
                                         LabelCase{"DrivenSandMosher", 2, "depth= 10 - 22.5; Sand"},
                                         LabelCase{"DrilledClay", 3, "depth= 10 - 22.5; Clay"},
                                         LabelCase{"DrilledSand", 4, "depth= 10 - 22.5; Sand"},
                                         LabelCase{"DrivenClayApi", 5, "depth= 10 - 22.5; Clay"},
                                         LabelCase{"DrivenSandApi", 6, "depth= 10 - 22.5; Sand"},
                                         LabelCase{"BelowTheCodes", 0, ""},
                                         LabelCase{"AboveTheCodes", 7, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ElevationTest, LayersRunFromTheBottomAboveAndReadAsTheGridShowsThem) {
    setProject(600, 16, {{240, 4}, {1000.0L / 3.0L * 2.0L, 5}, {900, 7}});
    build(400, 400);
    ASSERT_EQ(model.Layers().size(), 3u);
    EXPECT_EQ(model.Layers()[0].label, "depth= 0 - 240; Sand");
    EXPECT_EQ(model.Layers()[1].label, "depth= 240 - 666.66667; Clay");
    EXPECT_EQ(model.Layers()[2].label, "");
    EXPECT_NEAR(model.Layers()[2].top, 2000.0L / 3.0L, kTolerance);
    EXPECT_EQ(model.Layers()[2].bottom, 900);
}

// The window's drawing ---------------------------------------------------------------------

TEST_F(ElevationTest, ScreenSceneDrawsGroundHatchLayersLabelsAndPile) {
    setProject(50, 1, {{20, 1}, {40, 4}});
    build(400, 200);
    const ElevationScene scene = elevationScreenScene(model, 13);
    ASSERT_TRUE(scene.ground.has_value());
    EXPECT_EQ(scene.ground->from.y, 0);
    EXPECT_EQ(scene.ground->to.x, 400);
    ASSERT_EQ(scene.hatch.size(), 20u);
    EXPECT_EQ(scene.hatch.front().from.x, 120);
    EXPECT_EQ(scene.hatch.front().to.x, 135);
    EXPECT_EQ(scene.hatch.front().to.y, 5);
    EXPECT_EQ(scene.hatch.back().from.x, 500);
    ASSERT_EQ(scene.layerLines.size(), 2u);
    EXPECT_EQ(scene.layerLines[0].from.y, 76);  // 20 / 52.5 × 200 = 76.19
    EXPECT_EQ(scene.layerLines[1].from.y, 152);
    ASSERT_EQ(scene.labels.size(), 2u);
    EXPECT_EQ(scene.labels[1].text, "depth= 20 - 40; Sand");
    EXPECT_EQ(scene.labels[1].x, 0);
    EXPECT_EQ(scene.labels[1].top, 76 + 13);
    ASSERT_EQ(scene.pile.size(), 1u);
    // ±0.75 of ±52.5 across 400 pixels: 200 ± 2.86.
    EXPECT_EQ(scene.pile[0][0].x, 197);
    EXPECT_EQ(scene.pile[0][1].x, 203);
    EXPECT_EQ(scene.pile[0][2].y, 190);
}

// Unusable and blank -------------------------------------------------------------------------

TEST_F(ElevationTest, AWindowWithoutClientAreaIsUnusableUntilItHasOneAgain) {
    setProject(50, 1, {{40, 1}});
    build(0, 0);
    EXPECT_EQ(model.State(), ElevationState::Unusable);
    EXPECT_FALSE(model.ReadOut(10).has_value());
    EXPECT_TRUE(elevationScreenScene(model, 13).pile.empty());
    model.SetClientSize(400, 200);
    EXPECT_EQ(model.State(), ElevationState::Usable);
}

TEST_F(ElevationTest, NumbersWithoutFiniteScaleMakeTheViewUnusable) {
    setProject(50, std::numeric_limits<long double>::infinity(), {{40, 1}});
    build(400, 200);
    EXPECT_EQ(model.State(), ElevationState::Unusable);
    EXPECT_FALSE(model.ReadOut(10).has_value());
    const ElevationScene printed = elevationPrintScene(model, {8000, 6000, 600, 80});
    EXPECT_TRUE(printed.frame.has_value());
    EXPECT_TRUE(printed.pile.empty());
}

struct BlankCase {
    const char* name;
    long double length;
    long double diameter;
    std::vector<Layer> layers;
};

class ElevationBlankTest : public ElevationTest, public testing::WithParamInterface<BlankCase> {};

TEST_P(ElevationBlankTest, ShowsAndPrintsOnlyTheBackground) {
    const BlankCase& c = GetParam();
    setProject(c.length, c.diameter, c.layers);
    build(400, 200);
    EXPECT_EQ(model.State(), ElevationState::Blank);
    EXPECT_FALSE(model.ReadOut(10).has_value());
    const ElevationScene screen = elevationScreenScene(model, 13);
    EXPECT_FALSE(screen.ground.has_value());
    EXPECT_TRUE(screen.layerLines.empty());
    EXPECT_TRUE(screen.labels.empty());
    EXPECT_TRUE(screen.pile.empty());
    const ElevationScene printed = elevationPrintScene(model, {8000, 6000, 600, 80});
    EXPECT_TRUE(printed.frame.has_value());
    EXPECT_FALSE(printed.ground.has_value());
    EXPECT_TRUE(printed.layerLines.empty());
    EXPECT_TRUE(printed.pile.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ElevationBlankTest,
                         testing::Values(
                             // The soil-layer table without rows: no pile outline either.
                             BlankCase{"NoSoilLayers", 50, 1, {}},
                             // A new project: pile length 0 and one layer ending at 0.
                             BlankCase{"NoVerticalExtent", 0, 1, {{0, 1}}},
                             BlankCase{"NoExtentAtAll", 0, 0, {{0, 1}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ElevationTest, ANewProjectIsBlank) {
    build(400, 200);
    EXPECT_EQ(model.State(), ElevationState::Blank);
}

// The printout -----------------------------------------------------------------------------

// A page of 8000 × 6000 pixels: the frame runs from (800, 600) to (7200, 5400), so 4800
// pixels of height carry the depths.
constexpr ElevationPage kPage{8000, 6000, 600, 80};

TEST_F(ElevationTest, PrintedDepthsFillTheFrame) {
    setProject(40, 1, {{20, 1}, {40, 2}});
    build(400, 200);
    const ElevationScene scene = elevationPrintScene(model, kPage);
    ASSERT_TRUE(scene.frame.has_value());
    EXPECT_EQ(scene.frame->left, 800);
    EXPECT_EQ(scene.frame->top, 600);
    EXPECT_EQ(scene.frame->right, 7200);
    EXPECT_EQ(scene.frame->bottom, 5400);
    EXPECT_EQ(scene.lineWidth, 12);
    ASSERT_TRUE(scene.ground.has_value());
    EXPECT_EQ(scene.ground->from.x, 800);
    EXPECT_EQ(scene.ground->to.x, 7200);
    EXPECT_EQ(scene.ground->from.y, 600);
    ASSERT_EQ(scene.layerLines.size(), 2u);
    EXPECT_EQ(scene.layerLines[0].from.y, 3000);  // 20 / 40 × 4800 + 600
    EXPECT_EQ(scene.layerLines[1].from.y, 5400);
    ASSERT_EQ(scene.labels.size(), 2u);
    EXPECT_EQ(scene.labels[1].x, 900);  // 0.15 × 6000
    EXPECT_EQ(scene.labels[1].top, 3000 + 80);
    EXPECT_EQ(scene.labels[1].text, "depth= 20 - 40; Sand");
    // Ten strokes from 0.35 × 6000 + 50 k to 0.365 × 6000 + 50 k, 70 down.
    ASSERT_EQ(scene.hatch.size(), 10u);
    EXPECT_EQ(scene.hatch.front().from.x, 2150);
    EXPECT_EQ(scene.hatch.front().to.x, 2240);
    EXPECT_EQ(scene.hatch.front().to.y, 670);
    EXPECT_EQ(scene.hatch.back().from.x, 2600);
}

struct PrintedPileCase {
    const char* name;
    long double length;
    long double diameter;
    long double layerBottom;
    ElevationScene::Rect bar;
    int layerLine;
};

class ElevationPrintedPileTest : public ElevationTest, public testing::WithParamInterface<PrintedPileCase> {};

TEST_P(ElevationPrintedPileTest, StandsToScaleInTheFrame) {
    const PrintedPileCase& c = GetParam();
    setProject(c.length, c.diameter, {{c.layerBottom, 1}});
    build(400, 200);
    const ElevationScene scene = elevationPrintScene(model, kPage);
    ASSERT_EQ(scene.pile.size(), 1u);
    EXPECT_EQ(scene.pile[0][0].x, c.bar.left);
    EXPECT_EQ(scene.pile[0][1].x, c.bar.right);
    EXPECT_EQ(scene.pile[0][0].y, c.bar.top);
    EXPECT_EQ(scene.pile[0][2].y, c.bar.bottom);
    ASSERT_EQ(scene.layerLines.size(), 1u);
    EXPECT_EQ(scene.layerLines[0].from.y, c.layerLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElevationPrintedPileTest,
    testing::Values(
        // 4800 / 40 = 120 pixels per unit: 1.5 wide is 180 pixels, 4000 ± 90.
        PrintedPileCase{"AsWideAsOnTheDepthScale", 40, 1, 40, {3910, 600, 4090, 5400}, 5400},
        // The pile tip, not the last layer, sets the depth scale: 4800 / 50 = 96 pixels per
        // unit, 4000 ± 72, the layer at 40 × 96 + 600.
        PrintedPileCase{"LongerThanTheLayers", 50, 1, 40, {3928, 600, 4072, 5400}, 4440},
        PrintedPileCase{"WithoutDiameterALine", 40, 0, 40, {4000, 600, 4000, 5400}, 5400}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ElevationTest, PrintedLinesAndStrokesFollowThePrinterResolution) {
    setProject(40, 1, {{40, 1}});
    build(400, 200);
    const ElevationScene scene = elevationPrintScene(model, {8000, 6000, 1200, 80});
    EXPECT_EQ(scene.lineWidth, 24);
    EXPECT_EQ(scene.frameWidth, 2);
    EXPECT_EQ(scene.hatch.front().from.x, 2200);  // 2100 + 100
    EXPECT_EQ(scene.hatch.front().to.y, 740);     // 600 + 140
}

// PDF name ---------------------------------------------------------------------------------

struct PdfNameCase {
    const char* name;
    const char* project;
    const char* expected;
};

class ElevationPdfNameTest : public testing::TestWithParam<PdfNameCase> {};

TEST_P(ElevationPdfNameTest, FollowsTheProjectName) {
    EXPECT_EQ(elevationPdfName(GetParam().project), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElevationPdfNameTest,
    testing::Values(PdfNameCase{"SavedProject", "/home/eng/piles/pier 4.qv3d", "/home/eng/piles/pier 4-elevation.pdf"},
                    PdfNameCase{"NewProject", "NewQUARLO.qv3d", "NewQUARLO-elevation.pdf"},
                    PdfNameCase{"OldFormat", "/data/old.qvd", "/data/old-elevation.pdf"},
                    PdfNameCase{"NoName", "", "elevation.pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
