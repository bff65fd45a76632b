#pragma once

#include <QHeaderView>

namespace quarlo {

// A header of the table grid. Across the top it draws a column's caption lines as stacked
// header rows of the grid's row height, as many rows as the longest caption has lines; down
// the side it is the row-number column of a fixed width.
class GridHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Height of the header rows (top) or width of the number column (side).
    void SetExtent(int extent);
    void SetRowHeight(int height) { m_rowHeight = height; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_extent = 0;
    int m_rowHeight = 25;
};

}  // namespace quarlo
