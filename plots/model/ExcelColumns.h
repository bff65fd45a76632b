#pragma once

#include <string>

namespace quarlo {

// A worksheet's extent: column XFD and row 1048576 are its last.
inline constexpr int kSheetColumns = 16384;
inline constexpr int kSheetRows = 1048576;

// The spreadsheet letters of column n, counted from 1: A to Z, then AA to ZZ (up to 702),
// then three letters from AAA (703) on, so every column a worksheet has gets its name and a
// plot of more than 351 curves still finds columns for all of them. std::out_of_range for
// n below 1 or beyond kSheetColumns.
std::string GetExcelCol(int n);

// The A1-style name of a cell ("G1"), rows and columns from 1.
std::string CellName(int row, int column);

// The absolute reference of rows firstRow..lastRow of one column on a sheet, as a chart's
// series takes it: "=Page_1!$A$6:$A$25".
std::string ColumnRangeFormula(const std::string& sheet, int column, int firstRow, int lastRow);

}  // namespace quarlo
