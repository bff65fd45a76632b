#include "TableGridModel.h"

#include <exception>

#include "GridRules.h"
#include "GridTableAccess.h"

namespace quarlo {

TableGridModel::TableGridModel(GridTableAccess* access, QObject* parent)
    : QAbstractTableModel(parent), m_access(access)
{
}

void TableGridModel::Detach()
{
    beginResetModel();
    m_access = nullptr;
    endResetModel();
}

void TableGridModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void TableGridModel::CellChanged(int column, int row)
{
    const QModelIndex cell = index(row, column);
    if (cell.isValid())
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void TableGridModel::AllCellsChanged()
{
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

int TableGridModel::rowCount(const QModelIndex& parent) const
{
    return m_access && !parent.isValid() ? m_access->RowCount() : 0;
}

int TableGridModel::columnCount(const QModelIndex& parent) const
{
    return m_access && !parent.isValid() ? m_access->ColumnCount() : 0;
}

bool TableGridModel::IsTextCell(const QModelIndex& index) const
{
    return m_access && index.isValid() && index.column() < m_access->ColumnCount() &&
           m_access->Kind(index.column()) == CellKind::Text;
}

// The view asks while it paints: whatever the table says, nothing may leave here.
QVariant TableGridModel::cellText(const QModelIndex& index) const
{
    try {
        if (!IsTextCell(index) || index.row() >= m_access->RowCount())
            return {};
        return QString::fromStdString(m_access->CellText(index.column(), index.row()));
    } catch (const std::exception&) {
        return {};
    }
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return cellText(index);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QStringList TableGridModel::captionLines(int column) const
{
    QStringList lines;
    try {
        for (int line = 0; line < m_access->HeaderLineCount(); ++line)
            lines << QString::fromStdString(m_access->HeaderLine(column, line));
    } catch (const std::exception&) {
    }
    return lines;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_access)
        return {};
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return GroupNumber(section, m_access->RowGroup());
        return {};
    }
    if (section < 0 || section >= m_access->ColumnCount())
        return {};
    if (role == CaptionLinesRole)
        return captionLines(section);
    if (role == Qt::DisplayRole)
        return captionLines(section).join(QLatin1Char('\n'));
    return {};
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The cursor never stands in a list or button cell: the keys pass over it and its control
    // takes the clicks.
    if (IsTextCell(index))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::NoItemFlags;
}

bool TableGridModel::StoreEntry(const QModelIndex& index, const QString& text)
{
    if (!IsTextCell(index))
        return false;
    const bool stored = m_access->StoreEntry(index.column(), index.row(), text.toStdString());
    // Rewritten from the stored values, so an entry such as 2*3 shows as 6, and a linked
    // cell the entry changed shows its new value too.
    if (stored)
        AllCellsChanged();
    return stored;
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole)
        return false;
    try {
        StoreEntry(index, value.toString());
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace quarlo
