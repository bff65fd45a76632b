#include "ActiveCurveFlags.h"
#include "LegendNames.h"
#include "PlotColors.h"
#include "PlotCurves.h"

#include "../controls/CaseName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

void makeCurves(TGraphPlot& plot, int curves)
{
    plot.SetCurveCount(curves);
    plot.SetPointCount(2);
}

TEST(ActiveCurveFlagsTest, OneFlagAndOneNamePerCurveActiveOrNot)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    plot.Curve(1).Active = false;
    plot.Curve(2).Name = "Pile P-3";
    EXPECT_EQ(ActiveFlagList(plot), (std::vector<std::string>{" yes : ", " no  : ", " yes : "}));
    EXPECT_EQ(CurveNameList(plot), (std::vector<std::string>{"Curve #1", "Curve #2", "Pile P-3"}));
    EXPECT_EQ(ActiveCurveRow(" yes : ", "Curve #1"), " yes :    Curve #1");
    EXPECT_EQ(ActiveCurveRow(" no  : ", "Curve #2"), " no  :    Curve #2");
}

struct ToggleCase {
    const char* name;
    const char* flag;
    const char* toggled;
};

class ToggledFlagTest : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(ToggledFlagTest, AnythingButActiveBecomesActive)
{
    EXPECT_EQ(ToggledFlag(GetParam().flag), GetParam().toggled);
}

INSTANTIATE_TEST_SUITE_P(Plots, ToggledFlagTest,
                         ::testing::Values(ToggleCase{"Active", " yes : ", " no  : "},
                                           ToggleCase{"Inactive", " no  : ", " yes : "},
                                           ToggleCase{"Empty", "", " yes : "},
                                           ToggleCase{"TrimmedActive", "yes", " yes : "}),
                         CaseName());

TEST(ActiveCurveFlagsTest, TheSelectedRowsToggleEachOnce)
{
    EXPECT_EQ(RowsToToggle({4, 1, 4}), (std::vector<int>{1, 4}));
    EXPECT_EQ(RowsToToggle({2}), (std::vector<int>{2}));
    EXPECT_TRUE(RowsToToggle({}).empty());
}

// Deactivating the first of three curves: the other two become the legend's first and
// second items, in the colours of positions 0 and 1 (black and blue), and stand for
// curves 1 and 2.
TEST(ActiveCurveFlagsTest, ConfirmedFlagsSetActiveAndColoursMoveByPosition)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    ApplyActiveFlags(plot, {" no  : ", " yes : ", " yes : "});
    EXPECT_FALSE(plot.Curve(0).Active);
    const std::vector<LegendEntry> entries = LegendEntries(plot);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].CurveIndex, 1);
    EXPECT_EQ(entries[1].CurveIndex, 2);
    EXPECT_EQ(CurveColor(entries[0].ColorSlot), (PlotColor{0, 0, 0}));
    EXPECT_EQ(CurveColor(entries[1].ColorSlot), (PlotColor{0, 0, 255}));
}

TEST(ActiveCurveFlagsTest, FlagsAndCurvesOfDifferentCounts)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    plot.Curve(2).Active = false;
    ApplyActiveFlags(plot, {" no  : "});
    EXPECT_FALSE(plot.Curve(0).Active);
    EXPECT_TRUE(plot.Curve(1).Active);
    EXPECT_FALSE(plot.Curve(2).Active);
    ApplyActiveFlags(plot, {" yes : ", " yes : ", " yes : ", " yes : "});
    EXPECT_TRUE(plot.Curve(2).Active);
}

struct NameCase {
    const char* name;
    const char* text;
    bool accepted;
};

class LegendNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(LegendNameTest, ALegendTextMustHaveSomethingToRead)
{
    EXPECT_EQ(IsLegendName(GetParam().text), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Plots, LegendNameTest,
                         ::testing::Values(NameCase{"Empty", "", false}, NameCase{"Blanks", "   ", false},
                                           NameCase{"Tab", "\t", false}, NameCase{"Name", "Pile P-3", true},
                                           NameCase{"PaddedName", " 2 m ", true}),
                         CaseName());

// The editor shows a name in the colour its curve is drawn in: by position among the active
// curves, not by curve index.
TEST(LegendNamesTest, EachNameInItsCurvesColour)
{
    TGraphPlot plot;
    makeCurves(plot, 4);
    plot.Curve(1).Active = false;
    EXPECT_EQ(CurveColorSlots(plot), (std::vector<int>{0, -1, 1, 2}));
}

TEST(LegendNamesTest, ConfirmedNamesBecomeTheCurvesOwn)
{
    TGraphPlot plot;
    makeCurves(plot, 3);
    ApplyLegendNames(plot, {"Curve #1", "0.5 in tip movement"});
    EXPECT_EQ(plot.Curve(0).Name, "Curve #1");
    EXPECT_EQ(plot.Curve(1).LegendText(), "0.5 in tip movement");
    EXPECT_EQ(plot.Curve(2).Name, "");
    EXPECT_EQ(kLegendNameMissing, std::string("The line must have a name!"));
}

}  // namespace
}  // namespace quarlo
