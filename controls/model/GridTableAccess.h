#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ControlSlot.h"
#include "TableChart.h"
#include "TableChartData.h"
#include "Table.h"
#include "TextMetrics.h"

namespace quarlo {

class TableWindow;

// How the cells of a shown column are edited: typed text, a drop-down list of items, or a
// button that opens the row's sub-table.
enum class CellKind { Text, Choice, SubTable };

// A table as its edit window sees it, the same for both variants. Columns are the shown
// columns, numbered from 0; the window never reaches hidden ones. Every rule stays the
// table's and its columns': this only routes the window's requests to them and marks the
// table changed for the edits the user makes.
class GridTableAccess {
public:
    // The table's notifications, with shown-column numbers.
    struct Hooks {
        std::function<void()> rowsChanged;
        std::function<void(int column, int row)> cellChanged;
        std::function<void(int column, int row)> focusCell;
        std::function<void()> helpPictureChanged;
    };

    static std::unique_ptr<GridTableAccess> For(TGridTableChart& table);
    static std::unique_ptr<GridTableAccess> For(TGridTable& table);

    virtual ~GridTableAccess() = default;

    virtual std::string WindowTitle() const = 0;
    // The object name of the window: the table's name, followed for a sub-table by its
    // number path ("tblDataClay2_1", "TblTZCurves2_3").
    virtual std::string WindowName() const = 0;
    virtual std::string TopLeft() const = 0;
    virtual std::string Comments() const = 0;
    virtual std::vector<std::uint8_t> HelpPicture() const = 0;
    // The chart settings of a chart-variant table; none for the plain variant.
    virtual const ChartSettings* Chart() const = 0;
    virtual TableChartData ChartData() const = 0;

    virtual int RowCount() const = 0;
    virtual int MinRows() const = 0;
    virtual int MaxRows() const = 0;
    virtual int RowGroup() const = 0;

    virtual int ColumnCount() const = 0;
    // Header rows: the most caption lines of a shown column.
    virtual int HeaderLineCount() const = 0;
    // Caption line `line` of a column; empty below its last line.
    virtual std::string HeaderLine(int column, int line) const = 0;
    virtual CellKind Kind(int column) const = 0;
    virtual std::vector<std::string> ChoiceItems(int column) const = 0;
    virtual int ColumnWidth(int column, const TextMetrics& canvas) const = 0;
    virtual std::string CellText(int column, int row) const = 0;

    // An entry typed into a text cell, read by the column (EAssignError when refused; the
    // stored value is then unchanged). Text equal to what the cell shows stores nothing; any
    // other entry marks the table changed. True when something was stored.
    virtual bool StoreEntry(int column, int row, const std::string& text) = 0;
    // The user chose item `itemIndex` (0-based) in the list of control `control`.
    virtual void ChooseItem(int column, int control, int itemIndex) = 0;
    virtual void PressButton(int column, int control) = 0;
    // Gives every list and button column its control slots for rows topRow .. topRow+count-1.
    virtual void AttachControls(TableWindow* window, int topRow, int count) = 0;
    virtual int ControlCount(int column) const = 0;
    virtual const ControlSlot& Control(int column, int i) const = 0;

    // Row commands from the window's buttons and imports; each marks the table changed.
    virtual void AddRowGroup() = 0;
    virtual void InsertRowGroup(int row) = 0;
    virtual void DeleteRowGroup(int row) = 0;
    // Enters imported rows: row k gets row k's numbers (a row group is added for rows beyond
    // the table), and when any row was given, the rows after the last one are deleted, even
    // below MinRows.
    virtual void ImportRows(const std::vector<std::vector<long double>>& rows) = 0;
    // An opening window shows at least MinRows rows.
    virtual void EnsureMinRows() = 0;
    virtual void MarkChanged() = 0;

    virtual void InstallHooks(Hooks hooks) = 0;
    // The table's OnResize event, after every layout of the window.
    virtual void RaiseResize() = 0;
    // The user closed the window: the table releases the controls, the hooks and the window.
    virtual void CloseWindow() = 0;
};

}  // namespace quarlo
