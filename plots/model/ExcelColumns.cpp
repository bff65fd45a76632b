#include "ExcelColumns.h"

#include <algorithm>
#include <stdexcept>

namespace quarlo {

// Column letters count in base 26 without a zero digit: after Z comes AA, after ZZ comes AAA.
std::string GetExcelCol(int n)
{
    if (n < 1 || n > kSheetColumns)
        throw std::out_of_range("column " + std::to_string(n) + " lies outside a worksheet");
    std::string letters;
    for (; n > 0; n = (n - 1) / 26)
        letters += static_cast<char>('A' + (n - 1) % 26);
    std::reverse(letters.begin(), letters.end());
    return letters;
}

std::string CellName(int row, int column)
{
    return GetExcelCol(column) + std::to_string(row);
}

std::string ColumnRangeFormula(const std::string& sheet, int column, int firstRow, int lastRow)
{
    const std::string letters = GetExcelCol(column);
    return "=" + sheet + "!$" + letters + "$" + std::to_string(firstRow) + ":$" + letters + "$" +
           std::to_string(lastRow);
}

}  // namespace quarlo
