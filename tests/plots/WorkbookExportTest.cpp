#include "ExcelColumns.h"
#include "GraphDefinitions.h"
#include "SheetColumnWidths.h"
#include "WorkbookExport.h"

#include <gtest/gtest.h>

#include "../controls/CaseName.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace quarlo {
namespace {

struct ColumnCase {
    const char* name;
    int column;
    const char* letters;
};

class ExcelColumnLetters : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ExcelColumnLetters, CountWithoutAZeroDigit)
{
    EXPECT_EQ(GetExcelCol(GetParam().column), GetParam().letters);
}

INSTANTIATE_TEST_SUITE_P(Columns, ExcelColumnLetters,
                         ::testing::Values(ColumnCase{"First", 1, "A"}, ColumnCase{"LastOfOneLetter", 26, "Z"},
                                           ColumnCase{"FirstOfTwoLetters", 27, "AA"},
                                           ColumnCase{"AfterAZ", 53, "BA"},
                                           ColumnCase{"LastOfTwoLetters", 702, "ZZ"},
                                           ColumnCase{"FirstOfThreeLetters", 703, "AAA"},
                                           ColumnCase{"LastOfAWorksheet", 16384, "XFD"}),
                         CaseName{});

TEST(ExcelColumnLetters, ColumnsOutsideAWorksheetAreRefused)
{
    EXPECT_THROW(GetExcelCol(0), std::out_of_range);
    EXPECT_THROW(GetExcelCol(16385), std::out_of_range);
}

TEST(ExcelColumnLetters, CellNamesAndAbsoluteColumnRanges)
{
    EXPECT_EQ(CellName(1, 7), "G1");
    EXPECT_EQ(ColumnRangeFormula("Page_1", 1, 6, 25), "=Page_1!$A$6:$A$25");
    EXPECT_EQ(ColumnRangeFormula("Page_3", 28, 6, 30), "=Page_3!$AB$6:$AB$30");
}

// The program's graphs with small curves whose numbers are easy to follow.
class WorkbookExport : public ::testing::Test {
protected:
    WorkbookExport()
    {
        // Two load distributions of three points each: depth (ft) against load (kips).
        graphs.pltLoad.SetCurveCount(2);
        graphs.pltLoad.SetPointCount(3);
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 3; ++i)
                graphs.pltLoad.CurvePoint(j, i) = {10.0L * (j + 1) + i, 5.0L * i};
        graphs.pltLoad.Curve(1).Active = false;
        graphs.pltLoad.Curve(1).Shown = false;
        graphs.pltTZcurves.SetCurveCount(1);
        graphs.pltTZcurves.SetPointCount(2);
        graphs.pltTZcurves.Curve(0).Name = "120 in";
        graphs.pltTZcurves.CurvePoint(0, 1) = {0.25L, 3.5L};
    }

    static std::string text(const WorkbookSheet& sheet, int row, int column)
    {
        const WorkbookCell* cell = sheet.Cell(row, column);
        return cell ? cell->Text : "(no cell)";
    }

    static double number(const WorkbookSheet& sheet, int row, int column)
    {
        const WorkbookCell* cell = sheet.Cell(row, column);
        if (!cell || !cell->Number)
            throw std::runtime_error("no number in row " + std::to_string(row) + ", column " + std::to_string(column));
        return *cell->Number;
    }

    static std::vector<std::string> sheetNames(const WorkbookContent& content)
    {
        std::vector<std::string> names;
        for (const WorkbookSheet& sheet : content.Sheets)
            names.push_back(sheet.Name);
        return names;
    }

    GraphDefinitions graphs;
};

