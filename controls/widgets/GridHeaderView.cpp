#include "GridHeaderView.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "TableGridModel.h"

namespace quarlo {

GridHeaderView::GridHeaderView(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void GridHeaderView::SetExtent(int extent)
{
    m_extent = extent;
    updateGeometry();
}

QSize GridHeaderView::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal)
        size.setHeight(m_extent);
    else
        size.setWidth(m_extent);
    return size;
}

QSize GridHeaderView::minimumSizeHint() const
{
    return sizeHint();
}

void GridHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (orientation() == Qt::Vertical || !model()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const QStringList lines =
        model()->headerData(logicalIndex, Qt::Horizontal, TableGridModel::CaptionLinesRole).toStringList();
    const int rows = qMax(1, static_cast<int>(lines.size()));
    for (int line = 0; line < rows; ++line) {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(rect.left(), rect.top() + line * m_rowHeight, rect.width(),
                            line == rows - 1 ? rect.height() - line * m_rowHeight : m_rowHeight);
        option.section = logicalIndex;
        option.text = line < lines.size() ? lines[line] : QString();
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        painter->save();
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->restore();
    }
}

}  // namespace quarlo
