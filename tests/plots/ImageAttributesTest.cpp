#include "ImageAttributes.h"

#include "../controls/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarlo {
namespace {

struct SizeCase {
    const char* name;
    long double ppi;
    long double width;
    long double height;
    std::int64_t pixelsAcross;
    std::int64_t pixelsDown;
};

class ImagePixelsTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ImagePixelsTest, EachSideIsTheRoundedProduct)
{
    const std::optional<ImageSize> size = ImagePixels(GetParam().ppi, GetParam().width, GetParam().height);
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->Width, GetParam().pixelsAcross);
    EXPECT_EQ(size->Height, GetParam().pixelsDown);
}

// 6 x 4 in: 432 x 288 at 72 pixels per inch, 60 x 40 at 10. Halves go to the even side:
// 2.5 pixels give 2 and 3.5 give 4. The largest resolution the dialog takes times 4 in is
// 8589934588 pixels, far beyond 32 bits and counted exactly in 64.
INSTANTIATE_TEST_SUITE_P(Plots, ImagePixelsTest,
                         ::testing::Values(SizeCase{"Default", 72, 6, 4, 432, 288},
                                           SizeCase{"TenPerInch", 10, 6, 4, 60, 40},
                                           SizeCase{"Fractions", 96, 2.5L, 2, 240, 192},
                                           SizeCase{"HalvesToEven", 1, 2.5L, 3.5L, 2, 4},
                                           SizeCase{"BeyondThirtyTwoBits", 2147483647, 4, 2, 8589934588,
                                                    4294967294}),
                         CaseName());

TEST(ImagePixelsTest, NoSizeWhereItCannotBeCounted)
{
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_FALSE(ImagePixels(2147483647, 1e300L, 4));
    EXPECT_FALSE(ImagePixels(72, inf, 4));
    EXPECT_FALSE(ImagePixels(72, 6, std::nanl("")));
    EXPECT_FALSE(ImagePixels(72, -6, 4));
}

// A picture takes 8 bytes a pixel while it is made and written: 432 x 288 x 8 = 995328.
TEST(ImageMemoryTest, APictureMustFitTheBudget)
{
    const ImageSize size{432, 288};
    EXPECT_TRUE(ImageFitsInMemory(size, ImageFileType::Bitmap, 995328));
    EXPECT_FALSE(ImageFitsInMemory(size, ImageFileType::Bitmap, 995327));
    EXPECT_FALSE(ImageFitsInMemory(size, ImageFileType::Png, 995327));
    // A drawing holds no pixels.
    EXPECT_TRUE(ImageFitsInMemory(size, ImageFileType::Svg, 0));
}

TEST(ImageMemoryTest, EverySideHasItsLimit)
{
    constexpr std::uint64_t plenty = std::uint64_t{1} << 62;
    EXPECT_TRUE(ImageFitsInMemory(ImageSize{32767, 32767}, ImageFileType::Bitmap, plenty));
    for (const ImageFileType type : {ImageFileType::Bitmap, ImageFileType::Svg}) {
        EXPECT_FALSE(ImageFitsInMemory(ImageSize{32768, 10}, type, plenty));
        EXPECT_FALSE(ImageFitsInMemory(ImageSize{10, 32768}, type, plenty));
        EXPECT_FALSE(ImageFitsInMemory(ImageSize{0, 10}, type, plenty));
        EXPECT_FALSE(ImageFitsInMemory(ImagePixels(2147483647, 4, 6), type, plenty));
        EXPECT_FALSE(ImageFitsInMemory(std::nullopt, type, plenty));
    }
}

TEST(ImageMemoryTest, AQuarterOfTheMemoryAndAtMostTwoGiB)
{
    constexpr std::uint64_t GiB = std::uint64_t{1} << 30;
    EXPECT_EQ(ImageMemoryBudget(4 * GiB), GiB);
    EXPECT_EQ(ImageMemoryBudget(64 * GiB), 2 * GiB);
}

struct FileCase {
    const char* name;
    const char* typed;
    ImageFileType chosen;
    const char* path;
    ImageFileType type;
};

class ImageFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ImageFileTest, TheNamesExtensionDecidesAndTheChosenTypeOtherwise)
{
    const ImageFile file = ImageFileFor(GetParam().typed, GetParam().chosen);
    EXPECT_EQ(file.Path, GetParam().path);
    EXPECT_EQ(file.Type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, ImageFileTest,
    ::testing::Values(FileCase{"BareName", "/p/graph", ImageFileType::Png, "/p/graph.png", ImageFileType::Png},
                      FileCase{"ItsOwnExtension", "/p/graph.bmp", ImageFileType::Bitmap, "/p/graph.bmp",
                               ImageFileType::Bitmap},
                      FileCase{"UpperCase", "/p/graph.BMP", ImageFileType::Svg, "/p/graph.BMP", ImageFileType::Bitmap},
                      FileCase{"OtherKnownType", "/p/graph.svg", ImageFileType::Png, "/p/graph.svg",
                               ImageFileType::Svg},
                      FileCase{"UnknownExtension", "/p/graph.jpg", ImageFileType::Bitmap, "/p/graph.jpg.bmp",
                               ImageFileType::Bitmap},
                      FileCase{"FolderWithAFullStop", "/p.png/graph", ImageFileType::Svg, "/p.png/graph.svg",
                               ImageFileType::Svg}),
    CaseName());

TEST(GraphFileNameTest, BesideTheProjectNamedAfterItAndTheGraph)
{
    EXPECT_EQ(GraphFileName("/p/pile.qv3d", "Load Distribution", "pdf"), "/p/pile-Load Distribution.pdf");
    EXPECT_EQ(GraphFileName("/p/pile.v2.qv3d", "t-z Curves", "bmp"), "/p/pile.v2-t-z Curves.bmp");
    EXPECT_EQ(GraphFileName("", "Tip Resistance Curve", "png"), "Tip Resistance Curve.png");
    EXPECT_EQ(GraphFileName("pile.qv3d", "", "svg"), "pile-graph.svg");
}

// Every curve colour is one of the sixteen, so a 16-colour image shows every curve in its
// own colour exactly.
TEST(ImageColorsTest, SixteenColorsHoldEveryCurveColour)
{
    for (const PlotColor& colour : PlotColors)
        EXPECT_NE(std::find(SixteenColors.begin(), SixteenColors.end(), colour), SixteenColors.end())
            << int(colour.R) << "," << int(colour.G) << "," << int(colour.B);
}

TEST(ImageColorsTest, BlackAndWhiteKeepsEveryCurveVisible)
{
    for (const PlotColor& colour : PlotColors)
        EXPECT_TRUE(InkInBlackAndWhite(colour));
    EXPECT_FALSE(InkInBlackAndWhite({255, 255, 255}));
    // The faint edge of a smoothed letter stays paper.
    EXPECT_FALSE(InkInBlackAndWhite({230, 235, 240}));
    EXPECT_TRUE(InkInBlackAndWhite({255, 255, 0}));
}

TEST(ImageResolutionTest, PixelsPerMetreInTheFile)
{
    EXPECT_EQ(DotsPerMetre(72), 2835);     // 2834.6
    EXPECT_EQ(DotsPerMetre(96), 3780);     // 3779.5
    EXPECT_EQ(DotsPerMetre(2147483647), 2147483647);
}

TEST(ImageColorsTest, SixteenColoursIsTheDefault)
{
    EXPECT_EQ(kDefaultImageColors, ImageColors::Colors16);
}

}  // namespace
}  // namespace quarlo
