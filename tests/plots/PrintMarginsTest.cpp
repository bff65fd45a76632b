#include "PrintMargins.h"

#include "../controls/CaseName.h"

#include <gtest/gtest.h>

namespace quarlo {
namespace {

// A letter sheet (8.5 x 11 in) at 600 dots per inch is 5100 x 6600 pixels; this printer
// cannot reach the outer 75 pixels (1/8 in) on any side.
constexpr PixelSize kLetter{5100, 6600};
constexpr Resolution k600{600, 600};
constexpr PixelRect kPrintable{75, 75, 5025, 6525};

TEST(PrintMarginsTest, AnInchOnEachSideUntilPageSetupSetsOthers)
{
    const PageMargins margins;
    EXPECT_EQ(margins, (PageMargins{1000, 1000, 1000, 1000}));
    EXPECT_EQ(PrintedFullRect(margins, k600, kLetter, kPrintable), (PixelRect{600, 600, 4500, 6000}));
}

// With no margins the graph fills exactly the area the printer can print.
TEST(PrintMarginsTest, MarginsOfNothingGiveThePrintableArea)
{
    EXPECT_EQ(PrintedFullRect({0, 0, 0, 0}, k600, kLetter, kPrintable), kPrintable);
    // A PDF page has no unprintable edge: the whole sheet.
    EXPECT_EQ(PrintedFullRect({0, 0, 0, 0}, k600, kLetter, {0, 0, 5100, 6600}), (PixelRect{0, 0, 5100, 6600}));
}

// Each side on its own: 0.1 in is 60 pixels, inside this printer's 75 on the left and
// top; 0.2 in is 120 pixels, wider than its 100 on the right and 90 at the bottom.
TEST(PrintMarginsTest, EachMarginIsAtLeastItsUnprintableEdge)
{
    const PixelRect printable{75, 75, 5000, 6510};
    EXPECT_EQ(PrintedFullRect({100, 100, 200, 200}, k600, kLetter, printable), (PixelRect{75, 75, 4980, 6480}));
    EXPECT_EQ(PrintedFullRect({100, 100, 100, 100}, k600, kLetter, printable), (PixelRect{75, 75, 5000, 6510}));
}

// Across and down each margin takes its own resolution.
TEST(PrintMarginsTest, MarginsFollowTheResolutionOfTheirDirection)
{
    EXPECT_EQ(PrintedFullRect({500, 500, 500, 500}, {300, 600}, {2550, 6600}, {0, 0, 2550, 6600}),
              (PixelRect{150, 300, 2400, 6300}));
}

// Margins together wider than the sheet leave an area of no size, which the graph takes as
// too small to draw on, rather than a rectangle turned inside out.
TEST(PrintMarginsTest, MarginsWiderThanTheSheetLeaveNoArea)
{
    const PixelRect full = PrintedFullRect({5000, 6000, 5000, 6000}, k600, kLetter, kPrintable);
    EXPECT_EQ(full.Width(), 0);
    EXPECT_EQ(full.Height(), 0);
}

struct MarginCase {
    const char* name;
    int thousandths;
    int ppi;
    int unprintable;
    int pixels;
};

class MarginPixelsTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(MarginPixelsTest, RoundsHalvesToEvenAndKeepsClearOfTheEdge)
{
    EXPECT_EQ(MarginPixels(GetParam().thousandths, GetParam().ppi, GetParam().unprintable), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Plots, MarginPixelsTest,
                         ::testing::Values(MarginCase{"OneInchAt1200", 1000, 1200, 0, 1200},
                                           MarginCase{"HalfPixelDown", 1, 500, 0, 0},         // 0.5
                                           MarginCase{"HalfPixelUp", 3, 500, 0, 2},           // 1.5
                                           MarginCase{"BelowHalf", 1001, 300, 0, 300},        // 300.3
                                           MarginCase{"UnprintableWins", 100, 600, 75, 75},
                                           MarginCase{"MarginWins", 200, 600, 75, 120},
                                           MarginCase{"LargestMarginAtLargestPpi", 2147483647, 2147483647, 0,
                                                      1000000000}),
                         CaseName());

TEST(PrintMarginsTest, InchesToThousandths)
{
    EXPECT_EQ(ThousandthsOfInch(1.0L), 1000);
    EXPECT_EQ(ThousandthsOfInch(0.25L), 250);
    EXPECT_EQ(ThousandthsOfInch(0.0625L), 62);   // 62.5, halves to even
    EXPECT_EQ(ThousandthsOfInch(-0.5L), 0);
}

}  // namespace
}  // namespace quarlo
