#include "WorkbookExport.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ExcelColumns.h"
#include "NumberFormat.h"
#include "PlotText.h"
#include "ProjectFileNames.h"
#include "SheetColumnWidths.h"

namespace quarlo {

namespace {

// The legend sheet's header (row 2, columns B to F); the blanks belong to the texts and
// widen their columns.
constexpr const char* kLegendHeader[] = {
    "     N    ",
    "                             Plot Name                             ",
    "  Sheet Name  ",
    "  Chart Name  ",
    "          Status          ",
};
constexpr int kHeaderRow = 2;
constexpr int kFirstDataRow = 6;  // below caption, two axis titles, legend texts and "X"/"Y"
constexpr int kLegendTextRow = 4;
constexpr int kAxisLetterRow = 5;

std::string dataSheetName(int k) { return "Page_" + std::to_string(k); }
std::string chartSheetName(int k) { return "Plot_" + std::to_string(k); }
std::string topLeftOf(const std::string& sheet) { return sheet + "!A1"; }

bool hasChart(const TGraphPlot& plot) { return plot.CurveCount() > 0 && plot.PointCount() > 0; }

void addText(WorkbookSheet& sheet, int row, int column, std::string text, CellStyle style = CellStyle::Plain)
{
    sheet.Cells.push_back(WorkbookCell{row, column, std::move(text), std::nullopt, {}, style});
}

void addLink(WorkbookSheet& sheet, int row, int column, std::string text, std::string target)
{
    sheet.Cells.push_back(WorkbookCell{row, column, std::move(text), std::nullopt, std::move(target), CellStyle::Plain});
}

// A value as the general text of a plot's numbers, stored as the number that text means;
// a value no worksheet number can hold (beyond the double range, or not finite) stays text.
void addNumber(WorkbookSheet& sheet, int row, int column, long double value)
{
    std::string text = formatGeneral(value, kGeneralFloatDigits);
    std::optional<double> number;
    if (const std::optional<long double> parsed = parseDecimal(text)) {
        const double converted = static_cast<double>(*parsed);
        if (converted == 0 || std::isnormal(converted))
            number = converted;
    }
    sheet.Cells.push_back(WorkbookCell{row, column, std::move(text), number, {}, CellStyle::Plain});
}

int largestPointCount(const TGraphPlot& plot)
{
    std::size_t points = 0;
    for (int j = 0; j < plot.CurveCount(); ++j)
        points = std::max(points, plot.Curve(j).Points.size());
    return static_cast<int>(std::min<std::size_t>(points, kSheetRows));
}

void checkFitsOnAWorksheet(const TGraphPlot& plot)
{
    const std::string name = "The plot \"" + plot.Caption + "\" has ";
    if (plot.CurveCount() > kSheetColumns / 2)
        throw std::length_error(name + std::to_string(plot.CurveCount()) +
                                " curves; a worksheet has columns for at most " +
                                std::to_string(kSheetColumns / 2) + ".");
    if (largestPointCount(plot) > kSheetRows - kFirstDataRow + 1)
        throw std::length_error(name + "more points in a curve than a worksheet has rows for (" +
                                std::to_string(kSheetRows - kFirstDataRow + 1) + ").");
}

WorkbookSheet legendSheet(const std::vector<const TGraphPlot*>& plots)
{
    WorkbookSheet sheet{kLegendSheet, SheetKind::Worksheet, 0, {}, {}, {}};
    for (int i = 0; i < 5; ++i)
        addText(sheet, kHeaderRow, 2 + i, kLegendHeader[i], CellStyle::Header);
    for (int k = 1; k <= static_cast<int>(plots.size()); ++k) {
        const TGraphPlot& plot = *plots[static_cast<std::size_t>(k - 1)];
        const int row = kHeaderRow + k;
        addNumber(sheet, row, 2, k);
        addText(sheet, row, 3, plot.Caption);
        addLink(sheet, row, 4, dataSheetName(k), topLeftOf(dataSheetName(k)));
        if (hasChart(plot))
            addText(sheet, row, 5, chartSheetName(k));
        addText(sheet, row, 6, kStatusComplete);
    }
    FitColumnWidths(sheet, kHeaderRow);
    return sheet;
}

void addCurveColumns(WorkbookSheet& sheet, const TLine& curve, int column)
{
    addText(sheet, kLegendTextRow, column, curve.LegendText());
    addText(sheet, kAxisLetterRow, column, "X");
    addText(sheet, kAxisLetterRow, column + 1, "Y");
    int row = kFirstDataRow;
    for (const TFloatPoint& point : curve.Points) {
        addNumber(sheet, row, column, point.X);
        addNumber(sheet, row, column + 1, point.Y);
        ++row;
    }
}

WorkbookSheet dataSheet(const TGraphPlot& plot, int k)
{
    WorkbookSheet sheet{dataSheetName(k), SheetKind::Worksheet, k, {}, {}, {}};
    addLink(sheet, 1, 7, kLegendLinkText, topLeftOf(kLegendSheet));
    addText(sheet, 1, 1, plot.Caption);
    addText(sheet, 2, 1, "X");
    addText(sheet, 2, 2, plot.XAxisTitle());
    addText(sheet, 3, 1, "Y");
    addText(sheet, 3, 2, plot.YAxisTitle());
    for (int j = 0; j < plot.CurveCount(); ++j)
        addCurveColumns(sheet, plot.Curve(j), 2 * j + 1);
    FitColumnWidths(sheet, kLegendTextRow);
    return sheet;
}

WorkbookSheet chartSheet(const TGraphPlot& plot, int k)
{
    WorkbookSheet sheet{chartSheetName(k), SheetKind::Chart, k, {}, {}, {}};
    WorkbookChart& chart = sheet.Chart;
    chart.DataSheet = dataSheetName(k);
    chart.XTitle = plot.XAxisTitle();
    chart.YTitle = plot.YAxisTitle();
    chart.ReverseValueAxis = plot.XOnTop;
    const int lastRow = kFirstDataRow - 1 + plot.PointCount();
    for (int j = 0; j < plot.CurveCount(); ++j) {
        const int column = 2 * j + 1;
        chart.Series.push_back(WorkbookSeries{plot.Curve(j).LegendText(), kLegendTextRow, column,
                                              ColumnRangeFormula(chart.DataSheet, column, kFirstDataRow, lastRow),
                                              ColumnRangeFormula(chart.DataSheet, column + 1, kFirstDataRow, lastRow)});
    }
    return sheet;
}

}  // namespace

WorkbookContent BuildWorkbook(const std::vector<const TGraphPlot*>& plots)
{
    for (const TGraphPlot* plot : plots)
        checkFitsOnAWorksheet(*plot);
    WorkbookContent content;
    content.Sheets.push_back(legendSheet(plots));
    for (int k = 1; k <= static_cast<int>(plots.size()); ++k) {
        const TGraphPlot& plot = *plots[static_cast<std::size_t>(k - 1)];
        content.Sheets.push_back(dataSheet(plot, k));
        if (hasChart(plot))
            content.Sheets.push_back(chartSheet(plot, k));
    }
    return content;
}

const char* SheetStatus(const WorkbookSheet& sheet)
{
    return sheet.Kind == SheetKind::Chart ? kStatusChart : kStatusData;
}

std::string ExportWorkbookName(const std::string& projectFile)
{
    return WithExtension(projectFile, "") + "-plots.xlsx";
}

}  // namespace quarlo