TEST_F(WorkbookExport, EachPlotGetsItsDataSheetAndRightAfterItItsChartSheet)
{
    const WorkbookContent content = BuildWorkbook({&graphs.pltLoad, &graphs.pltTZcurves});
    EXPECT_EQ(sheetNames(content), (std::vector<std::string>{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
    EXPECT_EQ(content.Sheets[1].Kind, SheetKind::Worksheet);
    EXPECT_EQ(content.Sheets[2].Kind, SheetKind::Chart);
    EXPECT_EQ(content.Sheets[4].Plot, 2);
    EXPECT_STREQ(SheetStatus(content.Sheets[3]), "In Progress, Data");
    EXPECT_STREQ(SheetStatus(content.Sheets[4]), "In Progress, Chart");
}

TEST_F(WorkbookExport, NoPlotsGiveTheLegendSheetAlone)
{
    const WorkbookContent content = BuildWorkbook({});
    EXPECT_EQ(sheetNames(content), std::vector<std::string>{"Legend"});
    EXPECT_EQ(text(content.Sheets[0], 2, 3),
              "                             Plot Name                             ");
    EXPECT_EQ(content.Sheets[0].Cell(3, 2), nullptr);
}

TEST_F(WorkbookExport, TheLegendListsEveryPlotWithItsLinkAndStatus)
{
    const WorkbookContent content = BuildWorkbook({&graphs.pltLoad, &graphs.pltTZcurves});
    const WorkbookSheet& legend = *content.Sheet("Legend");
    const std::vector<std::string> header = {"     N    ",
                                             "                             Plot Name                             ",
                                             "  Sheet Name  ", "  Chart Name  ", "          Status          "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(text(legend, 2, 2 + i), header[static_cast<std::size_t>(i)]);
        EXPECT_EQ(legend.Cell(2, 2 + i)->Style, CellStyle::Header);
    }
    EXPECT_EQ(number(legend, 4, 2), 2.0);
    EXPECT_EQ(text(legend, 4, 3), "t-z Curves");
    EXPECT_EQ(text(legend, 4, 4), "Page_2");
    EXPECT_EQ(legend.Cell(4, 4)->Link, "Page_2!A1");
    EXPECT_EQ(text(legend, 4, 5), "Plot_2");
    EXPECT_EQ(text(legend, 3, 6), "Complete");
    EXPECT_EQ(text(legend, 4, 6), "Complete");
    EXPECT_EQ(legend.Cell(5, 2), nullptr);
}

TEST_F(WorkbookExport, TheDataSheetHoldsTitlesAndEveryCurveActiveOrNot)
{
    const WorkbookContent content = BuildWorkbook({&graphs.pltLoad});
    const WorkbookSheet& page = *content.Sheet("Page_1");
    EXPECT_EQ(text(page, 1, 1), "Load Distribution");
    EXPECT_EQ(text(page, 1, 7), "Go to Legend Page");
    EXPECT_EQ(page.Cell(1, 7)->Link, "Legend!A1");
    EXPECT_EQ(text(page, 2, 1), "X");
    // The caption's trailing blank, then " (" and the unit word: two blanks before "(".
    EXPECT_EQ(text(page, 2, 2), "Total Capacity  (kips)");
    EXPECT_EQ(text(page, 3, 1), "Y");
    EXPECT_EQ(text(page, 3, 2), "Depth  (ft)");
    EXPECT_EQ(text(page, 4, 1), "Curve #1");
    EXPECT_EQ(text(page, 4, 3), "Curve #2");
    EXPECT_EQ(text(page, 5, 3), "X");
    EXPECT_EQ(text(page, 5, 4), "Y");
    // Curve 2 (inactive, hidden) point 3: X = 10 × 2 + 2 = 22, Y = 5 × 2 = 10.
    EXPECT_EQ(number(page, 8, 3), 22.0);
    EXPECT_EQ(number(page, 8, 4), 10.0);
    EXPECT_EQ(page.Cell(9, 3), nullptr);
}

// Numbers go through the general text of the plots' numbers (15 digits), as a user sees
// them; what no worksheet number can hold stays as its text.
TEST_F(WorkbookExport, ValuesAreNumbersOfTheirGeneralTextAndValuesBeyondAWorksheetStayText)
{
    graphs.PltQW.SetCurveCount(1);
    graphs.PltQW.SetPointCount(2);
    graphs.PltQW.CurvePoint(0, 0) = {1.0L / 12, -2.5L};
    graphs.PltQW.CurvePoint(0, 1) = {1E400L, 0};
    const WorkbookContent content = BuildWorkbook({&graphs.PltQW});
    const WorkbookSheet& page = *content.Sheet("Page_1");
    EXPECT_EQ(text(page, 6, 1), "0.0833333333333333");
    EXPECT_EQ(number(page, 6, 1), 0.0833333333333333);
    EXPECT_EQ(number(page, 6, 2), -2.5);
    EXPECT_EQ(text(page, 7, 1), "1E400");
    EXPECT_FALSE(page.Cell(7, 1)->Number);
    EXPECT_EQ(number(page, 7, 2), 0.0);
}

TEST_F(WorkbookExport, TheChartNamesEachSeriesAndTakesItsColumnsOfTheDataSheet)
{
    const WorkbookContent content = BuildWorkbook({&graphs.pltTZcurves, &graphs.pltLoad});
    const WorkbookChart& tz = content.Sheet("Plot_1")->Chart;
    EXPECT_EQ(tz.DataSheet, "Page_1");
    EXPECT_EQ(tz.XTitle, "Displacement, z (in)");
    EXPECT_EQ(tz.YTitle, "Unit Load Transfer, t (lbs/in^2)");
    EXPECT_FALSE(tz.ReverseValueAxis);
    ASSERT_EQ(tz.Series.size(), 1u);
    EXPECT_EQ(tz.Series[0].Name, "120 in");
    EXPECT_EQ(tz.Series[0].XValues, "=Page_1!$A$6:$A$7");
    EXPECT_EQ(tz.Series[0].YValues, "=Page_1!$B$6:$B$7");

    const WorkbookChart& load = content.Sheet("Plot_2")->Chart;
    EXPECT_TRUE(load.ReverseValueAxis);
    ASSERT_EQ(load.Series.size(), 2u);
    EXPECT_EQ(load.Series[1].Name, "Curve #2");
    EXPECT_EQ(load.Series[1].NameRow, 4);
    EXPECT_EQ(load.Series[1].NameColumn, 3);
    EXPECT_EQ(load.Series[1].XValues, "=Page_2!$C$6:$C$8");
    EXPECT_EQ(load.Series[1].YValues, "=Page_2!$D$6:$D$8");
}

struct WideCase {
    const char* name;
    int curves;
    int series;  // from 1
    const char* xValues;
    const char* yValues;
};

class WorkbookExportWide : public WorkbookExport, public ::testing::WithParamInterface<WideCase> {};

// Curve j takes columns 2j − 1 and 2j: the 13th ends at Z, the 14th needs AA and AB, and
// beyond 351 curves the columns have three letters.
TEST_P(WorkbookExportWide, SeriesOfManyCurvesTakeTheirLettersFromTheColumnNumber)
{
    graphs.pltTZcurves.SetCurveCount(GetParam().curves);
    graphs.pltTZcurves.SetPointCount(20);
    const WorkbookContent content = BuildWorkbook({&graphs.pltTZcurves});
    const WorkbookChart& chart = content.Sheet("Plot_1")->Chart;
    ASSERT_EQ(chart.Series.size(), static_cast<std::size_t>(GetParam().curves));
    const WorkbookSeries& series = chart.Series[static_cast<std::size_t>(GetParam().series - 1)];
    EXPECT_EQ(series.XValues, GetParam().xValues);
    EXPECT_EQ(series.YValues, GetParam().yValues);
    const WorkbookSheet& page = *content.Sheet("Page_1");
    EXPECT_EQ(page.Cell(25, 2 * GetParam().series)->Number, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, WorkbookExportWide,
    ::testing::Values(WideCase{"First", 1, 1, "=Page_1!$A$6:$A$25", "=Page_1!$B$6:$B$25"},
                      WideCase{"Thirteenth", 13, 13, "=Page_1!$Y$6:$Y$25", "=Page_1!$Z$6:$Z$25"},
                      WideCase{"Fourteenth", 14, 14, "=Page_1!$AA$6:$AA$25", "=Page_1!$AB$6:$AB$25"},
                      WideCase{"ThreeHundredFiftyFirst", 352, 351, "=Page_1!$ZY$6:$ZY$25", "=Page_1!$ZZ$6:$ZZ$25"},
                      WideCase{"ThreeHundredFiftySecond", 352, 352, "=Page_1!$AAA$6:$AAA$25",
                               "=Page_1!$AAB$6:$AAB$25"}),
    CaseName{});

TEST_F(WorkbookExport, APlotWithoutCurvesOrPointsGetsItsDataSheetWithoutAChart)
{
    graphs.PltQW.SetCurveCount(0);
    graphs.pltAxial.SetCurveCount(1);
    graphs.pltAxial.SetPointCount(0);
    const WorkbookContent content = BuildWorkbook({&graphs.PltQW, &graphs.pltLoad, &graphs.pltAxial});
    EXPECT_EQ(sheetNames(content), (std::vector<std::string>{"Legend", "Page_1", "Page_2", "Plot_2", "Page_3"}));
    const WorkbookSheet& legend = content.Sheets[0];
    EXPECT_EQ(legend.Cell(3, 5), nullptr);
    EXPECT_EQ(text(legend, 3, 6), "Complete");
    EXPECT_EQ(text(legend, 4, 5), "Plot_2");
    EXPECT_EQ(text(*content.Sheet("Page_1"), 3, 2), "w (in)");
    EXPECT_EQ(text(*content.Sheet("Page_3"), 4, 1), "Curve #1");
}

TEST_F(WorkbookExport, APlotWiderThanAWorksheetIsRefusedByName)
{
    graphs.pltTZcurves.SetCurveCount(8193);
    try {
        BuildWorkbook({&graphs.pltLoad, &graphs.pltTZcurves});
        FAIL() << "the plot was not refused";
    } catch (const std::length_error& error) {
        EXPECT_STREQ(error.what(),
                     "The plot \"t-z Curves\" has 8193 curves; a worksheet has columns for at most 8192.");
    }
    graphs.pltTZcurves.SetCurveCount(8192);
    EXPECT_EQ(BuildWorkbook({&graphs.pltTZcurves}).Sheet("Page_1")->Cell(4, 16383)->Text, "Curve #8192");
}

TEST_F(WorkbookExport, ColumnsAreAsWideAsTheirWidestEntryAndNeverNarrowerThanTheDefault)
{
    graphs.pltLoad.Curve(0).Name = "LegendTextOfThirtyCharacters12";
    const WorkbookContent content = BuildWorkbook({&graphs.pltLoad});
    const WorkbookSheet& legend = content.Sheets[0];
    ASSERT_EQ(legend.ColumnWidths.size(), 6u);
    EXPECT_EQ(legend.ColumnWidths[0], 0.0);  // column A is empty and keeps the default
    // 59 blanks at 0.45 and 8 letters, bold (× 1.1), and one for the margins.
    EXPECT_NEAR(legend.ColumnWidths[2], (59 * 0.45 + 8) * 1.1 + 1, 1e-9);
    const WorkbookSheet& page = content.Sheets[1];
    EXPECT_DOUBLE_EQ(page.ColumnWidths[0], 30 + 1.0);
    EXPECT_DOUBLE_EQ(page.ColumnWidths[1], kDefaultColumnWidth);
}

TEST(WorkbookExportName, TheProjectsNameWithPlotsInItsFolder)
{
    EXPECT_EQ(ExportWorkbookName("/jobs/pier4.qv3d"), "/jobs/pier4-plots.xlsx");
    EXPECT_EQ(ExportWorkbookName("/jobs.2024/pier4"), "/jobs.2024/pier4-plots.xlsx");
}

}  // namespace
}  // namespace quarlo
