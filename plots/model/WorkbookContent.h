#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quarlo {

// What the workbook export writes, as plain data: the sheets in order with their cells,
// column widths and charts. The widget layer only hands this to the workbook library, so
// every rule of the export's content lives with the model and is tested without a file.
// Rows and columns count from 1, as the spreadsheet shows them.

enum class CellStyle {
    Plain,
    Header,  // the legend sheet's header row: bold, centred vertically
};

struct WorkbookCell {
    int Row = 1;
    int Column = 1;
    // What the cell shows; for a number, the general text it was written from.
    std::string Text;
    // The cell's value when it holds a number; empty for a text cell.
    std::optional<double> Number;
    // An internal link ("Page_1!A1") on the cell; empty for none.
    std::string Link;
    CellStyle Style = CellStyle::Plain;
};

// One curve of a chart: its legend name and where its X and Y values stand.
struct WorkbookSeries {
    std::string Name;
    // The data-sheet cell that holds Name, for a name the library would take for a formula.
    int NameRow = 0;
    int NameColumn = 0;
    std::string XValues;  // "=Page_1!$A$6:$A$25"
    std::string YValues;  // "=Page_1!$B$6:$B$25"
};

// An XY scatter chart with lines and markers, without a title, both axes titled and with
// major gridlines.
struct WorkbookChart {
    std::string DataSheet;  // the sheet the series take their values from
    std::string XTitle;
    std::string YTitle;
    // The value (Y) axis grows downward, for graphs of depth.
    bool ReverseValueAxis = false;
    std::vector<WorkbookSeries> Series;
};

enum class SheetKind { Worksheet, Chart };

struct WorkbookSheet {
    std::string Name;
    SheetKind Kind = SheetKind::Worksheet;
    // The exported plot the sheet belongs to, from 1; 0 for the legend sheet.
    int Plot = 0;
    // Worksheets: the cells and the widths of columns 1, 2, ... in the spreadsheet's
    // character widths (0 keeps the default width).
    std::vector<WorkbookCell> Cells;
    std::vector<double> ColumnWidths;
    // Chart sheets: the chart.
    WorkbookChart Chart;

    // The cell at row and column, nullptr when nothing is written there.
    const WorkbookCell* Cell(int row, int column) const;
};

struct WorkbookContent {
    std::vector<WorkbookSheet> Sheets;

    // The sheet of that name, nullptr when there is none.
    const WorkbookSheet* Sheet(const std::string& name) const;
};

}  // namespace quarlo
