#pragma once

#include <QAbstractTableModel>

namespace quarlo {

class GridTableAccess;

// The grid's view of a table: a thin adapter that reads every cell, caption and row number
// from the table through GridTableAccess and keeps no copy of the data. Cells of list and
// button columns are empty here: their controls lie over them.
class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The caption lines of a column, one per header row (QStringList).
    static constexpr int CaptionLinesRole = Qt::UserRole + 1;

    explicit TableGridModel(GridTableAccess* access, QObject* parent = nullptr);

    // The table went away or changed its rows: the grid is read afresh.
    void Detach();
    void Reset();
    // A stored value changed: the grid redraws the cell.
    void CellChanged(int column, int row);
    // Every cell is drawn again from the stored values.
    void AllCellsChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A typed entry through the column's reading; false when it was refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    bool IsTextCell(const QModelIndex& index) const;
    // Stores an entry typed into a text cell; the column's refusal (EAssignError) passes on.
    // True when something was stored: every cell then shows its stored value again.
    bool StoreEntry(const QModelIndex& index, const QString& text);

private:
    QVariant cellText(const QModelIndex& index) const;
    QStringList captionLines(int column) const;

    GridTableAccess* m_access;
};

}  // namespace quarlo
