#include "WorkbookContent.h"

#include <algorithm>

namespace quarlo {

const WorkbookCell* WorkbookSheet::Cell(int row, int column) const
{
    const auto found = std::find_if(Cells.begin(), Cells.end(), [&](const WorkbookCell& cell) {
        return cell.Row == row && cell.Column == column;
    });
    return found == Cells.end() ? nullptr : &*found;
}

const WorkbookSheet* WorkbookContent::Sheet(const std::string& name) const
{
    const auto found =
        std::find_if(Sheets.begin(), Sheets.end(), [&](const WorkbookSheet& sheet) { return sheet.Name == name; });
    return found == Sheets.end() ? nullptr : &*found;
}

}  // namespace quarlo
