#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "ChildWindow.h"
#include "TableFormLayout.h"

class QLabel;
class QPushButton;

namespace quarlo {

class GridControls;
class GridTableAccess;
class TableGrid;
class TableFormHost;
class TableGridModel;
class TableWindow;
class TableWindowLink;

// What both table windows have: the grid with its header rows and row numbers, the lists and
// buttons over list and button cells, the row buttons, the comments and the help picture,
// the layout that sizes the window to whole rows and columns, and the link to the table,
// which owns the window. The window writes every entry straight into the table; the table's
// notifications keep it in step with changes made elsewhere (a unit switch, a renumbering).
class TableFormBase : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    ~TableFormBase() override;

    bool FormDeactivate() override;
    bool FormCloseQuery() override;
    void UnitsChanged() override;

    // Stores the entry of the current cell; false (after showing why) when it is refused.
    bool ValidateCurrentCell();
    // Reads the whole table again: rows, captions, widths, controls, row buttons, layout.
    void Refresh();

    TableGrid* Grid() const { return m_grid; }
    GridControls* Controls() const { return m_controls; }
    int VisibleRows() const { return m_visibleRows; }
    int VisibleColumns() const { return m_visibleColumns; }
    // Sizes the window for a size the user dragged it to, snapped to whole rows and columns;
    // an edge not dragged keeps its rows or columns.
    void SnapTo(QSize draggedHostSize, bool widthDragged = true, bool heightDragged = true);

    // From the link to the table.
    void Open(TableWindowLink* link);
    void Detach();
    void SetHost(QWidget* host);
    QWidget* Host() const;

    QSize sizeHint() const override;

    // Row commands of the buttons, one row group each.
    void AddRowClick();
    void InsRowClick();
    void DelRowClick();

protected:
    TableFormBase(std::unique_ptr<GridTableAccess> access, QWidget* parent);

    GridTableAccess* Access() const { return m_access.get(); }
    // A button of the window. A click leaves the focus in the cell being edited: its command
    // stores that entry first and stops when it is refused, instead of a focus change
    // showing the refusal in the middle of the click.
    QPushButton* MakeButton(const QString& caption, const QString& name);
    // The size a part gets: its nominal size, or more when its text needs more in this font.
    static PixelSize PartSize(const QWidget* part, QSize nominal);
    // Runs a command of the window: the current cell is stored first (a refused entry stops
    // the command), the table's notifications wait until the command is done and the window
    // is then read afresh, and any failure is shown in a message box.
    void RunCommand(const std::function<void()>& command);
    void ScheduleChartRedraw();

    virtual bool ChartShown() const { return false; }
    virtual void AddParts(TableFormParts& parts) const;
    virtual void PlaceParts(const TableFormGeometry& geometry);
    virtual void RedrawChart() {}
    // Refresh is done: the parts beyond the grid follow.
    virtual void Refreshed() {}
    // Rows the table grew by a command: the grid grows with them as far as the rules allow.
    void GrowVisibleRows(int rowsBefore);

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void installHooks();
    void configureGrid();
    void restoreCurrentCell(int row, int column);
    void updateRowButtons();
    void showComments();
    void showHelpPicture();
    void layout();
    TableFormParts parts(PixelSize grid) const;
    GridMetrics gridMetrics() const;
    GridWindow gridWindow() const;
    void applyGridWindow(const GridWindow& window);
    int currentDataRow() const;
    void unlinkFromTable();
    void chooseItem(int column, int control, int itemIndex);
    void pressButton(int column, int control);

    std::unique_ptr<GridTableAccess> m_access;
    TableWindowLink* m_link = nullptr;
    TableFormHost* m_host;
    TableGridModel* m_model;
    TableGrid* m_grid;
    GridControls* m_controls;
    QPushButton* m_add;
    QPushButton* m_insert;
    QPushButton* m_delete;
    QLabel* m_comments;
    QLabel* m_helpImage;
    int m_visibleRows = 0;
    int m_visibleColumns = 0;
    QSize m_client;
    bool m_suspended = false;
    bool m_layingOut = false;
    bool m_chartPending = false;
    // Where a snap scrolled the grid, applied by the next layout; -1 keeps the scroll bars.
    int m_snapFirstRow = -1;
    int m_snapFirstColumn = -1;
};

}  // namespace quarlo
