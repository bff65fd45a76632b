#include "SheetColumnWidths.h"

#include <algorithm>
#include <cstddef>

namespace quarlo {

namespace {

constexpr double kBlankWidth = 0.45;
constexpr double kBoldFactor = 1.1;
constexpr double kMargin = 1.0;
constexpr std::size_t kGeneralNumberCharacters = 11;

}  // namespace

double DisplayWidth(const WorkbookCell& cell)
{
    if (cell.Number)
        return static_cast<double>(std::min(cell.Text.size(), kGeneralNumberCharacters)) + kMargin;
    double width = 0;
    for (const char c : cell.Text)
        width += c == ' ' ? kBlankWidth : 1.0;
    if (cell.Style == CellStyle::Header)
        width *= kBoldFactor;
    return width + kMargin;
}

void FitColumnWidths(WorkbookSheet& sheet, int firstRow)
{
    for (const WorkbookCell& cell : sheet.Cells) {
        if (cell.Row < firstRow)
            continue;
        const std::size_t index = static_cast<std::size_t>(cell.Column - 1);
        if (sheet.ColumnWidths.size() <= index)
            sheet.ColumnWidths.resize(index + 1, 0.0);
        sheet.ColumnWidths[index] = std::max({sheet.ColumnWidths[index], kDefaultColumnWidth, DisplayWidth(cell)});
    }
}

}  // namespace quarlo
