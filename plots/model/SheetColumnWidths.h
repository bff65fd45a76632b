#pragma once

#include "WorkbookContent.h"

namespace quarlo {

// The width a new worksheet gives every column, in the spreadsheet's character widths.
inline constexpr double kDefaultColumnWidth = 8.43;

// The width that shows a cell's content whole, in widths of the digit 0 of the standard
// font (the spreadsheet's unit): digits and letters take about one, a blank under half of
// one, bold text a tenth more, and a number at most the 11 characters the General format
// shows; one more for the margins.
double DisplayWidth(const WorkbookCell& cell);

// Sets the width of every column that has cells from `firstRow` down to the widest of them,
// never narrower than the default. Rows above `firstRow` hold titles that may run on into
// the empty cells beside them, so they do not widen their columns.
void FitColumnWidths(WorkbookSheet& sheet, int firstRow);

}  // namespace quarlo
